#!/usr/bin/env bash
# Publishes a newer release of the demo installation's data and serves it on
# loopback, so that the demo installation (build-demo/bin, see run-demo.sh)
# finds it at its next start:
#   tools/demo-update.sh          # leave it running, then in a second terminal:
#   tools/run-demo.sh             # answer Yes, watch the download and the updater
# The release holds catalogue 380 and its pricelist dated today (packaged as
# ".Z"), and a devices database dated today (a plain file), in a manifest
# signed with the demo key (demo/update-key/, for the demo only). The script
# turns on the automatic update check of the demo installation.
set -euo pipefail
cd "$(dirname "$0")/.."
PORT="${VANTOR_DEMO_UPDATE_PORT:-8470}"
BUILD=build-demo
bash tools/setup.sh --maker
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_BUILD_TESTS=OFF \
  -DVANTOR_UPDATE_PUBLIC_KEYS="$(sed -n 2p demo/update-key/demo.pub)" >/dev/null
ninja -C "$BUILD" Vantor Updater Engine demo_installation vantor-catalogue vantor-pack vantor-publish vantor-serve

TOOLS="$BUILD/tools"
SERVER_ROOT="$BUILD/update-server"
RELEASE="$SERVER_ROOT/Updates/Vantorix/0"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
TODAY="$(date +%Y%m%d)"

rm -rf "$SERVER_ROOT"
mkdir -p "$RELEASE/Data" "$RELEASE/Catalogues/380"

# Catalogue 380 and its pricelist, dated today.
cp -r demo/catalogues/380 "$WORK/source"
sed -i -e "s/^Version=.*/Version=$TODAY/" -e "s/^Validity=.*/Validity=$TODAY/" "$WORK/source/catalogue.ini"
"$TOOLS/vantor-catalogue" --source "$WORK/source" --output "$WORK/out" --force
"$TOOLS/vantor-pack" create "$RELEASE/Catalogues/380/Catalogue.Z" --root "$WORK/out/380" "$WORK/out/380/Catalogue.vt4"
"$TOOLS/vantor-pack" create "$RELEASE/Catalogues/380/Pricelist.Z" --root "$WORK/out/380" "$WORK/out/380/Pricelist.vt4"

# The devices database, dated today.
"$TOOLS/vantor-catalogue" --engine-database Devices.vt4 --version "$TODAY" --output "$RELEASE/Data/Devices.vt4" --force

"$TOOLS/vantor-publish" "$RELEASE" --url "http://127.0.0.1:$PORT/Updates/Vantorix/0/" \
  --sign demo/update-key/demo.key
echo "--- $RELEASE/VersionControl.txt"
cat "$RELEASE/VersionControl.txt"
echo "---"

# The demo installation asks this server at its next start.
INI="$BUILD/bin/Vantor.ini"
sed -i -e "s/^bAutoCheck=.*/bAutoCheck=1/" "$INI"
if grep -q '^sServer=' "$INI"; then
  sed -i -e "s/^sServer=.*/sServer=127.0.0.1:$PORT/" "$INI"
else
  sed -i -e "s/^\[Updates\]/[Updates]\nsServer=127.0.0.1:$PORT/" "$INI"
fi

echo "Start the demo now in another terminal: tools/run-demo.sh (Ctrl+C here stops the server)"
exec "$TOOLS/vantor-serve" "$SERVER_ROOT" --port "$PORT"
