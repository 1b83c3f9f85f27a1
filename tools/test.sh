#!/usr/bin/env bash
# Sets up, builds and runs every test: the suite in a normal build, the suite
# again under AddressSanitizer and UBSan, and a short run of every fuzz target.
# FUZZ_SECONDS sets the length of each fuzz run (default 15).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh --tests

JOBS=$(nproc)
# Every build trusts the demo update key, so the whole-program tests run the
# signed update channel.
DEMO_KEY=$(sed -n 2p demo/update-key/demo.pub)
FUZZ_SECONDS=${FUZZ_SECONDS:-15}
summary=()
total_passed=0
total_failed=0

run_suite() { # name build_dir [cmake options...]
  local name=$1 dir=$2
  shift 2
  echo "=== $name: configure and build ($dir)"
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  ninja -C "$dir"
  echo "=== $name: tests"
  local log="$dir/ctest.log" rc=0
  ctest --test-dir "$dir" -j"$JOBS" --output-on-failure 2>&1 | tee "$log" || rc=$?
  local line passed failed all
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1 || true)
  if [ -z "$line" ]; then
    echo "ctest printed no result for $name" >&2
    total_failed=$((total_failed + 1))
    return
  fi
  failed=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/')
  all=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/')
  passed=$((all - failed))
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  [ "$rc" -eq 0 ] || [ "$failed" -gt 0 ] || total_failed=$((total_failed + 1))
  summary+=("$name: $passed passed, $failed failed")
}

run_suite "normal build" build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_UPDATE_PUBLIC_KEYS="$DEMO_KEY"
# Leak reports from the system's graphics libraries are not ours to fix.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_suite "sanitizers" build-asan -DCMAKE_BUILD_TYPE=Debug -DVANTOR_SANITIZE=ON -DVANTOR_WERROR=ON -DVANTOR_UPDATE_PUBLIC_KEYS="$DEMO_KEY"

echo "=== fuzz targets: build with clang and run ${FUZZ_SECONDS}s each"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTOR_FUZZ=ON -DVANTOR_UPDATE_PUBLIC_KEYS="$DEMO_KEY" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
targets=$(cd tests/fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
ninja -C build-fuzz $targets
for t in $targets; do
  corpus=$(mktemp -d)
  cp -r "tests/fuzz/corpus/$t/." "$corpus/"
  if build-fuzz/tests/fuzz/"$t" -max_total_time="$FUZZ_SECONDS" -max_len=65536 -timeout=10 \
      -artifact_prefix="build-fuzz/$t-" "$corpus" >"build-fuzz/$t.log" 2>&1; then
    summary+=("fuzz $t: 1 passed, 0 failed ($(grep -Eo 'Done [0-9]+ runs' "build-fuzz/$t.log" || echo 'ran'))")
    total_passed=$((total_passed + 1))
  else
    tail -40 "build-fuzz/$t.log"
    summary+=("fuzz $t: 0 passed, 1 failed")
    total_failed=$((total_failed + 1))
  fi
  rm -rf "$corpus"
done

echo "=== summary"
printf '%s\n' "${summary[@]}"
echo "all: $total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
