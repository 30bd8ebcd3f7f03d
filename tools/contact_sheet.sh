#!/usr/bin/env bash
# Lays every picture in resources/ side by side, each labelled with its file
# name and size, into one PNG for reviewing the whole set at a glance.
#   tools/contact_sheet.sh OUTPUT.png
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 OUTPUT.png" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
resources="$here/../resources"
mapfile -t pictures < <(find "$resources" -maxdepth 1 -type f \
  \( -iname '*.jpg' -o -iname '*.bmp' -o -iname '*.png' -o -iname '*.cur' -o -iname '*.ico' \) | sort)
[ ${#pictures[@]} -gt 0 ] || { echo "no pictures in $resources" >&2; exit 1; }
montage -background '#303038' -fill '#e8e8e8' -pointsize 11 -label '%f\n%wx%h' \
  "${pictures[@]}" -tile 6x -geometry '+10+10>' "$1"
