#!/usr/bin/env bash
# Orlenta as a native Wayland client. Under a headless weston, fixed-size windows asked to maximise
# stay as they are and the program lives. Under a headless sway started here: the wizard shows the
# desktop wherever its design is see-through, at the greeting and at the month step, with no key
# green anywhere; the keyboard alone walks to a text; a modal window survives the main window being
# focused, gets the keyboard back with the choices made in it, and Escape closes it with nothing
# written. sway runs with its defaults and refuses to run as root, so as root the compositor and the
# program run as an unprivileged user of the test's own.
source "$(dirname "$0")/lib.sh"
for tool in sway swaymsg wtype grim jq weston; do
    command -v $tool >/dev/null || fail "$tool is missing: run scripts/install-deps.sh"
done

# The test user must reach everything it runs and writes: all of it lives in one folder of its own.
ROOT=$(mktemp -d /tmp/orlenta-wayland.XXXXXX)
AS=()
if [ "$(id -u)" -eq 0 ]; then
    id orlenta-test >/dev/null 2>&1 ||
        useradd --system --no-create-home --shell /usr/sbin/nologin orlenta-test
    AS=(setpriv --reuid=orlenta-test --regid=orlenta-test --clear-groups)
fi
SWAY_PID="" WESTON_PID=""
stop_all() {
    cleanup
    [ -n "$WESTON_PID" ] && kill "$WESTON_PID" 2>/dev/null && wait "$WESTON_PID" 2>/dev/null
    [ -n "$SWAY_PID" ] && kill "$SWAY_PID" 2>/dev/null && wait "$SWAY_PID" 2>/dev/null
    rm -rf "$ROOT"
}
trap stop_all EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -n "${WAYLAND_DISPLAY:-}" ] && as_user grim "$ROOT/shot.png" 2>/dev/null &&
        cp "$ROOT/shot.png" "$TMPDIR/failure-wayland.png" &&
        echo "screenshot: $TMPDIR/failure-wayland.png" >&2
    exit 1
}

# as_user COMMAND...: runs it as the test user, in the compositor's session once there is one.
as_user() {
    local session=()
    [ -n "${SWAYSOCK:-}" ] && session=(WAYLAND_DISPLAY="$WAYLAND_DISPLAY" SWAYSOCK="$SWAYSOCK")
    "${AS[@]}" env -i PATH="$PATH" LANG=C.UTF-8 HOME="$ROOT" XDG_RUNTIME_DIR="$ROOT/run" "${session[@]}" "$@"
}

mkdir -m 700 "$ROOT/run"
# sway's own defaults, which grant no window's request for the keyboard, only mark it urgent.
cat >"$ROOT/config" <<'EOF'
output HEADLESS-1 resolution 1280x1024 bg #336699 solid_color
xwayland disable
EOF
PROGDIR=$ROOT/program
mkdir -p "$PROGDIR/setting"
cp "$ORLENTA" "$PROGDIR/orlenta"
cp -r "$SOURCE_DIR/Files" "$PROGDIR/Files"
printf '1\r\n3\r\n' >"$PROGDIR/setting/setting.kvt"
cp "$(dirname "$ORLENTA")/tests/toolkit/fixed_size_probe" "$PROGDIR/" || fail "fixed_size_probe is not built"
# A sanitized build's leak suppressions come along, where the test user can read them.
lsan=${LSAN_OPTIONS:-}
if [[ $lsan =~ suppressions=([^:]*) ]]; then
    cp "${BASH_REMATCH[1]}" "$ROOT/lsan.supp"
    lsan=${lsan/"${BASH_REMATCH[1]}"/$ROOT/lsan.supp}
fi
[ ${#AS[@]} -eq 0 ] || chown -R orlenta-test: "$ROOT"

# --- weston: Qt draws the title bar, whose maximise button asks for a state a fixed-size window
# cannot fill; weston ends a client that then draws a frame of another size ----------------------
(exec "${AS[@]}" env -i PATH="$PATH" XDG_RUNTIME_DIR="$ROOT/run" weston --backend=headless-backend.so \
    --socket=weston-orlenta --width=1280 --height=1024 --idle-time=0 >"$ROOT/weston.log" 2>&1) &
WESTON_PID=$!
wait_until 10 [ -S "$ROOT/run/weston-orlenta" ] || fail "weston did not start: $(tail -n 5 "$ROOT/weston.log")"
(cd / && exec "${AS[@]}" env -i PATH="$PATH" LANG=C.UTF-8 HOME="$ROOT" XDG_RUNTIME_DIR="$ROOT/run" \
    WAYLAND_DISPLAY=weston-orlenta QT_QPA_PLATFORM=wayland "$PROGDIR/fixed_size_probe" >"$ROOT/probe.out" 2>&1) &
ORLENTA_PID=$!
probe_over() { grep -q '^done' "$ROOT/probe.out" || ! running; }
wait_until 15 probe_over && running || fail "under weston: $(tail -n 3 "$ROOT/probe.out")"
grep -qx 'now 817x578 normal' "$ROOT/probe.out" && grep -qx 'now 190x211 normal' "$ROOT/probe.out" ||
    fail "maximised under weston: $(grep now "$ROOT/probe.out")"
kill "$ORLENTA_PID" "$WESTON_PID"
wait "$ORLENTA_PID" "$WESTON_PID" 2>/dev/null || true
ORLENTA_PID="" WESTON_PID=""

# Started by exec, so that the process the test ends is sway's own.
(exec "${AS[@]}" env -i PATH="$PATH" HOME="$ROOT" XDG_RUNTIME_DIR="$ROOT/run" WLR_BACKENDS=headless \
    WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$ROOT/config" >"$ROOT/sway.log" 2>&1) &
SWAY_PID=$!
sway_ready() {
    WAYLAND_DISPLAY=$(cd "$ROOT/run" && ls wayland-? 2>/dev/null | head -n 1)
    SWAYSOCK=$(ls "$ROOT"/run/sway-ipc.*.sock 2>/dev/null | head -n 1)
    [ -n "$WAYLAND_DISPLAY" ] && [ -n "$SWAYSOCK" ] && as_user swaymsg -t get_outputs >/dev/null ||
        { SWAYSOCK="" && return 1; }
}
wait_until 10 sway_ready || fail "sway did not start: $(tail -n 5 "$ROOT/sway.log")"

(cd / && exec "${AS[@]}" env -i PATH="$PATH" LANG=C.UTF-8 HOME="$ROOT" XDG_RUNTIME_DIR="$ROOT/run" \
    WAYLAND_DISPLAY="$WAYLAND_DISPLAY" QT_QPA_PLATFORM=wayland ASAN_OPTIONS="${ASAN_OPTIONS:-}" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" LSAN_OPTIONS="$lsan" "$PROGDIR/orlenta") &
ORLENTA_PID=$!

# window TITLE_PATTERN -> "FOCUSED X Y WIDTH HEIGHT" of the first window whose title matches
window() {
    as_user swaymsg -t get_tree | jq -r --arg title "$1" '.. | objects | select(.pid? and
        (.name // "" | test($title))) | "\(.focused) \(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height)"' |
        head -n 1 | grep .
}
focused() { [ "$(window "$1" | cut -d' ' -f1)" = true ]; }

# keys KEY...: each key by a virtual keyboard of its own, given time to take its keymap.
keys() {
    local key
    for key in "$@"; do
        case $key in
        ctrl+* | shift+* | alt+*)
            as_user wtype -s 300 -M "${key%%+*}" -k "${key#*+}" -m "${key%%+*}" ;;
        *) as_user wtype -s 300 -k "$key" ;;
        esac
        sleep 0.1
    done
}
type_text() { as_user wtype -s 300 "$1"; }

# shot WINDOW_PATTERN FILE: the window as the screen shows it
shot() {
    local focus x y w h
    read -r focus x y w h < <(window "$1") || fail "no window $1"
    as_user grim -g "$x,$y ${w}x$h" "$ROOT/grab.png" && cp "$ROOT/grab.png" "$2"
}
# pixel FILE X Y -> RRGGBB
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' | head -n 1
}
# green FILE -> how many pixels show the key colour
green() { convert "$1" -fill black +opaque '#008000' -fill white -opaque '#008000' -format '%[fx:int(mean*w*h+0.5)]' info:; }

WIZARD='^Дата рождения — Orlenta$' MAIN='^Orlenta( — .*)?$'
# The prompt tells the steps apart; a step is there once it is drawn and stays.
prompt() { shot "$WIZARD" "$TMPDIR/wizard.png" && convert "$TMPDIR/wizard.png" -crop 129x48+56+32 rgb:- | md5sum; }
step_after() {
    local now
    now=$(prompt) && [ "$now" != "$1" ] && sleep 0.3 && [ "$(prompt)" = "$now" ]
}
next_step_by() {
    local before
    before=$(prompt)
    keys "$@"
    wait_until 10 step_after "$before" || fail "$* left the wizard where it was"
}
# see_through FILE WHERE: the desktop shows at the wizard's keyed pixels and nowhere the key.
see_through() {
    local at
    for at in "400 30" "2 2" "300 10"; do
        [ "$(pixel "$1" $at)" = 336699 ] || fail "$2: $(pixel "$1" $at) at $at, not the desktop"
    done
    [ "$(green "$1")" = 0 ] || fail "$2: $(green "$1") pixels of key green"
}

# --- The wizard ----------------------------------------------------------------------------------
wait_until 10 window "$WIZARD" >/dev/null || fail "no wizard titled $WIZARD"
sleep 0.5
shot "$WIZARD" "$TMPDIR/greeting.png"
see_through "$TMPDIR/greeting.png" greeting
next_step_by Return
keys ctrl+a
type_text 1985
next_step_by Return
shot "$WIZARD" "$TMPDIR/month.png"
see_through "$TMPDIR/month.png" "month step"
keys ctrl+a
type_text февраль
next_step_by Return
keys ctrl+a
type_text 15
keys Return
wait_until 10 window "$MAIN" >/dev/null || fail "the wizard did not hand over to the main window"

# --- The main window: the question, the list and a text ------------------------------------------
# Its size is fixed: it takes no full-screen state, whoever asks for one.
as_user swaymsg "[title=\"$MAIN\"] fullscreen enable" >/dev/null
windowed() {
    [ "$(as_user swaymsg -t get_tree | jq '[.. | objects | select(.pid? and .fullscreen_mode > 0)] | length')" = 0 ]
}
wait_until 5 windowed || fail "the main window stays full screen"
main_pixel() { shot "$MAIN" "$TMPDIR/main.png" && pixel "$TMPDIR/main.png" "$1" "$2"; }
question_shown() { [ "$(main_pixel 330 348)" != 000000 ]; }
wait_until 20 question_shown || fail "the question was not shown"
# Under load the question may be drawn before the compositor hands the main window the keyboard.
wait_until 10 focused "$MAIN" || fail "the main window did not take the keyboard"
keys Return
list_shown() { [ "$(main_pixel 600 400)" = FFFFFF ]; }
wait_until 10 list_shown || fail "Return did not answer \"Да\""
keys Down Down Down Return # a line of the list, which has the keyboard
wait_until 5 fails list_shown || fail "Return on a result line opened no text"

# --- A modal window stays modal ------------------------------------------------------------------
settings() { od -An -tx1 "$PROGDIR/setting/setting.kvt" | tr -d ' \n'; }
keys ctrl+comma
wait_until 5 focused '^Настройки' || fail "Ctrl+, opened no settings window with the keyboard"
keys space # the tips' box, not yet saved
as_user swaymsg "[title=\"$MAIN\"] focus" >/dev/null
wait_until 5 focused '^Настройки' || fail "the settings window did not take the keyboard back"
keys Return
wait_while 5 window '^Настройки' >/dev/null || fail "Return did not close the settings window"
[ "$(settings)" = 300d0a330d0a ] || fail "the choice made before the main window was focused is lost: $(settings)"
keys ctrl+comma
wait_until 5 focused '^Настройки' || fail "Ctrl+, opened no settings window the second time"
keys space Escape
wait_while 5 window '^Настройки' >/dev/null || fail "Escape did not close the settings window"
[ "$(settings)" = 300d0a330d0a ] || fail "Escape wrote the settings: $(settings)"
running || fail "orlenta ended"
echo "wayland: passed"
