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
    local class=$1 seconds=$2 tries window
    for ((tries = 0; tries < seconds * 10; tries++)); do
        window=$(xwininfo -root -children 2>/dev/null |
            awk -v c="(\"$class\" \"$class\")" 'index($0, c) { print $1; exit }')
        if [ -n "$window" ] && xwininfo -id "$window" | grep -q 'Map State: IsViewable'; then
            echo "$window"
            return 0
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
