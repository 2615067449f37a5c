#!/usr/bin/env bash
# Fuzzes the text-list loader with libFuzzer for a bounded time (FUZZ_SECONDS, 90 by default),
# starting from the seed corpus in the repository. New inputs stay in a scratch folder; a
# failing one is kept in build-fuzz/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh fuzz
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DORLENTA_FUZZ=ON
cmake --build build-fuzz --target fuzz_text_list
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
./build-fuzz/tests/toolkit/fuzz_text_list -max_total_time="${FUZZ_SECONDS:-90}" \
    -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/ "$corpus" tests/toolkit/text_list_corpus
