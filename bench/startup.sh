#!/usr/bin/env bash
# Start-up time (process start to first paint) and peak memory of Lunavox beside a
# bare Qt window showing one picture, measured in the same run on a private Xvfb.
#   bench/startup.sh BUILD_DIR RESOURCE_DIR [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1 resources=$2 runs=${3:-11}
source "$here/../tests/e2e/desktop.sh"
start_desktop

# A point of the background that nothing else covers at start: the left frame.
px=$(( (1024 - 737) / 2 + 10 )) py=$(( (768 - 584) / 2 - 6 + 300 ))
read -r r g b <<< "$(convert "$resources/Base.jpg" -format '%[fx:int(255*p{10,300}.r)] %[fx:int(255*p{10,300}.g)] %[fx:int(255*p{10,300}.b)]' info:)"
folder=$(mktemp -d)
cp "$build/lunavox" "$folder/lunavox"

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
measure() {
  for _ in $(seq "$runs"); do
    "$build/bench/first_paint_probe" "$px" "$py" "$r" "$g" "$b" "$@"
    wait_until 10 sh -c "! xdotool search --name '^Lunavox2009$'"
  done
}
lunavox=$(cd "$folder" && measure ./lunavox)
bare=$(measure "$build/bench/bare_qt_window" "$resources/Base.jpg")
printf 'lunavox:  first paint median %s ms, peak RSS median %s kB\n' \
  "$(echo "$lunavox" | cut -d' ' -f1 | median)" "$(echo "$lunavox" | cut -d' ' -f2 | median)"
printf 'bare Qt:  first paint median %s ms, peak RSS median %s kB\n' \
  "$(echo "$bare" | cut -d' ' -f1 | median)" "$(echo "$bare" | cut -d' ' -f2 | median)"
