#!/usr/bin/env bash
# Vantor started in a folder without a configuration file shows one fatal
# box titled "Vantorix", never a main window, and ends once it is answered
# with a real key press.
# Usage: missing_configuration.sh PATH_TO_VANTOR
source "$(dirname "$0")/xvfb_session.sh"

mkdir -p "$WORK/install" "$WORK/tmp"
cp "$1" "$WORK/install/Vantor"

TMPDIR="$WORK/tmp" XDG_RUNTIME_DIR= "$WORK/install/Vantor" &
PROGRAM_PID=$!

box=$(wait_for_window "$PROGRAM_PID" 30 "Vantorix") || fail "no box titled Vantorix appeared"
windows=$(visible_windows "$PROGRAM_PID")
[ "$windows" = "$box" ] || fail "other windows are visible besides the box: $windows"

xdotool windowfocus --sync "$box"
xdotool key Return

wait_for_exit "$PROGRAM_PID" 20 || fail "Vantor did not end after the box was answered"
PROGRAM_PID=""
[ "$EXIT_CODE" -ne 0 ] || fail "a failed start-up ended with exit code 0"
echo "ok: one box, no main window, ended with exit code $EXIT_CODE"
