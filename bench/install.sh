#!/usr/bin/env bash
# A fresh install and an upgrade of the demo release with the real Setup,
# against the reference: "tar -xzf" of the same archive plus "cp -a" of its
# tree into the installation folder (the goal: at most 1.5 times its time).
# Best of REPETITIONS runs each, with the peak memory of each process.
# Usage: bench/install.sh [BUILD_DIR] [REPETITIONS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
reps=${2:-5}
[ -x "$build/bin/VantorSetup" ] || { echo "missing $build/bin/VantorSetup: build first (ninja -C $build)" >&2; exit 2; }
command -v /usr/bin/time >/dev/null || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/Vantor-demo" >/dev/null
tar -czf "$work/release.tar.gz" -C "$work" Vantor-demo
size=$(du -sh "$work/Vantor-demo" | cut -f1)

# Prints "seconds kilobytes" of the command, run with a home folder of its own.
measure() {
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>&1
  cat "$work/time"
}
best() { sort -n | head -1; }

for _ in $(seq 1 "$reps"); do
  rm -rf "$work/home" "$work/ref" && mkdir -p "$work/home" "$work/ref"
  measure sh -c "tar -xzf '$work/release.tar.gz' -C '$work/ref' && cp -a '$work/ref/Vantor-demo' '$work/ref/installed'" >>"$work/reference"
  tar -xzf "$work/release.tar.gz" -C "$work/home"
  HOME=$work/home XDG_DATA_HOME= XDG_CONFIG_HOME= measure "$work/home/Vantor-demo/Setup" --quiet >>"$work/fresh"
  HOME=$work/home XDG_DATA_HOME= XDG_CONFIG_HOME= measure "$work/home/Vantor-demo/Setup" --quiet >>"$work/upgrade"
done
reference=$(best <"$work/reference")
fresh=$(best <"$work/fresh")
upgrade=$(best <"$work/upgrade")
# The install is extraction plus Setup, as a user does it.
extract=$( (for _ in 1 2 3; do measure tar -xzf "$work/release.tar.gz" -C "$work/ref"; done) | best)
echo "demo release: $size unpacked, best of $reps runs"
echo "  reference: tar -xzf + cp -a       ${reference% *} s  (peak ${reference#* } KB)"
echo "  tar -xzf alone                    ${extract% *} s"
echo "  fresh install: Setup --quiet      ${fresh% *} s  (peak ${fresh#* } KB)"
echo "  upgrade: Setup --quiet again      ${upgrade% *} s  (peak ${upgrade#* } KB)"
awk -v r="${reference% *}" -v e="${extract% *}" -v f="${fresh% *}" -v u="${upgrade% *}" 'BEGIN {
  printf "  ratio (tar + Setup)/reference: fresh %.2f, upgrade %.2f (goal <= 1.5)\n", (e + f) / r, (e + u) / r }'
