#!/usr/bin/env bash
# Builds the high-score loader's fuzz target with clang, sanitizers on (the build-fuzz preset), and
# runs it for a bounded time from the committed seed corpus. Usage: tools/fuzz.sh [seconds] (default 60).
# New inputs it finds go to build-fuzz/corpus; the committed seeds are left as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz

cmake --preset "$build"
cmake --build --preset "$build" -j2

mkdir -p "$build/corpus"
"$build/fuzz/fuzz_highscores" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$build/" "$build/corpus" tests/scores/corpus
