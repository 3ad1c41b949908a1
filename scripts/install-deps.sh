#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test, benchmark,
# fuzz, package and run the drill. Idempotent: it asks apt only for what is
# missing and refreshes the package lists only when something is.
set -euo pipefail

packages=(
  # build
  g++ make cmake ninja-build pkg-config clang-format
  # the toolkit and its platform plugins (xcb, offscreen)
  qt6-base-dev qt6-qpa-plugins libgl-dev
  # the toolkit's platform layer, through which the tests switch accessibility on
  qt6-base-private-dev
  # the Japanese gothic faces the window asks for
  fonts-ipafont-gothic
  # a display for running and screenshotting the window without a desktop
  xvfb xauth imagemagick
  # benchmarks, sanitizers and the fuzzer
  libbenchmark-dev clang libclang-rt-14-dev valgrind
  # the .deb package and its checks; finding the window on a virtual display
  dpkg-dev file desktop-file-utils appstream x11-utils
  # regenerating the icon's images from their sources (scripts/make-icons.sh)
  librsvg2-bin python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi
echo "installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
