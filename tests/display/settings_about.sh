#!/usr/bin/env bash
# Settings and about on a real display: through the wizard to the result list, then the settings
# button (fast animations, no tips, saved byte for byte) and the about button ("Лицензия" puts the
# licence into the main window's text viewer and brings the main window back).
source "$(dirname "$0")/lib.sh"
start_display

make_program_dir '1\r\n2\r\n'
start_orlenta
main=$(walk_wizard)

# "Да" shows once the intro animation has run; until then its place is black.
not_black() { [ "$(pixel_at "$main" 320 348)" != "000000" ]; }
wait_until 20 not_black || fail "the question was not shown"
click_at "$main" 352 348
wait_until 5 result_list_shown "$main" || fail "no result list after \"Да\""
capture "$main" 416 80 401 497 "$TMPDIR/list.png"

# Settings: point at the settings button, then click it.
click_at "$main" 330 42
settings=$(wait_for_window '^Настройки$' 10) || fail "no settings window"
click_at "$settings" 16 24  # "Показывать подсказки" off
click_at "$settings" 24 134 # "Быстро"
click_at "$settings" 48 188 # "Сохранить"
wait_while 10 window_shown "$settings" || fail "the settings window stayed open"
[ "$(od -An -tx1 "$PROGDIR/setting/setting.kvt" | tr -d ' \n')" = "300d0a330d0a" ] ||
    fail "settings file holds $(od -An -tx1 "$PROGDIR/setting/setting.kvt")"

# About: the main window makes way for it, and "Лицензия" brings it back with the licence shown.
click_at "$main" 426 42
about=$(wait_for_window '^О программе$' 10) || fail "no about window"
! window_shown "$main" || fail "the main window stayed on screen under the about window"
click_at "$about" 50 215
wait_while 10 window_shown "$about" || fail "the about window stayed open"
wait_until 10 window_shown "$main" || fail "the main window did not come back"
wait_until 5 region_differs "$main" 416 80 401 497 "$TMPDIR/list.png" "$TMPDIR/text.png" ||
    fail "the result list is still shown instead of the licence"
kill -0 "$ORLENTA_PID" || fail "orlenta ended"
echo "settings_about: passed"
