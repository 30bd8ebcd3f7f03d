# Shared by the end-to-end tests: a private X display with a window manager, and
# waiting for conditions instead of sleeping.
set -euo pipefail

# wait_until TIMEOUT_SECONDS COMMAND...: polls the command until it succeeds.
wait_until() {
  local timeout=$1; shift
  local deadline=$(( $(date +%s%N) + timeout * 1000000000 ))
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s%N)" -lt "$deadline" ] || { echo "timed out after ${timeout}s waiting for: $*" >&2; return 1; }
    sleep 0.05
  done
}

start_desktop() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  export DISPLAY=":$n"
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  wait_until 20 xdpyinfo
  openbox >/dev/null 2>&1 &
  WM_PID=$!
  wait_until 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
  export XDG_RUNTIME_DIR=$(mktemp -d)
  trap stop_desktop EXIT
}

# A private PulseAudio server whose default output is a null sink, so that sounds
# play as streams that can be listed.
start_sound_server() {
  export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR
  pulseaudio --daemonize=no --exit-idle-time=-1 -n --load=module-native-protocol-unix \
    --load="module-null-sink sink_name=lunavox_test" >/dev/null 2>&1 &
  wait_until 20 pactl info
  pactl set-default-sink lunavox_test
}

stop_desktop() {
  local pids
  pids=$(jobs -p)
  [ -n "$pids" ] && kill $pids 2>/dev/null || true
  wait 2>/dev/null || true
}

# The id of the top-level window titled exactly Lunavox2009, if there is one.
lunavox_window() { xdotool search --name '^Lunavox2009$' 2>/dev/null | head -n 1; }
has_lunavox_window() { [ -n "$(lunavox_window)" ]; }

# Starts the program in the given folder and waits until its window is shown; sets
# pid, win (the window id) and wx, wy (the window's place on the screen).
start_lunavox_in() {
  (cd "$1" && exec ./lunavox) &
  pid=$!
  wait_until 20 has_lunavox_window
  win=$(lunavox_window)
  wait_until 10 sh -c "xwininfo -id $win | grep -q IsViewable"
  read -r wx wy <<< "$(xwininfo -id "$win" | sed -n 's/.*Absolute upper-left [XY]: *//p' | tr '\n' ' ')"
}

window_state() { xprop -id "$1" WM_STATE | sed -n 's/.*window state: //p'; }
