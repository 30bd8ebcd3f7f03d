#!/usr/bin/env bash
# The window's outline and its sparkles under openbox: the window's X shape covers
# exactly the white pixels of its mask, a press on a black mask pixel reaches the
# window below, the sparkles play around the light point, a press on the card moves
# that point and the exit saves it, and a stay-on-top start is kept above others
# with the same outline.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop.sh"
program=$1 resources=$2 shape_probe=$3
shots=${LUNAVOX_SHOT_DIR:-}   # where to keep the screenshots, if anywhere

start_desktop
folder=$(mktemp -d)
cp "$program" "$folder/lunavox"
convert "$resources/BaseMsk.bmp" -compress none "$folder/mask.pbm"

close_when_idle() { xdotool mousemove --window "$win" 719 17 click 1; ! kill -0 "$pid" 2>/dev/null; }
keep_shot() { [ -z "$shots" ] || cp "$folder/shot.png" "$shots/$1.png"; }

# Every pixel inside the window's shape is white in the mask, every one outside black.
shape_is_mask() {
  "$shape_probe" "$win" 737 584 > "$folder/shape.pbm" 2> "$folder/shape.count"
  [ "$(compare -metric AE "$folder/shape.pbm" "$folder/mask.pbm" null: 2>&1)" = 0 ]
}

# Sparkles: the light square on screen differs from the title card in at least
# a few pixels (the card's top-left corner lies at window point (36, 48)).
sparkles_at() {
  local left=$1 top=$2
  import -window root "$folder/shot.png"
  convert "$folder/shot.png" -crop "87x87+$((wx + left))+$((wy + top))" +repage "$folder/square.png"
  convert "$resources/C000.jpg" -crop "87x87+$((left - 36))+$((top - 48))" +repage "$folder/card.png"
  local changed
  changed=$(compare -metric AE -fuzz 25% "$folder/square.png" "$folder/card.png" null: 2>&1)
  [ "${changed%% *}" -ge 8 ] 2>/dev/null
}

# A window below the point (100, 5) of the program's window, which the mask leaves out.
[ "$(convert "$resources/BaseMsk.bmp" -format '%[fx:p{100,5}.r]' info:)" = 0 ] ||
  { echo "the mask is not black at (100, 5)"; exit 1; }
xev -event button -geometry 400x200+150+40 > "$folder/below.log" 2>&1 &
below_window() { xdotool search --name '^Event Tester$' | head -n 1; }
wait_until 10 below_window
below=$(below_window)
xdotool windowmove "$below" 150 40

start_lunavox_in "$folder"
wait_until 10 shape_is_mask || { echo "the window's shape is not the mask: $(cat "$folder/shape.count")"; exit 1; }
echo "shape: $(cat "$folder/shape.count")"

wait_until 10 sparkles_at 160 252 || { echo "no sparkles around the light point"; exit 1; }
keep_shot sparkles-home

xdotool mousemove "$((wx + 100))" "$((wy + 5))" click 1
wait_until 10 grep -q ButtonPress "$folder/below.log" ||
  { echo "a press outside the outline did not reach the window below"; exit 1; }

# A press on the card at (100, 200) puts the light square at (55, 155).
xdotool mousemove --window "$win" 100 200 click 1
wait_until 10 sparkles_at 55 155 || { echo "no sparkles around the pressed point"; exit 1; }
keep_shot sparkles-moved
wait_until 10 close_when_idle
wait "$pid"
grep -q $'^StarX=-106\r$' "$folder/Veyra.ini" || { echo "StarX not saved"; cat "$folder/Veyra.ini"; exit 1; }
grep -q $'^StarY=-98\r$' "$folder/Veyra.ini" || { echo "StarY not saved"; cat "$folder/Veyra.ini"; exit 1; }

# Kept above others from the start, with the same outline.
sed -i 's/^StayOnTop=0\r$/StayOnTop=1\r/' "$folder/Veyra.ini"
grep -q $'^StayOnTop=1\r$' "$folder/Veyra.ini" || { echo "could not set StayOnTop"; exit 1; }
start_lunavox_in "$folder"
wait_until 10 sh -c "xprop -id $win _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE" ||
  { echo "not kept above others"; xprop -id "$win" _NET_WM_STATE; exit 1; }
wait_until 10 shape_is_mask || { echo "the stay-on-top window lost its shape"; exit 1; }
import -window root "$folder/shot.png"
keep_shot stay-on-top
wait_until 10 close_when_idle
wait "$pid"
echo "shape test passed"
