#!/usr/bin/env bash
# The main window on a real display. First a tool button on its own: a click completes although
# the press swaps the picture under the pointer. Then the whole journey: through the wizard to the
# question, "Да", a result line opened and closed again, the result list saved through the real
# file dialog, byte for byte, with the question before a file is replaced; then the settings (no
# tips, normal speed, saved byte for byte) and the about window, whose "Лицензия" puts the licence
# into the text viewer and brings the main window back.
source "$(dirname "$0")/lib.sh"
start_display

PROBE="$(dirname "$ORLENTA")/tests/main_window/tool_button_probe"
[ -x "$PROBE" ] || fail "tool_button_probe is not built"

# brightness WINDOW X Y -> 0..255, the mean of the pixel's three channels
brightness() {
    local rgb
    rgb=$(pixel_at "$@")
    echo $(((16#${rgb:0:2} + 16#${rgb:2:2} + 16#${rgb:4:2}) / 3))
}

# The save button's tile, left of its icon: light when idle or highlighted, dark when pressed.
SAVE_X=234
SAVE_Y=42
TILE_X=206
dark_tile() { [ "$(brightness "$1" $TILE_X $SAVE_Y)" -lt 110 ]; }
light_tile() { [ "$(brightness "$1" $TILE_X $SAVE_Y)" -gt 150 ]; }

# --- A tool button on its own -------------------------------------------------------------------
make_program_dir '1\r\n3\r\n'
cp "$PROBE" "$PROGDIR/tool_button_probe"
start_orlenta tool_button_probe >"$TMPDIR/probe.out" 2>&1
wait_until 10 grep -q '^ready' "$TMPDIR/probe.out" || fail "the probe did not start"
probe=$(wait_for_size 817x578 10) || fail "no main window"
sleep 0.3

point_at "$probe" $SAVE_X $SAVE_Y
xdotool click 1
wait_until 5 grep -q '^save clicked 1: idle 0 highlighted 1 pressed 0$' "$TMPDIR/probe.out" ||
    fail "a real click did not complete on the save button: $(cat "$TMPDIR/probe.out")"

# A right button shows the pressed picture and does nothing; a left click on it brings back the
# highlighted one, still without acting.
xdotool click 3
wait_until 5 dark_tile "$probe" || fail "a right press did not show the pressed picture"
xdotool click 1
wait_until 5 light_tile "$probe" || fail "a click on the pressed picture did not bring back the highlight"
sleep 0.3
[ "$(grep -c '^save clicked' "$TMPDIR/probe.out")" -eq 1 ] || fail "the save button acted twice"
stop_orlenta

# --- The journey ---------------------------------------------------------------------------------
make_program_dir '1\r\n3\r\n'
start_orlenta
main=$(walk_wizard 1985 май 15)

# The question comes at the end of the intro; "Да" stands where the window was black.
question_shown() { [ "$(brightness "$main" 330 348)" -gt 100 ]; }
wait_until 20 question_shown || fail "the question was not shown"
click_at "$main" 352 348
wait_until 5 result_list_shown "$main" || fail "no result list after \"Да\""
capture "$main" 416 80 401 497 "$TMPDIR/list.png"

# A double-click on the first line shows the text about the sign; back shows the list again (its
# first line now selected).
point_at "$main" 500 90
xdotool click --repeat 2 --delay 80 1
wait_until 5 region_differs "$main" 416 80 401 497 "$TMPDIR/list.png" "$TMPDIR/text.png" ||
    fail "the double-click did not open a text"
click_at "$main" 42 42
wait_until 5 region_differs "$main" 416 80 401 497 "$TMPDIR/text.png" "$TMPDIR/back.png" ||
    fail "back did not bring the list back"
wait_until 5 result_list_shown "$main" || fail "back did not bring the list back"

# The dialog's own title, in Russian where Qt's translations are installed.
SAVE_TITLE='^(Save As|Сохранить как)'
save_dialog_shown() { xdotool search --onlyvisible --name "$SAVE_TITLE" >/dev/null 2>&1; }

# save_as NAME: the save button, then NAME typed into the dialog and confirmed.
save_as() {
    click_at "$main" $SAVE_X $SAVE_Y
    dialog=$(wait_for_window "$SAVE_TITLE" 10) || fail "no save dialog"
    sleep 0.3
    type_in "$dialog" "$1"
    xdotool key Return
}
save_as "$PROGDIR/итоги"
wait_until 10 test -s "$PROGDIR/итоги.txt" || fail "nothing was saved"
wait_while 5 save_dialog_shown || fail "the save dialog stayed open"

expected="$TMPDIR/expected.txt"
printf '%s\n' \
    'Дата рождения: 15 мая 1985 г.' '' \
    'По знаку зодиака.....(Телец)' \
    'По китайскому гороскопу.....(Бык)' \
    'По японскому гороскопу.....(Вол)' \
    'По гороскопу друидов.....(Каштан)' \
    'По цветочному гороскопу.....(Портулак)' \
    'По мифологическому гороскопу.....(Цербер)' \
    'По гороскопу Древних Ариев.....(Верблюд)' >"$expected"
cmp "$expected" "$PROGDIR/итоги.txt" || fail "saved: $(tr '\r\n' '|~' <"$PROGDIR/итоги.txt")"
[ ! -e "$PROGDIR/итоги.txt.txt" ] || fail "the extension was doubled"

# The same name again: the dialog asks before replacing the file, and "No" keeps it.
printf 'keep\r\n' >"$PROGDIR/итоги.txt"
save_as "итоги"
# A second window with the dialog's title.
save_question() { xdotool search --onlyvisible --name "$SAVE_TITLE" 2>/dev/null | grep -vx "$dialog"; }
question=$(wait_until 5 save_question) || fail "no question before replacing the file"
press_key_in "$question" Return # "No" is the default
wait_while 5 window_shown "$question" || fail "the question stayed open"
window_shown "$dialog" || fail "the dialog closed although the file was kept"
press_key_in "$dialog" Escape
wait_while 5 window_shown "$dialog" || fail "the dialog did not close"
[ "$(cat "$PROGDIR/итоги.txt")" = $'keep\r' ] || fail "the kept file was changed"

click_at "$main" 330 42
settings=$(wait_for_window '^Настройки$' 10) || fail "no settings window"
click_at "$settings" 16 24  # "Показывать подсказки" off
click_at "$settings" 24 109 # "Нормально"
click_at "$settings" 48 188 # "Сохранить"
wait_while 10 window_shown "$settings" || fail "the settings window stayed open"
[ "$(od -An -tx1 "$PROGDIR/setting/setting.kvt" | tr -d ' \n')" = "300d0a320d0a" ] ||
    fail "settings file holds $(od -An -tx1 "$PROGDIR/setting/setting.kvt")"

# The main window makes way for the about window and comes back with the licence.
capture "$main" 416 80 401 497 "$TMPDIR/list.png"
click_at "$main" 426 42
about=$(wait_for_window '^О программе$' 10) || fail "no about window"
! window_shown "$main" || fail "the main window stayed on screen under the about window"
click_at "$about" 50 215
wait_while 10 window_shown "$about" || fail "the about window stayed open"
wait_until 10 window_shown "$main" || fail "the main window did not come back"
wait_until 5 region_differs "$main" 416 80 401 497 "$TMPDIR/list.png" "$TMPDIR/licence.png" ||
    fail "the result list is still shown instead of the licence"

kill -0 "$ORLENTA_PID" || fail "orlenta ended"
echo "main_window: passed"
