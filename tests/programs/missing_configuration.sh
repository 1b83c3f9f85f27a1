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

expect_one_fatal_box_then_exit
echo "ok: one box, no main window, ended with exit code $EXIT_CODE"
