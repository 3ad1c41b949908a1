#!/usr/bin/env bash
# Opens the drill on the desktop; where there is no display (a bare server or
# a container), on a virtual one, so the command still shows it working.
set -euo pipefail
program=$1
if [ ! -x "$program" ]; then
    echo "run.sh: $program has not been built" >&2
    exit 1
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi
echo "No display found: opening the drill on a virtual X display (Xvfb); Ctrl+C ends it." >&2
exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" "$program"
