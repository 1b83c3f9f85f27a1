#!/usr/bin/env bash
# Configuring with a mistyped update key, or with keys and the unsigned
# channel at once, stops CMake with an error: such a build is never made.
# Usage: update_keys_configure.sh SOURCE_DIR
set -euo pipefail
src=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
key=$(sed -n 2p "$src/demo/update-key/demo.pub")
# One character changed: still base64 of the right length, but no longer "Ed".
mistyped="RWU${key:3}"

configure() { # name, cmake options...
  local name=$1
  shift
  if cmake -S "$src" -B "$work/$name" -G Ninja -DVANTOR_BUILD_TESTS=OFF "$@" >"$work/$name.log" 2>&1; then
    echo "FAIL: configuring with $name succeeded" >&2
    exit 1
  fi
}
configure mistyped "-DVANTOR_UPDATE_PUBLIC_KEYS=$key;$mistyped"
# CMake wraps its messages: compare them as one line.
said() { tr -s ' \n' '  ' <"$work/$1.log" | grep -q "$2"; }
said mistyped "\"$mistyped\" does not decode as a minisign Ed25519 public key" || {
  echo "FAIL: the mistyped key was not named:" >&2
  tail -20 "$work/mistyped.log" >&2
  exit 1
}
configure both "-DVANTOR_UPDATE_PUBLIC_KEYS=$key" -DVANTOR_ALLOW_UNSIGNED_UPDATES=ON
said both "or runs the unsigned channel, never both" || { tail -20 "$work/both.log" >&2; exit 1; }
echo "ok: a mistyped key and keys with the unsigned channel both stop the configuration"
