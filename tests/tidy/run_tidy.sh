#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over every translation unit
# of src/ and engines/ in the build's compile database. Fails on any finding.
# Usage: run_tidy.sh <source dir> <build dir>
set -euo pipefail
source_dir=$1
build_dir=$2
database="$build_dir/compile_commands.json"
[ -f "$database" ] || { echo "no compile database at $database" >&2; exit 1; }

# The files come from the database, so that only what is built is checked.
mapfile -t files < <(grep -o '"file": *"[^"]*"' "$database" | sed -E 's/"file": *"([^"]*)"/\1/' |
  grep -E "^$source_dir/(src|engines)/.*\.cpp$" | sort -u)
[ ${#files[@]} -gt 0 ] || { echo "no sources of src/ or engines/ in $database" >&2; exit 1; }

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# gcc-only options in the database are none of clang's business.
printf '%s\0' "${files[@]}" |
  xargs -0 -n 4 -P "$(nproc)" clang-tidy -p "$build_dir" --quiet \
    --extra-arg=-Wno-unknown-warning-option --extra-arg=-Wno-unused-command-line-argument >"$log" 2>&1 || true

# A finding in a header shows once per file that includes it.
findings=$(grep -E '^[^ ].*:[0-9]+:[0-9]+: (warning|error):' "$log" | sort -u || true)
if [ -n "$findings" ]; then
  echo "$findings"
  echo "clang-tidy: $(echo "$findings" | wc -l) findings in ${#files[@]} files" >&2
  exit 1
fi
if grep -qE 'error: |Error while processing' "$log"; then
  cat "$log"
  exit 1
fi
echo "clang-tidy: ${#files[@]} files, no findings"
