#!/usr/bin/env bash
# Takes a screenshot of the drill's window showing its first question: starts
# the program on a virtual display, waits until its window shows and has
# stopped changing, and saves the window with ImageMagick's `import`.
#   scripts/screenshot.sh PROGRAM OUT.png
set -euo pipefail
program=$1
out=$2
if [ ! -x "$program" ]; then
    echo "screenshot.sh: $program has not been built" >&2
    exit 1
fi
source "$(dirname "$0")/lib/virtual-display.sh"

program_pid=
work=$(mktemp -d)
cleanup() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display
"$program" 2>"$work/program.log" &
program_pid=$!
window=$(wait_for_window "$(basename "$program")" 30)

# The first question is laid out right after the window first shows; the
# window is taken once two captures a moment apart agree.
capture() { import -window "$window" -strip "$1"; }
capture "$work/previous.png"
for ((tries = 0; tries < 50; tries++)); do
    sleep 0.2
    capture "$work/current.png"
    if cmp -s "$work/previous.png" "$work/current.png"; then
        mkdir -p "$(dirname "$out")"
        cp "$work/current.png" "$out"
        echo "screenshot: $out ($(identify -format '%wx%h' "$out"))"
        exit 0
    fi
    mv "$work/current.png" "$work/previous.png"
done
echo "screenshot.sh: the window kept changing" >&2
exit 1
