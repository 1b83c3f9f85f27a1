#!/usr/bin/env bash
# The main window on a 1024x768 screen under a real window manager (openbox,
# so the window has a frame): at 96 dpi it has its designed client size; with
# Qt scaling at 125 % (120 dpi) it is 1146x758 device pixels reduced to the
# screen, frame included. Either way the whole framed window lies on the
# screen, centred on it.
# Usage: window_size.sh DEMO_INSTALLATION_FOLDER
XVFB_SCREEN=1024x768x24
source "$(dirname "$0")/xvfb_session.sh"

openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || { cat "$WORK/openbox.log" >&2; fail "openbox did not start"; }

cp -r "$1" "$WORK/install"
sed -i "s#^sPath=.*#sPath=$WORK/install/Catalogues#" "$WORK/install/Vantor.ini"
mkdir -p "$WORK/tmp"

# Prints "left top width height" of the framed window, in device pixels.
framed_geometry() {
  local w=$1 x y width height extents l r t b
  eval "$(xwininfo -id "$w" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}
                                   /^  Width/ {print "width=" $2} /^  Height/ {print "height=" $2}')"
  extents=$(xprop -id "$w" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  IFS=, read -r l r t b <<<"$extents"
  echo "$((x - l)) $((y - t)) $((width + l + r)) $((height + t + b)) $width $height"
}

check() { # font_dpi expected_outer_width expected_outer_height|- expected_client_width|- expected_client_height|-
  local dpi=$1 ow=$2 oh=$3 cw=$4 ch=$5 main left top width height cwidth cheight
  env ${dpi:+QT_FONT_DPI=$dpi} TMPDIR="$WORK/tmp" "$WORK/install/Vantor" &
  PROGRAM_PID=$!
  main=$(wait_for_window "$PROGRAM_PID" 30 ".* - [0-9]+\.[0-9]+\.[0-9]+  \[.* : ITALY\]") || fail "no main window (font dpi ${dpi:-96})"
  # The window is sized again once the window manager has framed it: wait
  # until its geometry has settled (the same over half a second).
  local previous="" current=""
  for _ in $(seq 1 50); do
    sleep 0.25
    current=$(framed_geometry "$main")
    [ "$current" = "$previous" ] && break
    previous=$current
  done
  read -r left top width height cwidth cheight <<<"$current"
  echo "font dpi ${dpi:-96}: framed window at $left,$top size ${width}x$height, client ${cwidth}x$cheight"
  [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ $((left + width)) -le 1024 ] && [ $((top + height)) -le 768 ] ||
    fail "the framed window leaves the screen (font dpi ${dpi:-96})"
  # Centred, allowing for rounding to logical pixels.
  [ $(( (1024 - width) / 2 - left )) -le 2 ] && [ $(( left - (1024 - width) / 2 )) -le 2 ] &&
    [ $(( (768 - height) / 2 - top )) -le 2 ] && [ $(( top - (768 - height) / 2 )) -le 2 ] ||
    fail "the framed window is not centred (font dpi ${dpi:-96})"
  [ "$ow" = - ] || [ $((width - ow)) -le 2 -a $((ow - width)) -le 2 ] || fail "framed width $width, expected $ow"
  [ "$oh" = - ] || [ $((height - oh)) -le 2 -a $((oh - height)) -le 2 ] || fail "framed height $height, expected $oh"
  [ "$cw" = - ] || [ "$cwidth" -eq "$cw" ] || fail "client width $cwidth, expected $cw"
  [ "$ch" = - ] || [ "$cheight" -eq "$ch" ] || fail "client height $cheight, expected $ch"
  kill "$PROGRAM_PID"
  wait_for_exit "$PROGRAM_PID" 20 || fail "Vantor did not end"
  PROGRAM_PID=""
}

# 96 dpi: the designed client area, 1020 wide.
check "" - - 1020 -
# 120 dpi: 1146 device pixels reduced to the screen's 1024, 758 high with the frame.
check 120 1024 758 - -
echo "ok: the framed main window lies on the screen, centred, at 96 and 120 dpi"
