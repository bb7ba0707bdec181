#!/usr/bin/env bash
# Builds the benchmarks in Release (the build-bench preset), runs them and the start-up comparison, and prints
# one markdown report, which it also writes to docs/PERFORMANCE.md. Each figure of the game stands
# beside its floor, a plain-Qt program doing the same work (bench/plain_splash.cpp,
# bench/PlainGrid.cpp); an empty window and the engine alone are context. Progress goes to stderr.
set -euo pipefail
cd "$(dirname "$0")/.."

startup_runs=50
memory_runs=5
repetitions=5

tools/deps.sh >&2
cmake --preset build-bench >&2
cmake --build --preset build-bench -j2 >&2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Start-up runs get data folders of their own: no run may touch the player's high scores.
mkdir -m 700 "$work/runtime"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export work startup_runs memory_runs bin="$PWD/build-bench/bench"
load=$(cut -d' ' -f1 /proc/loadavg)

echo "Round benchmarks..." >&2
QT_QPA_PLATFORM=offscreen "$bin/lumora_bench" --benchmark_repetitions="$repetitions" \
  --benchmark_report_aggregates_only=true \
  --benchmark_out="$work/bench.json" --benchmark_out_format=json 2>"$work/bench.log" >&2

echo "Start-up instructions (callgrind, offscreen)..." >&2
# The instruction count barely moves with the machine's load, unlike wall time.
for program in bare_window plain_splash lumora_startup_probe; do
  QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$work/callgrind-$program" \
    "$bin/$program" 2>&1 | sed -n 's/.*Collected : //p' >"$work/instructions-$program"
done

echo "Round instructions (callgrind, offscreen)..." >&2
# Instructions per deal, per right click and per click of a whole round (its finish included),
# repaint included: callgrind counts only inside the out-of-line step each benchmark iteration
# times, and divides by the number of its calls.
for operation in deal:dealAndSettle right_click:clickAndSettle round:clickAndSettle; do
  for board in window:WindowBoard plain:PlainGrid; do
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$work/callgrind-${operation%%:*}-${board%%:*}" \
      --toggle-collect="void lumora::bench::${operation##*:}<lumora::bench::${board##*:}>*" \
      "$bin/lumora_bench" --benchmark_filter="^${operation%%:*}/${board%%:*}\$" --benchmark_min_time=0.5 >/dev/null 2>&1
  done
done

# Times the programs side by side, then takes each one's peak memory (the median of several runs).
measure_startup() {
  local platform=$1 program
  hyperfine -N --warmup 3 --runs "$startup_runs" --export-json "$work/startup-$platform.json" \
    -n bare "$bin/bare_window" -n plain "$bin/plain_splash" -n lumora "$bin/lumora_startup_probe" >&2
  for program in bare_window plain_splash lumora_startup_probe; do
    for ((run = 0; run < memory_runs; run++)); do
      /usr/bin/time -v "$bin/$program" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'
    done | sort -n | sed -n "$(((memory_runs + 1) / 2))p" >"$work/rss-$platform-$program"
  done
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "Start-up under Xvfb..." >&2
# xvfb-run is a POSIX shell script, which drops exported bash functions: hand the function over as text.
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash -c "$(declare -f measure_startup); measure_startup xvfb"
echo "Start-up offscreen..." >&2
QT_QPA_PLATFORM=offscreen measure_startup offscreen
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# A duration in seconds, with three significant digits in a fitting unit.
duration() {
  awk -v s="$1" 'function sig(v) { return v >= 100 ? sprintf("%.0f", v) : v >= 10 ? sprintf("%.1f", v) : sprintf("%.2f", v) }
    BEGIN { if (s < 1e-6) print sig(s * 1e9) " ns"; else if (s < 1e-3) print sig(s * 1e6) " µs";
            else if (s < 1) print sig(s * 1e3) " ms"; else print sig(s) " s" }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { r = a / b; printf(r >= 100 ? "%.0f" : "%.2f", r) }'; }
# The median CPU time of a benchmark, in seconds.
cpu_time() {
  jq -r --arg run "$1" '.benchmarks[] | select(.run_name == $run and .aggregate_name == "median")
    | .cpu_time * {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1}[.time_unit]' "$work/bench.json"
}
# startup PLATFORM PROGRAM FIELD: a figure, in seconds, from hyperfine's results.
startup() { jq -r --arg name "$2" ".results[] | select(.command == \$name) | $3" "$work/startup-$1.json"; }

# Mean wall time ± standard deviation, and the mean CPU time (user + system) within it.
startup_cell() {
  echo "$(duration "$(startup "$1" "$2" .mean)") ± $(duration "$(startup "$1" "$2" .stddev)")," \
    "CPU $(duration "$(startup "$1" "$2" '.user + .system')")"
}
startup_row() {
  local platform=$1 label=$2 versus=$3 note=${4:-}
  echo "| Start-up to the first window on screen, $label | $(startup_cell "$platform" lumora) |" \
    "$(startup_cell "$platform" "$versus")$note |" \
    "$(ratio "$(startup "$platform" lumora .mean)" "$(startup "$platform" "$versus" .mean)") wall," \
    "$(ratio "$(startup "$platform" lumora '.user + .system')" "$(startup "$platform" "$versus" '.user + .system')") CPU |"
}
rss() { cat "$work/rss-$1-$2"; }
memory_row() {
  local platform=$1 label=$2 versus=$3 note=${4:-}
  awk -v l="$(rss "$platform" lumora_startup_probe)" -v b="$(rss "$platform" "$versus")" -v label="$label" -v note="$note" \
    'BEGIN { printf "| Peak memory (RSS), %s | %.1f MiB | %.1f MiB%s | %.2f |\n", label, l / 1024, b / 1024, note, l / b }'
}
instructions() { cat "$work/instructions-$1"; }
instructions_row() {
  local versus=$1 note=${2:-}
  awk -v l="$(instructions lumora_startup_probe)" -v b="$(instructions "$versus")" -v note="$note" \
    'BEGIN { printf "| Start-up instructions, offscreen (callgrind) | %.1f M | %.1f M%s | %.2f |\n", l / 1e6, b / 1e6, note, l / b }'
}
round_row() {
  local name=$1 label=$2 versus=$3 note=${4:-} window other
  window=$(cpu_time "$name/window")
  other=$(cpu_time "$name/$versus")
  echo "| $label | $(duration "$window") | $(duration "$other")$note | $(ratio "$window" "$other") |"
}
# per_call OPERATION BOARD: the instructions of one timed step, from callgrind's caller tree.
per_call() {
  callgrind_annotate --inclusive=yes --tree=caller "$work/callgrind-$1-$2" 2>/dev/null | awk '
    /^$/ { calls = 0; next }
    /  < / { n = $0; sub(/.*\(/, "", n); sub(/x\).*/, "", n); calls += n; next }
    /  \*  .*AndSettle</ { cost = $1; gsub(",", "", cost); print cost / calls; exit }'
}
round_instructions_row() {
  local operation=$1 label=$2
  awk -v l="$(per_call "$operation" window)" -v b="$(per_call "$operation" plain)" -v label="$label" \
    'BEGIN { printf "| %s, instructions (callgrind) | %.2f M | %.2f M | %.2f |\n", label, l / 1e6, b / 1e6, l / b }'
}
# The hottest functions of the game's start-up, inclusive, as callgrind_annotate lists them.
profile() {
  callgrind_annotate --inclusive=yes "$work/callgrind-lumora_startup_probe" 2>/dev/null \
    | grep -E '(lumora::|QApplication::exec|QFontDatabasePrivate::load|QWidget::adjustSize|_dl_start|ensureFontDatabase|paintSiblingsRecursive|QIcon|QPixmap)' \
    | grep -v '\[/usr/lib.*(lumora' | sed -E 's/ *\[[^]]*\]$//; s/^ *//' | head -n 14 | sed 's/^/    /'
}

cxx=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' build-bench/CMakeCache.txt)
flags=$(sed -n 's/^CMAKE_CXX_FLAGS_RELEASE:[A-Z]*=//p' build-bench/CMakeCache.txt)

{
  cat <<EOF
# Performance

Made by \`tools/perf-report.sh\` on $(date -u +%Y-%m-%d), from a Release build.

| Machine | |
|---|---|
| CPU | $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1), $(nproc) cores |
| Memory | $(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo) |
| OS | $(. /etc/os-release && echo "$PRETTY_NAME"), Linux $(uname -r) $(uname -m) |
| Qt | $(jq -r '.context.qt_version' "$work/bench.json") |
| Compiler | $("$cxx" --version | head -n1), $flags |
| Load average when the run began | $load |

| Measurement | Lumora | Floor: the same in plain Qt | Lumora ÷ floor |
|---|---:|---:|---:|
$(instructions_row plain_splash)
$(startup_row xvfb "Xvfb" plain)
$(startup_row offscreen "offscreen" plain)
$(memory_row xvfb "Xvfb" plain_splash)
$(memory_row offscreen "offscreen" plain_splash)
$(round_instructions_row deal "Deal of 96 (もう一度: clear and deal)")
$(round_instructions_row right_click "Right click")
$(round_instructions_row round "Full round, per click")
$(round_row deal "Deal of 96 (もう一度: clear and deal)" plain)
$(round_row right_click "Right click" plain)
$(round_row wrong_click "Wrong click" plain)
$(round_row round "Full round: 96 right clicks in turn, the finish included" plain)

Context: the same figures against an empty \`QWidget\` and against the engine alone.

| Measurement | Lumora | Reference | Lumora ÷ reference |
|---|---:|---:|---:|
$(instructions_row bare_window " (empty window)")
$(startup_row xvfb "Xvfb" bare " (empty window)")
$(memory_row xvfb "Xvfb" bare_window " (empty window)")
$(round_row deal "Deal of 96" engine " (engine alone)")
$(round_row right_click "Right click" engine " (engine alone)")

- Floors: \`bench/plain_splash.cpp\` draws the splash, pixel for pixel, as a plain Qt program
  would (same faces, sizes, colours, texts, autosized labels), and sets one application icon as a
  plain program does, a single 256 px PNG from its resources; \`bench/PlainGrid.cpp\`
  is the advanced board by hand: 96 push buttons in the same fonts and places and the two
  number labels; a right click disables its button and sets both labels, a deal clears, enables
  and numbers all 96.
- Goals: start-up instructions and peak memory at most 1.05 × the floor; a right click and a
  whole round at most 1.15 × the floor by CPU time.
- Start-up instructions: callgrind's count of instructions for the whole process, offscreen, one
  run each; it varies by well under 1% from run to run, so it is the figure to decide by.
- Wall times were taken with the load average (1, 5, 15 minutes) at $load_before before the
  start-up runs and $load_after after them: the machine is shared with other work, so wall
  times, start-up especially, move with its load.
- Start-up: the whole process, from its start until it exits right after its first window (our
  splash) is exposed and painted; the game runs its own \`main\` unchanged, with a hook that ends
  it there. Mean wall time ± standard deviation of $startup_runs runs after 3 warm-up runs
  (hyperfine), all three programs side by side in one run, and the mean CPU time (user + system)
  the process spent; the rest is waiting: for the X server under Xvfb, and for a core on a busy
  machine. Xvfb is Qt's xcb platform on a virtual X server.
- Peak memory: maximum resident set size from \`/usr/bin/time -v\`, median of $memory_runs runs.
- Round: Google Benchmark on the advanced board, CPU time, median of $repetitions repetitions.
  Lumora is the real 上級 window on the offscreen platform: clicks are mouse clicks on its board
  buttons, and each operation's repaint is timed with it. The engine alone plays the same round
  on a board of plain strings, with no widgets and no Qt.

Where the game's start-up goes (callgrind, inclusive instructions):

$(profile)

$(duration "$SECONDS") for the whole report, build included.
EOF
} | tee docs/PERFORMANCE.md
