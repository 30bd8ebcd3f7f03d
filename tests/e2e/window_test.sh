#!/usr/bin/env bash
# The real program under Xvfb and openbox: one borderless 737 x 584 window showing
# its background, a second start that raises the first and ends, and a program
# that runs from any folder on its own.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop.sh"
program=$1
base_jpg="$2/Base.jpg"

start_desktop
folder=$(mktemp -d)
cp "$program" "$folder/lunavox"   # the program alone in an empty folder
(cd "$folder" && exec ./lunavox) &
first=$!
wait_until 20 has_lunavox_window
win=$(lunavox_window)
wait_until 10 sh -c "xwininfo -id $win | grep -q IsViewable"

geometry=$(xwininfo -id "$win")
echo "$geometry" | grep -q "Width: 737" || { echo "window is not 737 wide"; exit 1; }
echo "$geometry" | grep -q "Height: 584" || { echo "window is not 584 high"; exit 1; }
xprop -id "$win" _NET_FRAME_EXTENTS | grep -q "= 0, 0, 0, 0" || { echo "window has a frame"; exit 1; }
xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$win")" || { echo "not a top-level client"; exit 1; }

# The screen shows the background picture: compare a strip along the left edge
# that nothing else draws over.
x=$(echo "$geometry" | sed -n 's/.*Absolute upper-left X: *//p')
y=$(echo "$geometry" | sed -n 's/.*Absolute upper-left Y: *//p')
shot=$folder/shot.png
shows_background() {
  import -window root "$shot"
  convert "$shot" -crop "26x460+$((x + 3))+$((y + 70))" +repage "$folder/seen.png"
  convert "$base_jpg" -crop "26x460+3+70" +repage "$folder/expected.png"
  local error
  error=$(compare -metric MAE "$folder/seen.png" "$folder/expected.png" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
  awk -v e="$error" 'BEGIN { exit !(e != "" && e < 0.03) }'
}
wait_until 10 shows_background

# A second start while the first is minimised raises it and ends with code 0.
xdotool windowminimize "$win"
wait_until 10 sh -c "xprop -id $win WM_STATE | grep -q Iconic"
timeout 2 "$folder/lunavox"
wait_until 5 sh -c "xprop -id $win WM_STATE | grep -q Normal"
wait_until 5 sh -c "[ \"\$(xdotool getactivewindow)\" = $win ]"
kill -0 "$first"

# Closing the window ends the program with code 0.
xdotool windowactivate --sync "$win" key alt+F4
wait "$first"
echo "window test passed"
