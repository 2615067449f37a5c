#!/usr/bin/env bash
# Plants single faults in the program and tells whether the fast tests catch each one.
#   bash scripts/plant.sh            every fault of tests/planted_faults.txt
#   bash scripts/plant.sh M04 S02    only these
# A line of the list: ID FILE TESTS SED-EXPRESSION, TESTS being ctest names joined by commas, the
# one expected to catch the fault first. Builds in $BUILD_DIR (default build), only the targets
# the tests need; the file is always put back, also on Ctrl+C. Exits 1 when a fault goes unseen.
set -uo pipefail
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$PWD")}
list=tests/planted_faults.txt
build=${BUILD_DIR:-build}
log=$(mktemp)
backup=$(mktemp)
planted=

restore() {
    # A fresh modification time, so that the next build compiles the sound file again.
    [ -n "$planted" ] && cat "$backup" >"$planted"
    planted=
}
trap 'restore; rm -f "$log" "$backup"' EXIT
trap 'exit 130' INT TERM

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >"$log" || { cat "$log"; exit 2; }
fi
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

targets_of() {
    local test
    for test in ${1//,/ }; do
        case $test in
        display_*) echo orlenta bind_keys ;;
        *_corpus) echo "${test%_corpus}_replay" ;;
        command_line) echo orlenta ;;
        *) echo "$test" ;;
        esac
    done | sort -u
}

caught=0 missed=0 broken=0 started=$SECONDS
while read -r -u 3 id file tests expr; do
    case $id in '' | '#'*) continue ;; esac
    [ $# -gt 0 ] && [[ " $* " != *" $id "* ]] && continue
    cp "$file" "$backup"
    planted=$file
    sed -i -e "$expr" "$file"
    if cmp -s "$file" "$backup"; then
        echo "$id  NOT PLANTED: the expression changes nothing in $file"
        restore; broken=$((broken + 1)); continue
    fi
    # shellcheck disable=SC2046
    if ! cmake --build "$build" --target $(targets_of "$tests") >"$log" 2>&1; then
        echo "$id  DOES NOT BUILD: $file"
        grep -m3 'error' "$log"
        restore; broken=$((broken + 1)); continue
    fi
    spent=0 catcher=
    for test in ${tests//,/ }; do
        begun=$(date +%s.%N)
        ctest --test-dir "$build" -R "^$test\$" --timeout 60 >"$log" 2>&1
        status=$?
        spent=$(echo "$spent + $(date +%s.%N) - $begun" | bc)
        grep -q 'No tests were found' "$log" && { catcher="no test $test"; break; }
        [ $status -ne 0 ] && { catcher=$test; break; }
    done
    restore
    case $catcher in
    '') echo "$id  MISSED   $file (${tests})"; missed=$((missed + 1)) ;;
    no\ test*) echo "$id  NOT RUN: $catcher"; broken=$((broken + 1)) ;;
    *) printf '%s  caught   %5.1f s  %s\n' "$id" "$spent" "$catcher"; caught=$((caught + 1)) ;;
    esac
done 3<"$list"
echo "caught $caught, missed $missed, not planted or not built $broken, in $((SECONDS - started)) s"
[ $missed -eq 0 ] && [ $broken -eq 0 ]
