# Shared steps of the real-display tests: a private Xvfb, a scratch program directory holding a
# copy of the built orlenta, waits for conditions, and the pointer and keyboard as a user drives
# them. Source it; set ORLENTA to the built binary, BIND_KEYS to the bind_keys helper and
# SOURCE_DIR to the source tree first. Positions are in a window's own pixels: no window manager
# runs, so a window is its client area.
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

# The display is ours only once our server holds its lock: another server started at the same
# moment, or one still shutting down, may answer on the same number. -noreset keeps the keys that
# bind_keys adds while no client is connected.
start_display() {
    local n
    for n in $(seq $((100 + $$ % 400)) 600); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 ${SCREEN:-1280x1024}x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 100); do
            kill -0 "$XVFB_PID" 2>/dev/null || break
            [ "$({ tr -d ' \n' <"/tmp/.X$n-lock"; } 2>/dev/null)" = "$XVFB_PID" ] &&
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

# start_orlenta [PROGRAM]: started from another directory, the program must find its files
# beside itself. PROGRAM is another executable copied into the program directory.
start_orlenta() {
    (cd / && exec "$PROGDIR/${1:-orlenta}") &
    ORLENTA_PID=$!
}

# Ends the running program and removes its program directory, ready for another run.
stop_orlenta() {
    kill "$ORLENTA_PID"
    wait "$ORLENTA_PID" 2>/dev/null || true
    ORLENTA_PID=""
    rm -rf "$PROGDIR"
}

# wait_until SECONDS COMMAND...: runs the command until it succeeds.
wait_until() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# wait_while SECONDS COMMAND...: runs the command until it fails.
wait_while() {
    local seconds=$1
    shift
    wait_until "$seconds" fails "$@"
}
# fails COMMAND...: succeeds when the command does not.
fails() { ! "$@" >/dev/null; }

# Whether the program started last still runs.
running() { kill -0 "$ORLENTA_PID" 2>/dev/null; }

# wait_for_exit SECONDS -> the program's exit status in EXIT_STATUS
wait_for_exit() {
    wait_while "${1:-10}" running || return 1
    set +e
    wait "$ORLENTA_PID"
    EXIT_STATUS=$?
    set -e
    ORLENTA_PID=""
}

# window_named NAME_PATTERN -> the first visible window whose title matches
window_named() {
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && echo "$id"
}

# wait_for_window NAME_PATTERN [SECONDS] -> that window, once there is one
wait_for_window() { wait_until "${2:-10}" window_named "$1"; }

# window_of_size WxH -> the visible window of that size (the main window is 817x578, the wizard
# 464x388)
window_of_size() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $1\$" && {
            echo "$id"
            return 0
        }
    done
    return 1
}

# wait_for_size WxH [SECONDS] -> the visible window of that size, once there is one
wait_for_size() { wait_until "${2:-10}" window_of_size "$1"; }

# window_shown WINDOW: whether the window is mapped.
window_shown() { xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; }

# window_origin WINDOW: its top-left corner on the screen in OX, OY.
window_origin() {
    read -r OX OY < <(xdotool getwindowgeometry "$1" |
        sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
}

# window_shape WINDOW -> the extents of the part that is not see-through, as WxH+X+Y
window_shape() {
    xwininfo -shape -id "$1" | sed -n 's/.*Window shape extents: *//p'
}

# point_at WINDOW X Y: the pointer arrives by a short move, as a hand's would, so the widget there
# sees it enter and move.
point_at() {
    xdotool mousemove --window "$1" $(($2 - 3)) $(($3 - 2)) sleep 0.05 \
        mousemove --window "$1" "$2" "$3" sleep 0.1
}

# click_at WINDOW X Y [BUTTON]
click_at() {
    point_at "$1" "$2" "$3"
    xdotool click "${4:-1}"
}

# focus WINDOW: there is no window manager to give a window the keyboard, so the tests do.
focus() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
}

# press_key_in WINDOW KEY...
press_key_in() {
    local window=$1
    shift
    focus "$window"
    xdotool key "$@"
}

# type_in WINDOW TEXT: letters outside the keyboard's map get keys of their own first (see
# bind_keys.cpp).
type_in() {
    focus "$1"
    "$BIND_KEYS" "$2"
    xdotool type --delay 20 "$2"
}

# replace_text WINDOW X Y TEXT: the text of the edit box at X, Y becomes TEXT.
replace_text() {
    click_at "$1" "$2" "$3"
    press_key_in "$1" ctrl+a
    type_in "$1" "$4"
}

# pixel_at WINDOW X Y -> RRGGBB, as the screen shows it
pixel_at() {
    window_origin "$1"
    import -window root -crop "1x1+$((OX + $2))+$((OY + $3))" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' | head -n 1
}

# capture WINDOW X Y W H FILE: a piece of the window as the screen shows it
capture() {
    window_origin "$1"
    import -window root -crop "${4}x${5}+$((OX + $2))+$((OY + $3))" +repage "$6" 2>/dev/null
}

# region_differs WINDOW X Y W H BEFORE AFTER: captures the piece into AFTER; succeeds when it is
# not the picture in BEFORE.
region_differs() {
    local differing
    capture "$1" "$2" "$3" "$4" "$5" "$7"
    differing=$(compare -metric AE "$6" "$7" null: 2>&1 || true)
    [ "${differing%% *}" != "0" ]
}

# The result list fills the right half of the main window with white.
result_list_shown() { [ "$(pixel_at "$1" 600 400)" = "FFFFFF" ]; }

# --- The wizard ------------------------------------------------------------------------------------
# A step shows the speech bubble over the page: together they make the window's shape. Steps differ
# in their prompts.
WIZARD_STEP_SHAPE='^464x37[0-9]\+0\+15$'

# wizard_state WIZARD -> its shape and a checksum of its prompt. The prompt is read first: a step
# being left hides it only after the shape has lost the bubble.
wizard_state() {
    local prompt
    prompt=$(capture "$1" 56 32 129 48 rgb:- | md5sum)
    echo "$(window_shape "$1") ${prompt%% *}"
}

# wizard_step_after WIZARD STATE: succeeds once the wizard shows a step other than the one in STATE
# and has drawn it: a step gets its shape before its picture.
wizard_step_after() {
    local state
    state=$(wizard_state "$1")
    [ "$state" != "$2" ] && [[ "${state%% *}" =~ $WIZARD_STEP_SHAPE ]] &&
        [ "$(wizard_state "$1")" = "$state" ]
}

# next_step WIZARD X Y: a click at X, Y that must take the wizard on to another step; the
# transition between steps runs on timers, and a step takes input only once it shows.
next_step() {
    local state
    state=$(wizard_state "$1")
    click_at "$1" "$2" "$3"
    wait_until 10 wizard_step_after "$1" "$state" || fail "the wizard stays at $state"
}

# walk_wizard [YEAR MONTH DAY] -> the main window the wizard hands over to after the greeting and
# its three steps; without entries, those its lists offer first.
walk_wizard() {
    local wizard step
    wizard=$(wait_for_size 464x388 10) || fail "no wizard"
    next_step "$wizard" 112 148 # the greeting's "Дальше"
    for step in year month day; do
        [ $# -gt 0 ] && { replace_text "$wizard" 100 90 "$1"; shift; }
        if [ $step = day ]; then
            click_at "$wizard" 112 124
        else
            next_step "$wizard" 112 124
        fi
    done
    wait_for_size 817x578 10 || fail "the wizard did not hand over to the main window"
}
