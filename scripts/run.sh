#!/usr/bin/env bash
# Builds Lunavox and starts it from run/, a folder of its own where it keeps its
# settings file next to the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh" --target lunavox
mkdir -p "$top/run"
cp "$top/build/lunavox" "$top/run/lunavox"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Lunavox is built in $top/run/lunavox, but there is no graphical display here" >&2
  echo "(DISPLAY is not set). Run this command from a desktop session." >&2
  exit 1
fi
cd "$top/run"
exec ./lunavox
