#!/usr/bin/env bash
# The package check passes on tools/setup.sh and fails, naming the program,
# when a package that a used program needs is taken out of the lists.
set -euo pipefail
here=$(dirname "$0")
setup="$here/../../tools/setup.sh"
bash "$here/setup_packages.sh" "$setup"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed -E 's/ x11-apps( |$)/\1/' "$setup" >"$work/setup.sh"
! grep -qw x11-apps "$work/setup.sh" || { echo "FAIL: x11-apps is still listed in the copy" >&2; exit 1; }
if bash "$here/setup_packages.sh" "$work/setup.sh" 2>"$work/err"; then
  echo "FAIL: the check passed without x11-apps in the lists" >&2
  exit 1
fi
grep -q "^xwd: its package x11-apps is neither in the base system nor in a list" "$work/err" || {
  echo "FAIL: the check did not name xwd and x11-apps:" >&2
  cat "$work/err" >&2
  exit 1
}
echo "ok: a package taken out of the lists is found"
