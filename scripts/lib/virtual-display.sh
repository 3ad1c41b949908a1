# shellcheck shell=bash
# Running the drill's window on a virtual X display (Xvfb), for checks and
# screenshots on a machine without a desktop. Source this file, then:
#   start_virtual_display          starts Xvfb on a free display and exports DISPLAY
#   wait_for_window CLASS SECONDS  prints the id of the top-level window of WM_CLASS
#                                  CLASS once it is viewable; fails after SECONDS
#   stop_virtual_display           stops the Xvfb started here (safe to call twice)

virtual_display_pid=
virtual_display_dir=

start_virtual_display() {
    virtual_display_dir=$(mktemp -d)
    # Xvfb picks a free display itself and writes its number to descriptor 3.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
        3>"$virtual_display_dir/display" 2>"$virtual_display_dir/log" &
    virtual_display_pid=$!
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        if [ -s "$virtual_display_dir/display" ]; then
            export DISPLAY=":$(tr -d '[:space:]' <"$virtual_display_dir/display")"
            return 0
        fi
        if ! kill -0 "$virtual_display_pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    echo "virtual display: Xvfb did not start" >&2
    cat "$virtual_display_dir/log" >&2
    return 1
}

wait_for_window() {
    local class=$1 seconds=$2 tries windows window info
    # Whole outputs are read first and then searched: a reader that stops
    # early (grep -q, awk's exit) would break the pipe under pipefail.
    for ((tries = 0; tries < seconds * 10; tries++)); do
        windows=$(xwininfo -root -children 2>/dev/null) || windows=
        window=$(awk -v c="(\"$class\" \"$class\")" 'index($0, c) { print $1; exit }' \
            <<<"$windows")
        if [ -n "$window" ]; then
            info=$(xwininfo -id "$window" 2>/dev/null) || info=
            if [[ $info == *"Map State: IsViewable"* ]]; then
                echo "$window"
                return 0
            fi
        fi
        sleep 0.1
    done
    echo "virtual display: no window of class $class after $seconds s" >&2
    return 1
}

stop_virtual_display() {
    if [ -n "$virtual_display_pid" ]; then
        kill "$virtual_display_pid" 2>/dev/null || true
        wait "$virtual_display_pid" 2>/dev/null || true
        virtual_display_pid=
    fi
    if [ -n "$virtual_display_dir" ]; then
        rm -rf "$virtual_display_dir"
        virtual_display_dir=
    fi
}
