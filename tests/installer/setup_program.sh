#!/usr/bin/env bash
# The real Setup launcher and installer: a wrong command line, libraries
# missing on the computer, and a quiet install and uninstall for a new user.
set -euo pipefail
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export HOME=$work/home XDG_DATA_HOME= XDG_CONFIG_HOME=
mkdir -p "$HOME"

rc=0; "$bin/Setup" --no-such-option 2>"$work/usage.txt" || rc=$?
[ "$rc" -eq 2 ] || fail "a wrong option ended with $rc, not 2"
grep -q "Usage: Setup" "$work/usage.txt" || fail "no usage line"

# A release whose program needs a library this computer lacks.
mkdir -p "$work/lib" "$work/release"
echo 'int absent(void) { return 0; }' >"$work/lib/absent.c"
echo 'int absent(void); int main(void) { return absent(); }' >"$work/main.c"
cc -shared -fPIC -Wl,-soname,libvantor-absent.so.1 -o "$work/lib/libvantor-absent.so.1" "$work/lib/absent.c"
cc -o "$work/release/Vantor" "$work/main.c" "$work/lib/libvantor-absent.so.1"
rm "$work/lib/libvantor-absent.so.1"
cp "$bin/Setup" "$work/release/Setup"
rc=0; "$work/release/Setup" --quiet 2>"$work/missing.txt" || rc=$?
[ "$rc" -eq 1 ] || fail "missing libraries ended with $rc, not 1"
grep -q "sudo apt-get install .*libvantor-absent.so.1" "$work/missing.txt" || fail "the missing library is not named: $(cat "$work/missing.txt")"
[ -z "$(ls -A "$HOME")" ] || fail "something was written although libraries are missing"

"$bin/Setup" --quiet >"$work/out.txt" 2>&1 || fail "quiet install failed: $(cat "$work/out.txt")"
installed=$HOME/.local/share/Vantor
[ -x "$installed/Vantor" ] || fail "no Vantor in $installed"
[ -f "$HOME/.local/share/applications/io.vantor.Vantor.desktop" ] || fail "no menu entry"
[ -f "$HOME/.config/Vantor/installation.ini" ] || fail "no record"
grep -q "^sPath=$installed/Catalogues" "$installed/Vantor.ini" || fail "settings do not name the installed catalogues"

"$installed/Setup" --quiet --uninstall >"$work/out.txt" 2>&1 || fail "uninstall failed: $(cat "$work/out.txt")"
left=$(cd "$HOME" && find . -type f | sort | grep -v '^./.local/share/Vantor/\(Vantor.ini\|Data/\|Catalogues/\)' || true)
[ -z "$left" ] || fail "left behind: $left"
echo "setup program: ok"
