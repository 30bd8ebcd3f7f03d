#!/usr/bin/env bash
# Installs the Debian packages the resource generator uses (not needed to build the program).
set -euo pipefail
packages=(python3 python3-pil python3-numpy python3-cairo sox espeak-ng libjpeg-turbo-progs
          librsvg2-bin imagemagick fonts-ipafont-gothic fonts-ipafont-mincho)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
as_root=(); [ "$(id -u)" -ne 0 ] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
