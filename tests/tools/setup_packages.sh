#!/usr/bin/env bash
# Checks that every program in USED_PROGRAMS of a setup script comes from the
# base system (packages of priority required, important or standard) or from
# a package of its lists, or one those depend on. A new machine has nothing
# else, so a program from anywhere else would fail there only.
# Usage: setup_packages.sh [SETUP_SCRIPT]   (default: tools/setup.sh)
set -euo pipefail
setup=${1:-"$(dirname "$0")/../../tools/setup.sh"}
# shellcheck source=/dev/null
source "$setup"

# The listed packages and everything they depend on, as installed.
declare -A depends_of=() provided=()
while IFS=$'\t' read -r name depends; do
  depends_of[$name]=$depends
done < <(dpkg-query -W -f='${Package}\t${Depends}, ${Pre-Depends}\n')
queue=("${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${MAKER_PACKAGES[@]}")
while [ ${#queue[@]} -gt 0 ]; do
  pkg=${queue[-1]}
  unset 'queue[-1]'
  [ -n "${provided[$pkg]:-}" ] && continue
  provided[$pkg]=1
  # "a (>= 1), b:any | c" gives a, b and c; an alternative counts when installed.
  for dep in $(tr ',|' '\n\n' <<<"${depends_of[$pkg]:-}" | sed -E 's/\(.*\)//; s/:[a-z0-9]+//; s/[[:space:]]//g'); do
    [ -z "${provided[$dep]:-}" ] && queue+=("$dep")
  done
done

failures=0
for program in "${USED_PROGRAMS[@]}"; do
  path=$(command -v "$program" 2>/dev/null || true)
  if [ -z "$path" ]; then
    echo "$program: not installed; add its package to a list of $setup" >&2
    failures=$((failures + 1))
    continue
  fi
  owner=""
  for candidate in "$(readlink -f "$path")" "$path"; do
    owner=$(dpkg -S "$candidate" 2>/dev/null | head -n 1 | cut -d: -f1) && [ -n "$owner" ] && break
  done
  if [ -z "$owner" ]; then
    echo "$program ($path): no Debian package provides it" >&2
    failures=$((failures + 1))
    continue
  fi
  priority=$(dpkg-query -W -f='${Priority}' "$owner" 2>/dev/null || true)
  case "$priority" in required | important | standard) continue ;; esac
  if [ -z "${provided[$owner]:-}" ]; then
    echo "$program: its package $owner is neither in the base system nor in a list of $setup" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] || exit 1
echo "ok: ${#USED_PROGRAMS[@]} programs, each from the base system or a listed package"
