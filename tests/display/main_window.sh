#!/usr/bin/env bash
# The main window on a real display. First a tool button on its own: a click completes although
# the press swaps the picture under the pointer. Then the whole journey: through the wizard to the
# question, "Да", a result line opened and closed again, and the result list saved through the real
# file dialog, byte for byte, with the question before a file is replaced.
source "$(dirname "$0")/lib.sh"
start_display

PROBE="$(dirname "$ORLENTA")/tests/main_window/tool_button_probe"
[ -x "$PROBE" ] || fail "tool_button_probe is not built"

# Pointer and screen, in a window's own pixels (no window manager: the window is its client area).
point_at() { xdotool mousemove --window "$1" $(($2 - 3)) $(($3 - 2)) sleep 0.05 \
    mousemove --window "$1" "$2" "$3" sleep 0.1; }
click_in() { point_at "$@"; xdotool click "${4:-1}"; sleep 0.2; }
pixel_of() {
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p' | head -n 1
}
# brightness WINDOW X Y -> 0..255, the mean of the pixel's three channels
brightness() {
    local rgb
    rgb=$(pixel_of "$@")
    echo $(((16#${rgb:0:2} + 16#${rgb:2:2} + 16#${rgb:4:2}) / 3))
}
retry() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
# sized WxH -> the visible window of that size
sized() {
    local id
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $1\$" && {
            echo "$id"
            return 0
        }
    done
    return 1
}
wait_sized() {
    local id
    for _ in $(seq $((${2:-10} * 10))); do
        id=$(sized "$1") && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
visible() { xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; }

# The save button's tile, left of its icon: light when idle or highlighted, dark when pressed.
SAVE_X=234
SAVE_Y=42
TILE_X=206
dark_tile() { [ "$(brightness "$1" $TILE_X $SAVE_Y)" -lt 110 ]; }
light_tile() { [ "$(brightness "$1" $TILE_X $SAVE_Y)" -gt 150 ]; }

# --- A tool button on its own -------------------------------------------------------------------
make_program_dir '1\r\n3\r\n'
cp "$PROBE" "$PROGDIR/tool_button_probe"
(cd / && exec "$PROGDIR/tool_button_probe") >"$TMPDIR/probe.out" 2>&1 &
ORLENTA_PID=$!
retry 10 grep -q '^ready' "$TMPDIR/probe.out" || fail "the probe did not start"
probe=$(wait_sized 817x578 10) || fail "no main window"
sleep 0.3

point_at "$probe" $SAVE_X $SAVE_Y
xdotool click 1
retry 5 grep -q '^save clicked 1: idle 0 highlighted 1 pressed 0$' "$TMPDIR/probe.out" ||
    fail "a real click did not complete on the save button: $(cat "$TMPDIR/probe.out")"

# A right button shows the pressed picture and does nothing; a left click on it brings back the
# highlighted one, still without acting.
xdotool click 3
retry 5 dark_tile "$probe" || fail "a right press did not show the pressed picture"
xdotool click 1
retry 5 light_tile "$probe" || fail "a click on the pressed picture did not bring back the highlight"
sleep 0.3
[ "$(grep -c '^save clicked' "$TMPDIR/probe.out")" -eq 1 ] || fail "the save button acted twice"
kill "$ORLENTA_PID"
wait "$ORLENTA_PID" 2>/dev/null || true
ORLENTA_PID=""
rm -rf "$PROGDIR"

# --- The journey ---------------------------------------------------------------------------------
make_program_dir '1\r\n3\r\n'
start_orlenta
wizard=$(wait_sized 464x388 10) || fail "no wizard"
sleep 0.3

# type_into X Y TEXT: replaces the text of the wizard's drop-down list at X, Y.
type_into() {
    click_in "$wizard" "$1" "$2"
    xdotool key ctrl+a
    xdotool type --delay 20 "$3"
}
click_in "$wizard" 112 148 # greeting
sleep 0.6
for entry in 1985 май 15; do
    type_into 100 90 "$entry"
    click_in "$wizard" 112 124
    sleep 0.6
done
main=$(wait_sized 817x578 10) || fail "the wizard did not hand over to the main window"

# The question comes at the end of the intro; "Да" stands where the window was black.
question_shown() { [ "$(brightness "$main" 330 348)" -gt 100 ]; }
retry 20 question_shown || fail "the question was not shown"
click_in "$main" 352 348
list_shown() { [ "$(pixel_of "$main" 600 400)" = "FFFFFF" ]; }
retry 5 list_shown || fail "no result list after \"Да\""
import -window "$main" -crop 401x497+416+80 +repage "$TMPDIR/list.png"

# A double-click on the first line shows the text about the sign; back shows the list again (its
# first line now selected).
point_at "$main" 500 90
xdotool click --repeat 2 --delay 80 1
sleep 0.5
import -window "$main" -crop 401x497+416+80 +repage "$TMPDIR/text.png"
differing=$(compare -metric AE "$TMPDIR/list.png" "$TMPDIR/text.png" null: 2>&1 || true)
[ "${differing%% *}" != "0" ] || fail "the double-click did not open a text"
click_in "$main" 42 42
sleep 0.3
import -window "$main" -crop 401x497+416+80 +repage "$TMPDIR/back.png"
differing=$(compare -metric AE "$TMPDIR/text.png" "$TMPDIR/back.png" null: 2>&1 || true)
[ "${differing%% *}" != "0" ] || fail "back did not bring the list back"
list_shown || fail "back did not bring the list back"

# The dialog's own title, in Russian where Qt's translations are installed.
SAVE_TITLE='^(Save As|Сохранить как)'

# save_as NAME: the save button, then NAME typed into the dialog and confirmed.
save_as() {
    click_in "$main" $SAVE_X $SAVE_Y
    dialog=$(wait_for_window "$SAVE_TITLE" 10) || fail "no save dialog"
    sleep 0.3
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    xdotool type --delay 20 "$1"
    xdotool key Return
}
save_as "$PROGDIR/итоги"
retry 10 test -s "$PROGDIR/итоги.txt" || fail "nothing was saved"
retry 5 bash -c "! xdotool search --onlyvisible --name '$SAVE_TITLE' >/dev/null 2>&1" ||
    fail "the save dialog stayed open"

expected="$TMPDIR/expected.txt"
printf '%s\r\n' \
    'По знаку зодиака.....(Телец)' \
    'По китайскому гороскопу.....(Бык)' \
    'По японскому гороскопу.....(Вол)' \
    'По гороскопу друидов.....(Каштан)' \
    'По цветочному гороскопу.....(Портулак)' \
    'По мифологическому гороскопу.....(Цербер)' \
    'По гороскопу Древних Ариев.....(Верблюд)' | iconv -f UTF-8 -t CP1251 >"$expected"
cmp "$expected" "$PROGDIR/итоги.txt" ||
    fail "saved: $(iconv -f CP1251 -t UTF-8 "$PROGDIR/итоги.txt" | tr '\r\n' '|')"
[ ! -e "$PROGDIR/итоги.txt.txt" ] || fail "the extension was doubled"

# The same name again: the dialog asks before replacing the file, and "No" keeps it.
printf 'keep\r\n' >"$PROGDIR/итоги.txt"
save_as "итоги"
question=""
for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name "$SAVE_TITLE" 2>/dev/null); do
        [ "$id" != "$dialog" ] && question=$id
    done
    [ -n "$question" ] && break
    sleep 0.1
done
[ -n "$question" ] || fail "no question before replacing the file"
xdotool windowfocus --sync "$question" 2>/dev/null || true
xdotool key Return # "No" is the default
retry 5 bash -c "! xdotool search --onlyvisible --name '' | grep -qx $question" ||
    fail "the question stayed open"
visible "$dialog" || fail "the dialog closed although the file was kept"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Escape
retry 5 bash -c "! xdotool search --onlyvisible --name '' | grep -qx $dialog" ||
    fail "the dialog did not close"
[ "$(cat "$PROGDIR/итоги.txt")" = $'keep\r' ] || fail "the kept file was changed"

kill -0 "$ORLENTA_PID" || fail "orlenta ended"
echo "main_window: passed"
