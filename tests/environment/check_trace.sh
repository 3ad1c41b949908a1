#!/usr/bin/env bash
# Runs a program under strace and checks what it did to the machine: it
# reads no file of its own (only system libraries, fonts, locales, the Qt
# plugins and fontconfig's caches), writes and creates nothing outside the
# runtime directory it is given (XDG_RUNTIME_DIR, Qt's), starts no other
# program and opens no socket but local (AF_UNIX) ones.
#
#   check_trace.sh [--keep-home] SECONDS PROGRAM [ARGUMENTS...]
#
# SECONDS > 0: the program runs that long and must still be running at the
# end (it is then stopped); 0: it must end by itself with status 0. Without
# --keep-home it gets a fresh empty home directory, which must stay empty.
set -uo pipefail

keep_home=no
if [ "${1:-}" = --keep-home ]; then
    keep_home=yes
    shift
fi
seconds=$1
program_dir=$(cd "$(dirname "$2")" && pwd)
program="$program_dir/$(basename "$2")"
shift 2

if ! command -v strace >/dev/null; then
    echo "SKIP: strace is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! strace -f -qq -e trace=none -o /dev/null true 2>"$work/probe"; then
    echo "SKIP: strace cannot trace here: $(cat "$work/probe")"
    exit 77
fi

if [ "$keep_home" = no ]; then
    export HOME="$work/home"
    mkdir "$HOME"
fi
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# LeakSanitizer cannot run under ptrace; the untraced runs look for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

trace_calls=openat,open,creat,mkdir,mkdirat,rename,renameat,renameat2,link,linkat
trace_calls+=,symlink,symlinkat,unlink,unlinkat,truncate,socket,connect,execve
if [ "$seconds" -gt 0 ]; then
    timeout -s TERM "$seconds" strace -ff -qq -e trace="$trace_calls" -o "$work/trace" \
        "$program" "$@" >"$work/out" 2>&1
    status=$?
    if [ "$status" -ne 124 ]; then
        echo "FAIL: $program ended by itself (status $status) within $seconds s:"
        cat "$work/out"
        exit 1
    fi
else
    strace -ff -qq -e trace="$trace_calls" -o "$work/trace" "$program" "$@" >"$work/out" 2>&1
    status=$?
    if [ "$status" -ne 0 ]; then
        echo "FAIL: $program ended with status $status:"
        cat "$work/out"
        exit 1
    fi
fi

# Without a home, fontconfig looks for its files under the root instead.
home=${HOME:-}

# One line per finding; the rules are the comments of the awk program.
cat "$work"/trace.* | awk -v home="$home" -v program="$program" -v program_dir="$program_dir" \
    -v font_config="${FONTCONFIG_FILE:-}" -v runtime="$XDG_RUNTIME_DIR" '
function quoted(s,    n, parts) {
    n = split(s, parts, "\"")
    return n >= 3 ? parts[2] : ""
}
function under(path, dir) {
    return path == dir || index(path, dir "/") == 1
}
# Reading: the system trees, fontconfig in the home and the configuration
# it was given, Qt looking for its plugins and qt.conf beside the program,
# the dynamic loader trying library names, and the program itself.
function may_read(path) {
    if (font_config != "" && path == font_config)
        return 1
    if (path ~ /^\/(usr|lib|lib32|lib64|etc|proc|sys|dev|run|var\/run|var\/cache\/fontconfig)(\/|$)/)
        return 1
    if (under(path, home "/.cache/fontconfig") || under(path, home "/.fontconfig") ||
        under(path, home "/.config/fontconfig") || under(path, home "/.fonts") ||
        path == home "/.fonts.conf" || under(path, home "/.local/share/fonts"))
        return 1
    if (under(path, runtime))
        return 1
    if (path == program || path == program_dir "/qt.conf" || path ~ ("^" program_dir "/[a-z]+$"))
        return 1
    if (path !~ /^\// && path ~ /(^|\/)lib[^\/]*\.so(\.[0-9]+)*$/)
        return 1
    return 0
}
# Writing and creating: only in the runtime directory.
function may_write(path) {
    return under(path, runtime)
}
{
    call = $0
    sub(/^[0-9]+ +/, "", call)
    name = call
    sub(/\(.*/, "", name)
}
name == "open" || name == "openat" {
    path = quoted(call)
    writing = call ~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND/
    if (writing ? !may_write(path) : !may_read(path))
        print (writing ? "writes " : "reads ") path
    next
}
name ~ /^(creat|mkdir|mkdirat|rename|renameat|renameat2|link|linkat|symlink|symlinkat|unlink|unlinkat|truncate)$/ {
    path = quoted(call)
    if (!may_write(path))
        print name " " path
    next
}
name == "socket" {
    if (call !~ /^socket\((AF_UNIX|AF_LOCAL),/)
        print "opens a socket: " call
    next
}
name == "connect" {
    if (call !~ /sa_family=(AF_UNIX|AF_LOCAL)/)
        print "connects: " call
    next
}
' >"$work/findings"

# The one program started is the program itself; any other is one it started.
grep -h '^execve(' "$work"/trace.* | grep -vF "execve(\"$program\"" |
    sed 's/^/starts another program: /' >>"$work/findings"

if [ "$keep_home" = no ] && [ -n "$(find "$HOME" -mindepth 1 -print -quit)" ]; then
    find "$HOME" -mindepth 1 | sed 's/^/left in the home directory: /' >>"$work/findings"
fi

sort -u "$work/findings" >"$work/unique"
calls=$(cat "$work"/trace.* | wc -l)
if [ -s "$work/unique" ]; then
    echo "FAIL: $program, in $calls traced calls:"
    cat "$work/unique"
    exit 1
fi
echo "PASS: $program made $calls traced calls; it read no file of its own, wrote nothing"
echo "      outside its runtime directory, started nothing and opened no network socket"
