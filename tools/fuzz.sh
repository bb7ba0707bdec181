#!/usr/bin/env bash
# Builds the high-score loader's fuzz target with clang, sanitizers on, and runs it for a
# bounded time from the committed seed corpus. Usage: tools/fuzz.sh [seconds] (default 60).
# New inputs it finds go to build-fuzz/corpus; the committed seeds are left as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DLUMORA_FUZZ=ON -DBUILD_TESTING=OFF
cmake --build "$build" -j2 --target fuzz_highscores

mkdir -p "$build/corpus"
"$build/fuzz/fuzz_highscores" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$build/" "$build/corpus" tests/scores/corpus
