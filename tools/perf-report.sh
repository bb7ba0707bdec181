#!/usr/bin/env bash
# Builds the benchmarks (the bench preset), runs them and the start-up comparison, and writes the
# report to docs/PERFORMANCE.md; bench/README.md says how each figure is measured.
set -euo pipefail
cd "$(dirname "$0")/.."
startup_runs=50 memory_runs=5 repetitions=5
tools/deps.sh >&2
# compare.py needs SciPy, which Debian's package only suggests.
tools/deps.sh libbenchmark-tools python3-scipy >&2
# The whole run on a virtual screen of its own: the start-up is timed on it (xcb) and offscreen.
[[ -n ${PERF_ON_XVFB:-} ]] || PERF_ON_XVFB=1 exec tools/on-xvfb "$0"
export QT_QPA_PLATFORM=xcb
cmake --preset bench >&2
cmake --build --preset bench >&2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Data folders of their own: no run may touch the player's high scores.
mkdir -m 700 "$work/runtime"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
bin=$PWD/build/bench/bench cache=build/bench/CMakeCache.txt load=$(cut -d' ' -f1 /proc/loadavg)
programs=(bare_window plain_splash lumora_startup_probe)
offscreen() { QT_QPA_PLATFORM=offscreen "$@"; }

echo "Round benchmarks..." >&2
offscreen "$bin/lumora_bench" --benchmark_repetitions=$repetitions --benchmark_display_aggregates_only=true \
  --benchmark_out="$work/bench.json" --benchmark_out_format=json 2>"$work/bench.log" >&2

echo "Instructions (callgrind, offscreen)..." >&2
# callgrind NAME [VALGRIND-OPTION...] PROGRAM...: the count barely moves with the machine's load.
callgrind() { offscreen valgrind --tool=callgrind --callgrind-out-file="$work/callgrind-$1" "${@:2}" 2>&1 | sed -n 's/.*Collected : //p'; }
for program in "${programs[@]}"; do callgrind "$program" "$bin/$program" >"$work/instructions-$program"; done
# A round's, only inside the out-of-line step each benchmark iteration times.
for operation in deal:dealAndSettle right_click:clickAndSettle round:clickAndSettle; do
  for board in window:WindowBoard plain:PlainGrid; do
    callgrind "${operation%%:*}-${board%%:*}" --toggle-collect="void lumora::bench::${operation#*:}<lumora::bench::${board#*:}>*" \
      "$bin/lumora_bench" --benchmark_filter="^${operation%%:*}/${board%%:*}\$" --benchmark_min_time=0.5 >/dev/null
  done
done

# measure_startup PLATFORM: the programs timed side by side, then each one's peak memory (the median).
measure_startup() {
  hyperfine -N --warmup 3 --runs $startup_runs --time-unit millisecond --export-json "$work/startup-$1.json" \
    --export-markdown "$work/startup-$1.md" -n lumora "$bin/lumora_startup_probe" -n "plain (floor)" \
    "$bin/plain_splash" -n "bare (empty window)" "$bin/bare_window" >&2
  for program in "${programs[@]}"; do
    for ((run = 0; run < memory_runs; run++)); do /usr/bin/time -f %M "$bin/$program" 2>&1 >/dev/null | tail -n 1; done |
      sort -n | sed -n "$(((memory_runs + 1) / 2))p" >"$work/rss-$1-$program"
  done
}
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "Start-up under Xvfb, then offscreen..." >&2
measure_startup xvfb
offscreen measure_startup offscreen
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# row LABEL UNIT DIVISOR LUMORA OTHER: two figures in UNIT and their ratio.
row() {
  awk -v label="$1" -v unit="$2" -v d="$3" -v l="$4" -v o="$5" \
    'BEGIN { printf "| %s | %.2f %s | %.2f %s | %.2f |\n", label, l / d, unit, o / d, unit, l / o }'
}
figure() { cat "$work/$1"; }
# per_call OPERATION BOARD: the instructions of one timed step, from callgrind's caller tree.
per_call() {
  callgrind_annotate --inclusive=yes --tree=caller "$work/callgrind-$1-$2" 2>/dev/null | awk '
    /^$/ { calls = 0; next }
    /  < / { n = $0; sub(/.*\(/, "", n); sub(/x\).*/, "", n); calls += n; next }
    /  \*  .*AndSettle</ { cost = $1; gsub(",", "", cost); print cost / calls; exit }'
}
round_row() { row "$2, instructions (callgrind)" M 1e6 "$(per_call "$1" window)" "$(per_call "$1" plain)"; }
# startup PLATFORM: hyperfine's table, and the CPU time (user + system) within each mean.
startup() {
  cat "$work/startup-$1.md"
  jq -r '"\nMean CPU time: " + ([.results[] | "\(.command) \((.user + .system) * 10000 | round / 10) ms"] | join(", ")) + "."' \
    "$work/startup-$1.json"
}
# versus BASELINE CONTENDER: the benchmarks' medians as compare.py lays them out.
versus() {
  /usr/bin/python3 /usr/share/benchmark/compare.py -a --no-color --no-utest filters "$work/bench.json" "$1" "$2" |
    grep -E '^(Benchmark|---)|_median' | sed 's/^/    /'
}
# The hottest functions of the game's start-up, inclusive.
profile() {
  callgrind_annotate --inclusive=yes "$work/callgrind-lumora_startup_probe" 2>/dev/null |
    grep -E '(lumora::|QApplication::exec|QFontDatabasePrivate::load|QWidget::adjustSize|_dl_start|ensureFontDatabase|paintSiblingsRecursive|QIcon|QPixmap)' |
    grep -v '\[/usr/lib.*(lumora' | sed -E 's/ *\[[^]]*\]$//; s/^ */    /' | head -n 14
}
cache_value() { sed -n "s/^$1:[A-Z]*=//p" $cache; }

tee docs/PERFORMANCE.md <<REPORT
# Performance

Made by \`tools/perf-report.sh\` on $(date -u +%Y-%m-%d), from a Release build; how each figure is
measured, and the goals: [bench/README.md](../bench/README.md).

| Machine | |
|---|---|
| CPU | $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1), $(nproc) cores |
| Memory | $(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo) |
| OS | $(. /etc/os-release && echo "$PRETTY_NAME"), Linux $(uname -r) $(uname -m) |
| Qt | $(jq -r '.context.qt_version' "$work/bench.json") |
| Compiler | $("$(cache_value CMAKE_CXX_COMPILER)" --version | head -n1), $(cache_value CMAKE_CXX_FLAGS_RELEASE) |
| Load average when the run began | $load |
| Load average (1, 5, 15 min) before and after the start-up runs | $load_before; $load_after |
| Runs | start-up $startup_runs (after 3 warm-up), peak memory $memory_runs, benchmarks $repetitions repetitions |

| Measurement | Lumora | Floor: the same in plain Qt | Lumora ÷ floor |
|---|---:|---:|---:|
$(row "Start-up instructions, offscreen (callgrind)" M 1e6 "$(figure instructions-lumora_startup_probe)" "$(figure instructions-plain_splash)")
$(row "Peak memory (RSS), Xvfb" MiB 1024 "$(figure rss-xvfb-lumora_startup_probe)" "$(figure rss-xvfb-plain_splash)")
$(row "Peak memory (RSS), offscreen" MiB 1024 "$(figure rss-offscreen-lumora_startup_probe)" "$(figure rss-offscreen-plain_splash)")
$(round_row deal "Deal of 96 (もう一度: clear and deal)")
$(round_row right_click "Right click")
$(round_row round "Full round, per click")

Context: the same against an empty \`QWidget\`.

| Measurement | Lumora | Empty window | Lumora ÷ empty window |
|---|---:|---:|---:|
$(row "Start-up instructions, offscreen (callgrind)" M 1e6 "$(figure instructions-lumora_startup_probe)" "$(figure instructions-bare_window)")
$(row "Peak memory (RSS), Xvfb" MiB 1024 "$(figure rss-xvfb-lumora_startup_probe)" "$(figure rss-xvfb-bare_window)")

Start-up to the first window on screen, Xvfb (hyperfine):

$(startup xvfb)

Start-up to the first window on screen, offscreen (hyperfine):

$(startup offscreen)

Round against the floor (compare.py):

$(versus plain window)

Round against the engine alone:

$(versus engine window)

A record's save against the floor:

$(versus save/plain save/game)

Where the game's start-up goes (callgrind, inclusive instructions):

$(profile)

$SECONDS s for the whole report, build included.
REPORT
