#!/usr/bin/env bash
# Sets up, builds, and starts Vantor on the demo installation in build-demo/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
# The demo trusts the demo update key, so it runs the signed update channel.
cmake -S . -B build-demo -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_BUILD_TESTS=OFF \
  -DVANTOR_UPDATE_PUBLIC_KEYS="$(sed -n 2p demo/update-key/demo.pub)" >/dev/null
ninja -C build-demo Vantor Updater Engine demo_installation
exec build-demo/bin/Vantor "$@"
