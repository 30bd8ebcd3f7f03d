#!/usr/bin/env bash
# Builds Lunavox and runs every test: the unit and headless window tests, the
# resource contract test, and the end-to-end tests under Xvfb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
cd "$top/build"
ctest --output-on-failure -j "$(nproc)"
