#!/usr/bin/env bash
# Settings and about on a real display: through the wizard to the result list, then the settings
# button (fast animations, no tips, saved byte for byte) and the about button ("Лицензия" puts the
# licence into the main window's text viewer and brings the main window back).
source "$(dirname "$0")/lib.sh"
start_display

# window_origin WINDOW: its top-left corner on the screen in OX, OY (no window manager, no frame).
window_origin() {
    local geometry
    geometry=$(xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
    read -r OX OY <<<"$geometry"
}

# click_at WINDOW X Y: a left click at client pixel X, Y, reached by a short move as a hand would.
click_at() {
    window_origin "$1"
    xdotool mousemove $((OX + $2 - 2)) $((OY + $3 - 2)) sleep 0.05 \
        mousemove $((OX + $2)) $((OY + $3)) sleep 0.05 click 1
}

# pixel WINDOW X Y -> "#RRGGBB" at client pixel X, Y
pixel() {
    window_origin "$1"
    import -window root -crop "1x1+$((OX + $2))+$((OY + $3))" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*\(#[0-9A-F]\{6\}\).*/\1/p'
}

# capture WINDOW X Y W H FILE: a piece of the window as it is on screen
capture() {
    window_origin "$1"
    import -window root -crop "${4}x${5}+$((OX + $2))+$((OY + $3))" +repage "$6" 2>/dev/null
}

# wait_until SECONDS COMMAND...: retries the command until it succeeds
wait_until() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

window_gone() { ! xdotool search --onlyvisible --name "" 2>/dev/null | grep -qx "$1"; }
window_shown() { xdotool search --onlyvisible --name "" 2>/dev/null | grep -qx "$1"; }

# The main window is the 817 x 578 one; the wizard is 464 x 388.
window_of_size() {
    local id
    for id in $(xdotool search --onlyvisible --name "" 2>/dev/null); do
        if xdotool getwindowgeometry "$id" | grep -q "Geometry: $1\$"; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

make_program_dir '1\r\n2\r\n'
start_orlenta

# Through the wizard with the offered first entries; the three later "Дальше" share one place.
wizard=$(wait_until 10 window_of_size 464x388 && window_of_size 464x388) || fail "no wizard"
click_at "$wizard" 112 148
main=""
for _ in $(seq 150); do
    main=$(window_of_size 817x578) && break
    window_shown "$wizard" && click_at "$wizard" 112 124
    sleep 0.2
done
[ -n "$main" ] || fail "the wizard did not hand over to the main window"

# "Да" shows once the intro animation has run; until then its place is black.
not_black() { [ "$(pixel "$main" 320 348)" != "#000000" ]; }
wait_until 20 not_black || fail "the question was not shown"
click_at "$main" 352 348
sleep 0.3
capture "$main" 416 80 401 497 "$TMPDIR/list.png"

# Settings: point at the settings button, then click it.
click_at "$main" 330 42
settings=$(wait_for_window '^Настройки$' 10) || fail "no settings window"
click_at "$settings" 16 24  # "Показывать подсказки" off
click_at "$settings" 24 134 # "Быстро"
click_at "$settings" 48 188 # "Сохранить"
wait_until 10 window_gone "$settings" || fail "the settings window stayed open"
[ "$(od -An -tx1 "$PROGDIR/setting/setting.kvt" | tr -d ' \n')" = "300d0a330d0a" ] ||
    fail "settings file holds $(od -An -tx1 "$PROGDIR/setting/setting.kvt")"

# About: the main window makes way for it, and "Лицензия" brings it back with the licence shown.
click_at "$main" 426 42
about=$(wait_for_window '^О программе$' 10) || fail "no about window"
window_gone "$main" || fail "the main window stayed on screen under the about window"
click_at "$about" 50 215
wait_until 10 window_gone "$about" || fail "the about window stayed open"
wait_until 10 window_shown "$main" || fail "the main window did not come back"
sleep 0.3
capture "$main" 416 80 401 497 "$TMPDIR/text.png"
differing=$(compare -metric AE "$TMPDIR/list.png" "$TMPDIR/text.png" null: 2>&1 || true)
[ "${differing%% *}" != "0" ] || fail "the result list is still shown instead of the licence"
kill -0 "$ORLENTA_PID" || fail "orlenta ended"
echo "settings_about: passed"
