#!/usr/bin/env bash
# Builds a Vantor release from this tree in one go:
#   tools/make-release.sh VERSION --key MAKER.pub --sign MAKER.key --url BASE_URL [--out DIR]
#   tools/make-release.sh VERSION --demo [--url BASE_URL] [--out DIR]
# It writes, below DIR (default dist/):
#   Vantor-VERSION-linux-x86_64.tar.gz   the archive users extract and run ./Setup from
#   update/                             the update server's release folder: Program/Setup.Z
#                                       (Setup first, the release after it) and its signed
#                                       manifest VersionControl.txt for BASE_URL
# The programs trust only the key of MAKER.pub (a minisign public key file). The demo
# key pair, whose secret lies in this repository, is refused unless --demo is given.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
[ $# -ge 1 ] || usage
VERSION=$1
shift
[[ $VERSION =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "make-release: VERSION must be a.b.c.d" >&2; exit 2; }
KEY="" SECRET="" URL="http://127.0.0.1:8470/Updates/Vantorix/0/" OUT=dist DEMO=no
while [ $# -gt 0 ]; do
  case "$1" in
    --key) KEY=$2; shift 2 ;;
    --sign) SECRET=$2; shift 2 ;;
    --url) URL=$2; shift 2 ;;
    --out) OUT=$2; shift 2 ;;
    --demo) DEMO=yes; shift ;;
    --allow-unsigned* | *ALLOW_UNSIGNED_UPDATES*)
      echo "make-release: a release never reads unsigned update manifests; it trusts the key of --key alone" >&2
      exit 2 ;;
    *) usage ;;
  esac
done
DEMO_KEY_LINE=$(sed -n 2p demo/update-key/demo.pub)
if [ "$DEMO" = yes ]; then
  KEY=${KEY:-demo/update-key/demo.pub}
  SECRET=${SECRET:-demo/update-key/demo.key}
fi
[ -n "$KEY" ] && [ -n "$SECRET" ] || { echo "make-release: name the maker's key pair (--key, --sign) or ask for --demo" >&2; exit 2; }
KEY_LINE=$(sed -n 2p "$KEY")
if [ "$KEY_LINE" = "$DEMO_KEY_LINE" ] && [ "$DEMO" != yes ]; then
  echo "make-release: $KEY is the demo key, whose secret is public; a release needs the maker's own key" >&2
  exit 1
fi

bash tools/setup.sh --maker
BUILD=build-release
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTOR_BUILD_TESTS=OFF \
  -DVANTOR_VERSION="$VERSION" -DVANTOR_UPDATE_PUBLIC_KEYS="$KEY_LINE" -DVANTOR_ALLOW_UNSIGNED_UPDATES=OFF >/dev/null
ninja -C "$BUILD"
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)

# The archive.
(cd "$BUILD" && cpack -G TGZ -B "$OUT" >/dev/null)
rm -rf "$OUT/_CPack_Packages"
ARCHIVE="$OUT/Vantor-$VERSION-linux-x86_64.tar.gz"
[ -f "$ARCHIVE" ] || { echo "make-release: cpack wrote no $ARCHIVE" >&2; exit 1; }

# The update server's folder: the same release as one package, Setup first.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
tar -xzf "$ARCHIVE" -C "$WORK"
TREE="$WORK/Vantor-$VERSION-linux-x86_64"
UPDATE="$OUT/update"
rm -rf "$UPDATE"
mkdir -p "$UPDATE/Program"
(cd "$TREE" && ls -A | grep -vx Setup) >"$WORK/rest"
mapfile -t REST <"$WORK/rest"
"$BUILD/tools/vantor-pack" create "$UPDATE/Program/Setup.Z" --root "$TREE" "$TREE/Setup" "${REST[@]/#/$TREE/}"
"$BUILD/tools/vantor-publish" "$UPDATE" --url "$URL" --sign "$SECRET"
echo "Release $VERSION:"
echo "  $ARCHIVE"
echo "  $UPDATE (serve it at $URL)"
