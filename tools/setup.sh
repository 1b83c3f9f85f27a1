#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
# Usage: setup.sh [--tests | --maker]
# Each issue that brings a dependency adds it to one of the lists below.
set -euo pipefail

# Needed to build and run the programs.
BUILD_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools
  libpugixml-dev zlib1g-dev
  libsqlcipher-dev libssl-dev
  libcurl4-openssl-dev libcpp-httplib-dev
  libsodium-dev libfontconfig-dev
)

# Needed only by the tests, the fuzz targets and the benchmarks.
TEST_PACKAGES=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils xauth libx11-dev openbox
  clang libclang-rt-dev gcc-multilib clang-format
  fonts-dejavu-core
  curl openssl time
  desktop-file-utils appstream poppler-utils
)

# The maker's tools: signing update manifests (also needed by the tests).
MAKER_PACKAGES=(
  minisign
)

want=("${BUILD_PACKAGES[@]}")
case "${1:-}" in
  --tests) want+=("${TEST_PACKAGES[@]}" "${MAKER_PACKAGES[@]}") ;;
  --maker) want+=("${MAKER_PACKAGES[@]}") ;;
esac

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
