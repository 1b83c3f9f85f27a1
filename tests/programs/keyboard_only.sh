#!/usr/bin/env bash
# Vantor on a copy of the demo installation, used with key presses only:
# a selector opens from the welcome screen and Escape brings the welcome
# screen back; the setup dialog opens, its language changes and Return
# confirms it; the about dialog opens and Escape closes it.
# Usage: keyboard_only.sh DEMO_INSTALLATION_FOLDER
source "$(dirname "$0")/xvfb_session.sh"

cp -r "$1" "$WORK/install"
sed -i "s#^sPath=.*#sPath=$WORK/install/Catalogues#" "$WORK/install/Vantor.ini"
mkdir -p "$WORK/tmp"
TMPDIR="$WORK/tmp" "$WORK/install/Vantor" 2>"$WORK/vantor.log" &
PROGRAM_PID=$!
main=$(wait_for_window "$PROGRAM_PID" 30 ".* - [0-9]+\.[0-9]+\.[0-9]+  \[.* : ITALY\]") || fail "the main window did not appear"
xdotool windowfocus --sync "$main"
sleep 0.5

key() { xdotool key --delay 150 "$@"; sleep 0.4; }
picture() { xwd -id "$main" -silent | md5sum; }
# Waits up to $2 seconds for a second window of the program titled $1.
dialog() { wait_for_window "$PROGRAM_PID" "$2" "$1"; }
# True once no visible window of the program is titled exactly $1 (within 5 s).
gone() {
  local w shown
  for _ in $(seq 1 50); do
    shown=""
    for w in $(visible_windows "$PROGRAM_PID"); do
      [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && shown=1
    done
    [ -z "$shown" ] && return 0
    sleep 0.1
  done
  return 1
}

# 1. The base selector: Tab reaches it, Return opens the engine's screens;
#    Escape brings the welcome screen back.
key Tab
welcome=$(picture)
key Return
[ "$(picture)" != "$welcome" ] || fail "Return on the first entry did not open the selector"
selector=$(picture)
key Escape
[ "$(picture)" != "$selector" ] || fail "Escape did not leave the selector"

# 2. Setup: two entries further on; in the dialog the page list has the
#    focus, two Tabs reach the language list, Down picks the next language,
#    Return confirms.
key Tab Tab Return
setup=$(dialog "Setup" 10) || fail "the setup dialog did not open"
# The dialog takes the focus itself as it opens; keys go there.
sleep 0.5
before=$(grep '^iLangId=' "$WORK/install/Vantor.ini")
key Tab Tab Down Return
gone "Setup" || fail "Return did not close the setup dialog"
after=$(grep '^iLangId=' "$WORK/install/Vantor.ini")
[ "$after" != "$before" ] || fail "the language did not change ($before)"
echo "language: $before -> $after"

# 3. About: the next entry; Escape closes it.
key Tab Return
about=$(wait_for_window "$PROGRAM_PID" 10 "[^\[]+") || fail "the about dialog did not open"
title=$(xdotool getwindowname "$about")
sleep 0.5
key Escape
gone "$title" || fail "Escape did not close the about dialog"
kill -0 "$PROGRAM_PID" || fail "Vantor ended"

kill "$PROGRAM_PID"
wait_for_exit "$PROGRAM_PID" 20 || fail "Vantor did not end"
PROGRAM_PID=""
echo "ok: selector, setup and about used with the keyboard only"
