#!/usr/bin/env bash
# Start-up on a real display: the program maps its windows from a directory that is not the
# current one, and without its settings it shows the error box and ends with a failure status.
source "$(dirname "$0")/lib.sh"
start_display

make_program_dir
start_orlenta
wait_for_window '' 10 >/dev/null || fail "no window was mapped"
sleep 0.5
kill -0 "$ORLENTA_PID" || fail "orlenta ended by itself"
stop_orlenta

make_program_dir
rm -rf "$PROGDIR/setting"
start_orlenta
box=$(wait_for_window '^Orlenta$' 10) || fail "no error box"
sleep 0.3
press_key_in "$box" Return
wait_for_exit 10 || fail "orlenta did not end after the error box"
[ "$EXIT_STATUS" -ne 0 ] || fail "a failed start-up ended with status 0"
echo "startup: passed"
