#!/usr/bin/env bash
# Builds Orlenta with AddressSanitizer and UndefinedBehaviorSanitizer and runs the whole test
# suite, the real-display tests included, on that build. Any report fails the run: the first one
# stops the process that made it, and the suite's whole output is searched for reports from
# processes whose end a test does not examine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORLENTA_SANITIZE=ON
cmake --build build-sanitize
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
log=build-sanitize/suite.log
status=0
ctest --test-dir build-sanitize --output-on-failure --output-log "$PWD/$log" || status=$?
if grep -E 'runtime error:|ERROR: (Address|Leak)Sanitizer' "$log"; then
    echo "sanitizer reports in $log" >&2
    status=1
fi
exit $status
