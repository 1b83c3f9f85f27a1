#!/usr/bin/env bash
# Vantor on a copy of the demo installation starts and shows its main window
# without any message box; with the catalogue databases removed it shows one
# fatal box instead, never a main window, and ends once it is answered.
# Usage: demo_installation.sh DEMO_INSTALLATION_FOLDER
source "$(dirname "$0")/xvfb_session.sh"

install_copy() {
  rm -rf "$WORK/install"
  cp -r "$1" "$WORK/install"
  # The copy's settings point at the copy's own catalogues.
  sed -i "s#^sPath=.*#sPath=$WORK/install/Catalogues#" "$WORK/install/Vantor.ini"
}
mkdir -p "$WORK/tmp"

# 1. The complete demo installation starts.
install_copy "$1"
TMPDIR="$WORK/tmp" "$WORK/install/Vantor" 2>"$WORK/stderr" &
PROGRAM_PID=$!
# The title carries the engine's branding and the selected catalogue.
main=$(wait_for_window "$PROGRAM_PID" 30 ".* - [0-9]+\.[0-9]+\.[0-9]+  \[.* : ITALY\]") || fail "the main window did not appear"
windows=$(visible_windows "$PROGRAM_PID")
[ "$windows" = "$main" ] || fail "other windows are visible besides the main window: $windows"
kill "$PROGRAM_PID"
wait_for_exit "$PROGRAM_PID" 20 || fail "Vantor did not end"
PROGRAM_PID=""
# The start-up work runs on a second thread; Qt must still see the main one as its own.
! grep -q "not created in the main() thread" "$WORK/stderr" || fail "Qt took the start-up thread for the main thread"

# 2. Without any catalogue database the start-up fails with one box.
install_copy "$1"
find "$WORK/install/Catalogues" -name '*.vt4' -delete
TMPDIR="$WORK/tmp" "$WORK/install/Vantor" &
PROGRAM_PID=$!
expect_one_fatal_box_then_exit
echo "ok: the demo installation starts; without catalogues it ends after one box"
