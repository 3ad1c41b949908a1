#!/usr/bin/env bash
# Runs every benchmark of the drill and prints one table of results, each
# figure beside what it is compared against. usage: bench/run.sh BUILD_DIR
# Google Benchmark's own reports and the single start-up runs go to
# BUILD_DIR/bench-logs/.
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_DIR}
bin=$build/bench
drill=$build/app/ohm-drill
logs=$build/bench-logs
runs=${OHM_BENCH_STARTUP_RUNS:-21}
mkdir -p "$logs"
rows=$logs/rows.tsv
: >"$rows"

# Qt asks for a runtime directory of its own; give it one rather than a warning.
own_runtime_dir=
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  own_runtime_dir=$(mktemp -d)
  export XDG_RUNTIME_DIR=$own_runtime_dir
fi

# One virtual X server for all X runs, on a display number it picks itself.
xvfb_pid=
stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
clean_up() {
  stop_xvfb
  if [ -n "$own_runtime_dir" ]; then
    rm -rf "$own_runtime_dir"
  fi
}
trap clean_up EXIT
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>"$logs/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
x_display=:$(head -n1 "$display_file")
rm -f "$display_file"

echo "start-up under Xvfb ($runs runs of each) ..." >&2
env DISPLAY="$x_display" QT_QPA_PLATFORM=xcb \
  "$bin/startup_compare" "drill's first question, Xvfb" "$runs" "$drill" "$bin/bare_window" "bare window" 1.15 \
  >>"$rows" 2>"$logs/startup-xvfb.log"
echo "start-up on the offscreen platform ($runs runs of each) ..." >&2
env -u DISPLAY QT_QPA_PLATFORM=offscreen \
  "$bin/startup_compare" "drill's first question, offscreen" "$runs" "$drill" "$bin/bare_window" "bare window" - \
  >>"$rows" 2>"$logs/startup-offscreen.log"
# What showing Japanese text at all costs: the same bare window with one line
# in the drill's window font, against the bare window and against the drill.
echo "the toolkit's text floor under Xvfb ($runs runs of each) ..." >&2
env DISPLAY="$x_display" QT_QPA_PLATFORM=xcb \
  "$bin/startup_compare" "one Japanese label, Xvfb" "$runs" "$bin/bare_text_window" \
  "$bin/bare_window" "bare window" - >>"$rows" 2>"$logs/startup-text-floor.log"
env DISPLAY="$x_display" QT_QPA_PLATFORM=xcb \
  "$bin/startup_compare" "drill's first question against one label, Xvfb" "$runs" "$drill" \
  "$bin/bare_text_window" "window with one label" - >>"$rows" 2>"$logs/startup-text-drill.log"
stop_xvfb
xvfb_pid=

echo "handlers ..." >&2
"$bin/handlers_bench" --benchmark_color=false >>"$rows" 2>"$logs/handlers.log"
echo "reading entries ..." >&2
"$bin/entry_reading_bench" --benchmark_color=false >>"$rows" 2>"$logs/entry-reading.log"
echo "endurance, 100,000 questions ..." >&2
"$bin/endurance" >>"$rows" 2>"$logs/endurance.log"

# The table, in Markdown.
echo
echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores, $(uname -srm), $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo
awk -F'\t' '
  BEGIN { n = split("What\tFigure\tCompared against\tRatio / growth\tTarget\tMet", head, "\t") }
  { rows[NR] = $0 }
  END {
    for (i = 1; i <= n; i++) width[i] = length(head[i])
    for (r = 1; r <= NR; r++) { split(rows[r], cell, "\t"); for (i = 1; i <= n; i++) if (length(cell[i]) > width[i]) width[i] = length(cell[i]) }
    line(head)
    sep = "|"; for (i = 1; i <= n; i++) { dash = ""; for (k = 0; k < width[i] + 2; k++) dash = dash "-"; sep = sep dash "|" }
    print sep
    for (r = 1; r <= NR; r++) { split(rows[r], cell, "\t"); line(cell) }
  }
  function line(cell,   out, i) {
    out = "|"; for (i = 1; i <= n; i++) out = out sprintf(" %-*s |", width[i], cell[i])
    print out
  }' "$rows"
