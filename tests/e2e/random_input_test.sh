#!/usr/bin/env bash
# A seeded stream of random input against the real program with a sound server
# running, so that nearly every event cuts off the sound before it: presses of all
# three buttons anywhere on the window, middle drags over the wish box, typing and
# keys. The program must live through all of it and write its settings at exit.
# Replay a failure with RANDOM_INPUT_SEED=<seed printed below>.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop.sh"
program=$1
events=${RANDOM_INPUT_EVENTS:-1500}
seed=${RANDOM_INPUT_SEED:-$(( $(date +%s%N) % 1000000007 ))}
echo "random input seed: $seed ($events events)"

start_desktop
start_sound_server
folder=$(mktemp -d)
cp "$program" "$folder/lunavox"
(cd "$folder" && exec ./lunavox) &
pid=$!
wait_until 20 has_lunavox_window
win=$(lunavox_window)
wait_until 10 sh -c "xwininfo -id $win | grep -q IsViewable"

# One xdotool command line per event, window-relative. The close and minimise
# controls are left out so the window stays; a right press opens the menu, which
# Escape closes again before the next event.
awk -v seed="$seed" -v n="$events" -v w="$win" '
  function point() { do { x = int(rand() * 737); y = int(rand() * 584) } while (x >= 660 && y < 40); }
  function move(px, py) { return "mousemove --window " w " " px " " py }
  BEGIN {
    srand(seed)
    split("Return Escape Left Right Up Down BackSpace a b c z 1 ctrl+a ctrl+Return shift+Escape alt+Left ctrl+shift+Right ctrl+alt+Up", keys, " ")
    for (i = 0; i < n; i++) {
      r = rand()
      if (r < 0.35) { point(); print move(x, y) " click 1" }
      else if (r < 0.45) { point(); print move(x, y) " click 2" }
      else if (r < 0.50) { point(); print move(x, y) " click 3 key Escape" }
      else if (r < 0.65) {
        # A middle drag that starts on the wish box, wanders and comes back, so the
        # window ends where it was.
        x = 470 + int(rand() * 215); y = 90 + int(rand() * 105)
        print move(x, y) " mousedown 2 " move(x + 7, y + 5) " " move(x - 6, y + 9) " " move(x, y) " mouseup 2"
      }
      else if (r < 0.75) { print move(480 + int(rand() * 200), 100 + int(rand() * 90)) " click 1 type --delay 5 lunavox" }
      else { print "key " keys[1 + int(rand() * length(keys))] }
    }
  }' > "$folder/events.xdo"

alive() { kill -0 "$pid" 2>/dev/null; }
answers() { timeout 1 xprop -id "$win" WM_NAME | grep -q Lunavox2009; }
failed() { echo "FAILED: $1 (seed $seed)"; exit 1; }

# Batches of 50 events, with the program checked between them.
split -l 50 "$folder/events.xdo" "$folder/batch."
done_events=0
for batch in "$folder"/batch.*; do
  xdotool "$batch" >/dev/null 2>&1 || true
  alive || failed "the program died after $done_events events"
  wait_until 10 answers || failed "the program stopped answering after $done_events events"
  done_events=$(( done_events + $(wc -l < "$batch") ))
done
echo "survived $done_events events"

# Let any card turn finish, then close with the close control and check what was saved.
xdotool key Escape key Escape
close_when_idle() { xdotool mousemove --window "$win" 719 17 click 1; ! alive; }
wait_until 30 close_when_idle || failed "the close control did not end the program"
wait "$pid" || failed "the program ended with code $?"
[ -s "$folder/Veyra.ini" ] || failed "no settings file was written"
grep -q $'^CardNum=' "$folder/Veyra.ini" || failed "the settings file is incomplete"
echo "random input test passed"
