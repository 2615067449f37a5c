# Shared steps of the real-display tests: a private Xvfb, a scratch program directory holding a
# copy of the built orlenta, and small waits. Source it; set ORLENTA to the built binary and
# SOURCE_DIR to the source tree first.
set -euo pipefail

XVFB_PID=""
ORLENTA_PID=""
PROGDIR=""

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "${TMPDIR:-/tmp}/failure-$(basename "$0" .sh).png" 2>/dev/null || true
        echo "screenshot: ${TMPDIR:-/tmp}/failure-$(basename "$0" .sh).png" >&2
    fi
    exit 1
}

cleanup() {
    [ -n "$ORLENTA_PID" ] && kill "$ORLENTA_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    [ -n "$PROGDIR" ] && rm -rf "$PROGDIR"
    return 0
}
trap cleanup EXIT

start_display() {
    local n
    for n in $(seq $((100 + $$ % 400)) 600); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 100); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.05
        done
        kill "$XVFB_PID" 2>/dev/null || true
    done
    fail "no X display could be started"
}

# make_program_dir [SETTINGS_BYTES_AS_PRINTF_FORMAT]: a program directory with the shipped texts.
make_program_dir() {
    PROGDIR=$(mktemp -d)
    cp "$ORLENTA" "$PROGDIR/orlenta"
    cp -r "$SOURCE_DIR/Files" "$PROGDIR/Files"
    mkdir -p "$PROGDIR/setting"
    printf "${1:-1\r\n3\r\n}" > "$PROGDIR/setting/setting.kvt"
}

# Started from another directory: the program must find its files beside itself.
start_orlenta() {
    (cd / && exec "$PROGDIR/orlenta") &
    ORLENTA_PID=$!
}

# wait_for_window CLASS_OR_NAME_PATTERN [SECONDS] -> prints the first visible window id
wait_for_window() {
    local pattern=$1 seconds=${2:-10} id
    for _ in $(seq $((seconds * 20))); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

# wait_for_exit SECONDS -> the program's exit status in EXIT_STATUS
wait_for_exit() {
    local seconds=${1:-10}
    for _ in $(seq $((seconds * 20))); do
        if ! kill -0 "$ORLENTA_PID" 2>/dev/null; then
            set +e
            wait "$ORLENTA_PID"
            EXIT_STATUS=$?
            set -e
            ORLENTA_PID=""
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# press_key_in WINDOW KEY...: there is no window manager, so give the window the focus first.
press_key_in() {
    local window=$1
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    xdotool key "$@"
}
