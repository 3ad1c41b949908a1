#!/usr/bin/env bash
# Builds the Debian package and checks it end to end:
#  1. its files: the program in /usr/bin, the desktop entry, the AppStream
#     metainfo and the icon at every size of the hicolor theme;
#  2. desktop-file-validate and appstreamcli validate pass;
#  3. its Depends pull the Qt libraries and the Japanese gothic fonts;
#  4. apt-get installs it, the installed program starts on a virtual display
#     and shows its window with the entry's title, class and the icon, and
#     apt-get removes it again, leaving the machine as it was.
#   scripts/check-package.sh [BUILD_DIR]     (as root, or with sudo)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/virtual-display.sh
build_dir=${1:-build}
package=ohm-drill
icon_sizes=(16 32 48 64 128 256)
required_depends=(libqt6core6 libqt6gui6 libqt6widgets6 fonts-ipafont-gothic)

fail() {
    echo "check-package: FAILED: $*" >&2
    exit 1
}
step() { echo "check-package: $*"; }

if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
else
    sudo=
fi
apt_get() {
    # Waits for another apt or dpkg run to finish rather than failing on its lock.
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -q -o DPkg::Lock::Timeout=300 "$@"
}
is_installed() {
    local status
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) || true
    [[ $status == *" installed" ]]
}

work=$(mktemp -d)
installed_here=no
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    stop_virtual_display
    if [ "$installed_here" = yes ]; then
        apt_get remove --purge -y "$package" >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

make package BUILD_DIR="$build_dir"
debs=$(ls -t "$build_dir"/"$package"_*.deb 2>/dev/null) || true
deb=${debs%%$'\n'*}
[ -n "$deb" ] || fail "make package made no $package_*.deb in $build_dir"
deb=$(realpath "$deb")
step "checking $deb"

# 1. The files.
root=$work/root
dpkg-deb -x "$deb" "$root"
[ -x "$root/usr/bin/$package" ] || fail "no program /usr/bin/$package"
entries=("$root"/usr/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "not exactly one desktop entry"
entry=${entries[0]}
app_id=$(basename "$entry" .desktop)
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo $app_id.metainfo.xml"
for size in "${icon_sizes[@]}"; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] ||
        fail "the ${size}x${size} icon is $(identify -format '%wx%h' "$icon")"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
entry_value() { sed -n "/^$1=/{s///p;q}" "$entry"; }
[ "$(entry_value Icon)" = "$app_id" ] || fail "the entry's Icon is not $app_id"
[ "$(entry_value Exec)" = "$package" ] || fail "the entry's Exec is not $package"

# 2. The validators.
desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"

# 3. The dependencies.
depends=$(dpkg-deb -f "$deb" Depends)
step "Depends: $depends"
for name in "${required_depends[@]}"; do
    [[ ", $depends," =~ ,\ $name[\ ,] ]] || fail "Depends lacks $name"
done

# 4. Install, start, remove.
if is_installed; then
    fail "$package is installed already; remove it before this check"
fi
installed_here=yes
apt_get install -y --no-install-recommends "$deb"
is_installed || fail "apt-get did not install $package"
[ "$(command -v "$package")" = "/usr/bin/$package" ] || fail "$package is not /usr/bin/$package"

start_virtual_display
"/usr/bin/$package" 2>"$work/program.log" &
program_pid=$!
window=$(wait_for_window "$(entry_value StartupWMClass)" 30) ||
    fail "the installed program showed no window: $(cat "$work/program.log")"
title=$(xprop -id "$window" _NET_WM_NAME | sed -n 's/^[^"]*"\(.*\)"$/\1/p')
[ "$title" = "$(entry_value Name)" ] || fail "the window's title is '$title'"
icons=$(xprop -id "$window" _NET_WM_ICON)
[[ $icons == *"Icon (32 x 32)"* ]] || fail "the window has no icon"
sleep 2
kill -0 "$program_pid" 2>/dev/null || fail "the installed program ended by itself"
step "the installed program shows its window '$title'"
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=
stop_virtual_display

apt_get remove --purge -y "$package"
installed_here=no
! is_installed || fail "apt-get did not remove $package"
[ ! -e "/usr/bin/$package" ] || fail "/usr/bin/$package is left behind"
step "passed"
