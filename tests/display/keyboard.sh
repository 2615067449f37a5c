#!/usr/bin/env bash
# The whole journey by keyboard alone on a real display: the wizard (Return on the greeting, Tab
# and Return on "Дальше", the back arrow), the question, a system of the menu through the chooser
# (its general text, then the text about the sign), a line of the result list, saving, settings,
# about and start over. No window manager runs, so the test hands the keyboard to the window on top
# as one would; inside each window only keys move the focus.
source "$(dirname "$0")/lib.sh"
start_display

# keys WINDOW KEY...: one key after another, each given time to act.
keys() {
    local window=$1 key
    shift
    for key in "$@"; do
        press_key_in "$window" "$key"
        sleep 0.15
    done
}

# next_step_by WIZARD KEY...: keys that must take the wizard on to another step.
next_step_by() {
    local wizard=$1 state
    shift
    state=$(wizard_state "$wizard")
    keys "$wizard" "$@"
    wait_until 10 wizard_step_after "$wizard" "$state" || fail "$* left the wizard at $state"
}

# text_differs_from FILE: the main window's right half shows something else than FILE, kept in
# $TMPDIR/shown.png.
text_differs_from() { region_differs "$main" 416 80 401 497 "$1" "$TMPDIR/shown.png"; }

make_program_dir '1\r\n3\r\n'
start_orlenta

# --- The wizard ----------------------------------------------------------------------------------
wizard=$(wait_for_size 464x388 10) || fail "no wizard"
wait_until 5 test -n "$(window_shape "$wizard")" || fail "the wizard has no shape"
next_step_by "$wizard" Return # the greeting's "Дальше"
keys "$wizard" ctrl+a
type_in "$wizard" 1985
next_step_by "$wizard" Tab Return # "Дальше" of the year
next_step_by "$wizard" shift+Tab Return # the back arrow returns to the year
next_step_by "$wizard" Return # the year is still typed in its list
keys "$wizard" ctrl+a
type_in "$wizard" май
next_step_by "$wizard" Return
keys "$wizard" ctrl+a
type_in "$wizard" 15
keys "$wizard" Tab Return
main=$(wait_for_size 817x578 10) || fail "the wizard did not hand over to the main window"

# --- The question and the menu -------------------------------------------------------------------
question_shown() { [ "$(pixel_at "$main" 330 348)" != "000000" ]; }
wait_until 20 question_shown || fail "the question was not shown"
keys "$main" Return # "Да" has the focus
wait_until 5 result_list_shown "$main" || fail "Return did not answer \"Да\""
capture "$main" 416 80 401 497 "$TMPDIR/list.png"

# From the list back to the last system of the menu, then up to the Chinese one.
keys "$main" shift+Tab Up Up Up Up Up Return
chooser=$(wait_for_window '^Китайский гороскоп' 10) || fail "Return on the menu opened no chooser"
keys "$chooser" Return # "Общая характеристика"
wait_while 5 window_shown "$chooser" || fail "the chooser stayed open"
wait_until 5 text_differs_from "$TMPDIR/list.png" || fail "no general text after the chooser"
cp "$TMPDIR/shown.png" "$TMPDIR/general.png"

keys "$main" Return # the keyboard is still on the menu
chooser=$(wait_for_window '^Китайский гороскоп' 10) || fail "the chooser did not open again"
keys "$chooser" Tab Return # "О Вашем знаке"
wait_while 5 window_shown "$chooser" || fail "the chooser stayed open"
wait_until 5 text_differs_from "$TMPDIR/general.png" || fail "no sign text after the chooser"
cp "$TMPDIR/shown.png" "$TMPDIR/sign.png"

# --- The result list -----------------------------------------------------------------------------
# Back through the tool buttons (people, sky and compatibility last) to the first one, Space on it,
# and on round to the list.
keys "$main" shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
wait_until 5 result_list_shown "$main" || fail "the back button did not bring the list back"
keys "$main" shift+Tab Down Down Down Return # the druid tree's line
wait_until 5 text_differs_from "$TMPDIR/list.png" || fail "Return on a result line opened no text"
keys "$main" alt+Left
wait_until 5 result_list_shown "$main" || fail "Alt+Left did not bring the list back"

# --- Saving --------------------------------------------------------------------------------------
keys "$main" ctrl+s
dialog=$(wait_for_window '^(Save As|Сохранить как)' 10) || fail "Ctrl+S showed no save dialog"
sleep 0.3
type_in "$dialog" "$PROGDIR/итоги"
keys "$dialog" Return
wait_until 10 test -s "$PROGDIR/итоги.txt" || fail "nothing was saved"
[ "$(sed -n 6p "$PROGDIR/итоги.txt")" = 'По гороскопу друидов.....(Каштан)' ] ||
    fail "saved: $(tr '\r\n' '|~' <"$PROGDIR/итоги.txt")"

# --- Settings and about --------------------------------------------------------------------------
# From the list on round to the settings button: Return opens it, Space clears the tips, Return
# saves.
keys "$main" Tab Tab Tab Tab Return
settings=$(wait_for_window '^Настройки$' 10) || fail "Return on the settings button opened nothing"
keys "$settings" space Return
wait_while 5 window_shown "$settings" || fail "Return did not save the settings"
[ "$(od -An -tx1 "$PROGDIR/setting/setting.kvt" | tr -d ' \n')" = "300d0a330d0a" ] ||
    fail "settings file holds $(od -An -tx1 "$PROGDIR/setting/setting.kvt")"

# The keyboard is back on the settings button; the next one is about. Its window starts on
# "Закрыть окно"; the link before it is "Лицензия".
keys "$main" Tab Return
about=$(wait_for_window '^О программе$' 10) || fail "Return on the about button opened nothing"
keys "$about" shift+Tab Return
wait_while 5 window_shown "$about" || fail "Return on \"Лицензия\" left the about window open"
wait_until 5 window_shown "$main" || fail "the main window did not come back"
wait_until 5 text_differs_from "$TMPDIR/list.png" || fail "the licence is not shown"

# --- Start over ----------------------------------------------------------------------------------
keys "$main" shift+Tab shift+Tab shift+Tab Return # from about back to start over
wait_while 5 window_shown "$main" || fail "Return on start over left the main window up"
wizard=$(wait_for_size 464x388 10) || fail "start over did not bring the wizard back"
next_step_by "$wizard" Return # the greeting's "Дальше" has the keyboard again

running || fail "orlenta ended"
echo "keyboard: passed"
