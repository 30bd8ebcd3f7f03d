#!/usr/bin/env bash
# A whole session with the real program: the random button sounds through the sound
# server, a typed wish and Enter turn the card over, the close control ends the
# program, the settings file holds the fortune, and a resumed start shows it again.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop.sh"
program=$1 resources=$2

start_desktop
start_sound_server
folder=$(mktemp -d)
cp "$program" "$folder/lunavox"
today=$(date +%Y/%m/%d)
# A fate drawn today stays, so the wish "abc" gives card 16.
printf '[Veyra.ini]\r\nFate=0\r\nOldDate=%s\r\nMemDate=%s\r\n' "$today" "$today" > "$folder/Veyra.ini"

click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }
# The window's rectangle (x, y, width, height) looks like the given picture.
shows() {
  import -window root "$folder/shot.png"
  convert "$folder/shot.png" -crop "$3x$4+$((wx + $1))+$((wy + $2))" +repage "$folder/part.png"
  local error
  error=$(compare -metric MAE "$folder/part.png" "$5" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
  awk -v e="$error" 'BEGIN { exit !(e != "" && e < 0.03) }'
}
shows_card() { shows 36 48 340 500 "$resources/C$1.jpg"; }
# The random button is up again (as the background picture shows it) once its card turn ends.
convert "$resources/Base.jpg" -crop "103x39+580+233" +repage "$folder/random-up.png"
random_button_up() { shows 580 233 103 39 "$folder/random-up.png"; }
# The index of the newest sound stream, -1 when none plays; each sound is a new stream.
newest_stream() { pactl list short sink-inputs | awk 'BEGIN { n = -1 } $1 > n { n = $1 } END { print n }'; }
stream_after() { [ "$(newest_stream)" -gt "$1" ]; }
close_when_idle() { click 719 17; ! kill -0 "$pid" 2>/dev/null; }

start_lunavox_in "$folder"
wait_until 10 shows_card 000
before=$(newest_stream)
click 630 250                                                          # the random button
wait_until 10 stream_after "$before"
wait_until 10 random_button_up

click 570 140
xdotool type --delay 30 abc
xdotool key Return
wait_until 15 shows_card 016
wait_until 10 close_when_idle
wait "$pid"
grep -q $'^CardNum=16\r$' "$folder/Veyra.ini" || { echo "the fortune was not saved"; cat "$folder/Veyra.ini"; exit 1; }
grep -q $'^Wish=abc\r$' "$folder/Veyra.ini" || { echo "the wish was not saved as typed"; cat "$folder/Veyra.ini"; exit 1; }

# With "ResumeOk" set the next start shows the fortune at once, the wish in its box.
sed -i 's/^ResumeOk=0/ResumeOk=1/' "$folder/Veyra.ini"
start_lunavox_in "$folder"
wait_until 10 shows_card 016
convert "$folder/shot.png" -crop "60x14+$((wx + 466))+$((wy + 84))" +repage "$folder/wish.png"
darkest=$(convert "$folder/wish.png" -colorspace Gray -format '%[fx:minima]' info:)
awk -v d="$darkest" 'BEGIN { exit !(d < 0.4) }' || { echo "the wish box is empty after the resumed start"; exit 1; }
wait_until 10 close_when_idle
wait "$pid"
echo "fortune test passed"
