#!/usr/bin/env bash
# A slow update server no longer holds the window: the demo installation
# checks for updates against a server that trickles the manifest; 2 s after
# the main window shows, a close request arrives (the updater's quit request,
# or the window's close button through the window manager), and the program
# must have ended within 3 s, without waiting for the manifest.
# Usage: slow_update_server.sh DEMO_INSTALLATION_FOLDER TOOLS_DIR REQUEST_QUIT quit|close
source "$(dirname "$0")/xvfb_session.sh"
source "$(dirname "$0")/update_session.sh"
BIN=$1
TOOLS=$2
REQUEST_QUIT=$3
MODE=$4
INST="$WORK/install"
FAIL_DETAILS=print_session
trap 'rc=$?; [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null; (exit $rc); cleanup' EXIT

if [ "$MODE" = close ]; then
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  WM_PID=$!
  for _ in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
fi

# A manifest of 8 KiB at 64 bytes a second: two minutes, far past every limit.
mkdir -p "$WORK/server/Updates/Vantorix/0"
{ echo "[MAIN]"; for i in $(seq 1 400); do echo "; padding line $i"; done; } >"$WORK/server/Updates/Vantorix/0/VersionControl.txt"
"$TOOLS/vantor-serve" "$WORK/server" --port 0 --port-file "$WORK/port" --rate 64 2>"$WORK/server.log" &
SERVER_PID=$!
for _ in $(seq 1 100); do [ -s "$WORK/port" ] && break; sleep 0.1; done
PORT=$(cat "$WORK/port") || fail "the update server did not start"

cp -r "$BIN" "$INST"
sed -i -e "s#^sPath=.*#sPath=$INST/Catalogues#" -e "s#^bAutoCheck=.*#bAutoCheck=1\nsServer=127.0.0.1:$PORT#" "$INST/Vantor.ini"
grep -q "^sServer=127.0.0.1:$PORT" "$INST/Vantor.ini" || fail "the settings do not name the slow server"

"$INST/Vantor" 2>"$WORK/vantor.log" &
PROGRAM_PID=$!
main=$(wait_for_window "$PROGRAM_PID" 30 ".* - [0-9]+\.[0-9]+\.[0-9]+  \[.* : ITALY\]") || fail "the main window did not appear"
if [ "$MODE" = close ]; then
  # The window manager has taken the window in (its frame is drawn) before its close button can work.
  for _ in $(seq 1 50); do xprop -id "$main" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' && break; sleep 0.1; done
fi
sleep 2
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "Vantor ended before the close request"
start=$(date +%s%N)
if [ "$MODE" = quit ]; then
  asked=$("$REQUEST_QUIT"); [ "$asked" = 1 ] || fail "the quit request reached $asked windows"
else
  xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
fi
wait_for_exit "$PROGRAM_PID" 10 || fail "Vantor still runs 10 s after the close request"
elapsed=$((($(date +%s%N) - start) / 1000000))
PROGRAM_PID=""
[ "$elapsed" -le 3000 ] || fail "Vantor took $elapsed ms to end after the close request"
[ "$EXIT_CODE" -eq 0 ] || fail "Vantor ended with exit code $EXIT_CODE"
echo "ok: with the manifest trickling in, Vantor ended $elapsed ms after the $MODE request"
