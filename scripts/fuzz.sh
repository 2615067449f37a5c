#!/usr/bin/env bash
# Fuzzes the text-list loader, the settings reader and the command-line parser with libFuzzer for
# a bounded time (FUZZ_SECONDS in all, 90 by default, shared between them), each starting from
# its seed corpus in the repository. New inputs stay in a scratch folder; a failing one is kept in
# build-fuzz/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh fuzz
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DORLENTA_FUZZ=ON
cmake --build build-fuzz --target fuzz_text_list fuzz_settings fuzz_command_line
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
seconds=$(( ${FUZZ_SECONDS:-90} / 3 ))
for target in toolkit/fuzz_text_list:tests/toolkit/text_list_corpus \
    engine/fuzz_settings:tests/engine/settings_corpus \
    app/fuzz_command_line:tests/app/command_line_corpus; do
    corpus=$(mktemp -d)
    ./build-fuzz/tests/"${target%%:*}" -max_total_time="$seconds" \
        -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/ "$corpus" "${target#*:}"
    rm -rf "$corpus"
done
