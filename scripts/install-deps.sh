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
  # the environment tests: tracing the files and sockets the drill opens, and
  # the Japanese and decimal-comma locales it is run in
  strace locales
)

# The locales the environment tests run the drill in, besides C.
locales=(ja_JP.UTF-8 de_DE.UTF-8)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi
if [ ${#missing[@]} -ne 0 ]; then
  echo "installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Generates the locales that are not there yet (locale -a spells them
# "ja_JP.utf8"). A machine that cannot generate them still builds; the tests
# that need them say so and skip.
missing_locales=()
for l in "${locales[@]}"; do
  if ! locale -a 2>/dev/null | grep -qix "${l%%.*}.utf8"; then
    missing_locales+=("$l")
  fi
done
if [ ${#missing_locales[@]} -ne 0 ]; then
  echo "generating locales: ${missing_locales[*]}"
  for l in "${missing_locales[@]}"; do
    if grep -q "^# *$l UTF-8" /etc/locale.gen; then
      $sudo sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
    elif ! grep -q "^$l UTF-8" /etc/locale.gen; then
      echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    fi
  done
  $sudo locale-gen || echo "could not generate ${missing_locales[*]}; their tests will skip"
fi
