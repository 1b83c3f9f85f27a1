#!/usr/bin/env bash
# Each probe includes a header its library does not link; each must fail to
# compile, for that header. Usage: probes.sh BUILD_DIR TARGET:HEADER...
set -uo pipefail
build=$1
shift
failures=0
for probe in "$@"; do
  target=${probe%%:*}
  header=${probe#*:}
  if output=$(cmake --build "$build" --target "$target" 2>&1); then
    echo "FAIL: $target compiled, although it includes $header" >&2
    failures=$((failures + 1))
  elif ! grep -q "$header: No such file or directory" <<<"$output"; then
    echo "FAIL: $target failed, but not for $header:" >&2
    tail -20 <<<"$output" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "ok: every probe fails on the header its library does not link"
