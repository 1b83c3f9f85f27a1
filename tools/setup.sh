#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
# Usage: setup.sh [--tests | --maker]
# Each issue that brings a dependency adds it to one of the lists below.
#
# The base system these lists build on: Debian 12 with the packages of
# priority required, important and standard (a default installation without
# a desktop), plus git to fetch the sources and, when not run as root, sudo.
set -euo pipefail

# Needed to build and run the programs.
BUILD_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools
  libpugixml-dev zlib1g-dev
  libsqlcipher-dev libssl-dev
  libcurl4-openssl-dev libcpp-httplib-dev
  libsodium-dev libfontconfig-dev
  libxlsxwriter-dev
)

# Needed only by the tests, the fuzz targets and the benchmarks.
TEST_PACKAGES=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool x11-utils x11-apps xauth libx11-dev openbox
  clang libclang-rt-dev gcc-multilib clang-format clang-tidy
  fonts-dejavu-core
  curl openssl time
  desktop-file-utils appstream poppler-utils
  python3 python3-openpyxl
)

# The maker's tools: signing update manifests (also needed by the tests).
MAKER_PACKAGES=(
  minisign
)

# Every program outside the base system that a test, benchmark or script
# runs. The setup_packages test checks that each comes from a package of the
# lists above (or one they depend on): a new machine has nothing else.
USED_PROGRAMS=(
  cmake ctest cpack ninja pkg-config cc clang clang++ clang-format clang-tidy readelf
  Xvfb xdotool xwd xprop xwininfo openbox
  openssl /usr/bin/time minisign
  pdftotext pdfinfo desktop-file-validate appstreamcli
  /usr/lib/qt6/bin/lrelease /usr/lib/qt6/bin/lupdate
  /usr/bin/python3
)

setup_main() {
  local want=("${BUILD_PACKAGES[@]}")
  case "${1:-}" in
    --tests) want+=("${TEST_PACKAGES[@]}" "${MAKER_PACKAGES[@]}") ;;
    --maker) want+=("${MAKER_PACKAGES[@]}") ;;
  esac

  local missing=() p
  for p in "${want[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done

  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# Sourced (by the package check), it only defines the lists.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  setup_main "$@"
fi
