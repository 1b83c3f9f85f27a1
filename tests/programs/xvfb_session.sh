# Sourced by the whole-program tests: starts a private Xvfb display and
# cleans up after the test. Sets DISPLAY and WORK (a scratch folder).
# XVFB_SCREEN chooses the screen (default 1280x1024x24).
set -euo pipefail

WORK=$(mktemp -d)
XVFB_PID=""
cleanup() {
  local rc=$?
  [ -n "${PROGRAM_PID:-}" ] && kill "$PROGRAM_PID" 2>/dev/null || true
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
  exit $rc
}
trap cleanup EXIT

# A test may name a function in FAIL_DETAILS that prints what helps explain a failure.
fail() {
  echo "FAIL: $*" >&2
  if [ -n "${FAIL_DETAILS:-}" ]; then "$FAIL_DETAILS" >&2 || true; fi
  exit 1
}

# Xvfb picks a free display itself; two sessions starting at the same moment
# can still collide on one, so a server that ends early is started again.
display=""
for attempt in 1 2 3; do
  exec 3<> <(:)
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 300); do
    if read -r -t 0.1 display <&3 && [ -n "$display" ]; then break; fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
  done
  [ -n "$display" ] && break
  kill "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
  sleep "0.$((RANDOM % 9 + 1))"
done
[ -n "$display" ] || { cat "$WORK/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=":$display"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
# No session bus here. Without an address, the D-Bus library forks from a
# Qt thread at start-up to launch one; under the sanitizers that child can
# hang on an allocator lock before it execs, and the program never starts.
# An address that leads nowhere fails at once, without a fork.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-session-bus"
# The user's cache (the update staging folder), state and runtime (the quit
# channel) folders of the test: tests side by side never meet.
mkdir -m 700 "$WORK/run"
export XDG_CACHE_HOME="$WORK/cache" XDG_STATE_HOME="$WORK/state" XDG_RUNTIME_DIR="$WORK/run"

# Visible windows of a process, one id a line.
visible_windows() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }

# Waits up to $2 seconds for a visible window of process $1 whose whole
# title matches the regular expression $3; prints its id.
wait_for_window() {
  local pid=$1 seconds=$2 title=$3 w name
  for _ in $(seq 1 $((seconds * 10))); do
    for w in $(visible_windows "$pid"); do
      name=$(xdotool getwindowname "$w" 2>/dev/null || true)
      if [[ "$name" =~ ^($title)$ ]]; then echo "$w"; return 0; fi
    done
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits up to $2 seconds for process $1 to end; sets EXIT_CODE.
wait_for_exit() {
  local pid=$1 seconds=$2
  for _ in $(seq 1 $((seconds * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      set +e; wait "$pid"; EXIT_CODE=$?; set -e
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# The start-up of $PROGRAM_PID failed: exactly one visible window, the box
# titled "Vantorix"; a real Return answers it, and the program ends with a
# non-zero exit code.
expect_one_fatal_box_then_exit() {
  local box windows
  box=$(wait_for_window "$PROGRAM_PID" 30 "Vantorix") || fail "no box titled Vantorix appeared"
  windows=$(visible_windows "$PROGRAM_PID")
  [ "$windows" = "$box" ] || fail "other windows are visible besides the box: $windows"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  wait_for_exit "$PROGRAM_PID" 20 || fail "Vantor did not end after the box was answered"
  PROGRAM_PID=""
  [ "$EXIT_CODE" -ne 0 ] || fail "a failed start-up ended with exit code 0"
}
