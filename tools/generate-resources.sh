#!/usr/bin/env bash
# Regenerates every file under resources/ from the sources kept in tools/.
# Building the program never needs this: the results are committed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/setup-generator.sh"
out="$here/../resources"
mkdir -p "$out"
/usr/bin/python3 "$here/window_art/generate.py" "$out"
/usr/bin/python3 "$here/cards/generate.py" "$out"
/usr/bin/python3 "$here/sounds/generate.py" "$out"
/usr/bin/python3 "$here/cursors/generate.py" "$out"
