#!/usr/bin/env bash
# Time from process start to the main window shown, for Vantor on the demo
# installation against a minimal Qt Widgets program showing one line of text
# in a window (the reference: it pays for the font system too) and one showing
# an empty window, all under the same Xvfb display in one run.
# Usage: bench/startup.sh [BUILD_DIR] [REPETITIONS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
reps=${2:-15}
timer="$build/bench/vantor_map_timer"
minimal="$build/bench/vantor_minimal_window"
vantor="$build/bin/Vantor"
for f in "$timer" "$minimal" "$vantor"; do
  [ -x "$f" ] || { echo "missing $f: build first (ninja -C $build)" >&2; exit 2; }
done

work=$(mktemp -d)
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
read -r -t 10 display <&3
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb TMPDIR="$work"

median() { sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.1f", m}'; }

# One warm-up run each, so that both start from a warm file cache.
"$timer" "$minimal" >/dev/null
"$timer" "$vantor" >/dev/null
for _ in $(seq 1 "$reps"); do
  "$timer" "$minimal" >>"$work/minimal"
  "$timer" "$minimal" --text >>"$work/text"
  "$timer" "$vantor" >>"$work/vantor"
done
m=$(median <"$work/minimal")
t=$(median <"$work/text")
v=$(median <"$work/vantor")
echo "minimal Qt window with one line of text (reference): median ${t} ms over $reps runs"
echo "minimal Qt window, empty: median ${m} ms"
echo "Vantor on the demo installation: median ${v} ms"
awk -v v="$v" -v m="$m" -v t="$t" 'BEGIN {printf "ratio to the reference: %.2f (goal: at most 1.25); to the empty window: %.2f\n", v / t, v / m}'
