#!/usr/bin/env bash
# Everyday use on a real display: a refused 31 February as a screen reader reads it; the date in
# the title and above the saved list (UTF-8, under the suggested name); the text size keys in the
# viewer; Ctrl+Q. Then a second start that reaches the same result by Return alone and saves in the
# design's code page, byte for byte; and a laptop screen at 150 % where every window lies inside
# the screen.
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/lib.sh"
start_display
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export HOME="$TMPDIR/everyday-home"
rm -rf "$HOME" && mkdir -p "$HOME"

SIGNS=(
    'По знаку зодиака.....(Рыбы)'
    'По китайскому гороскопу.....(Бык)'
    'По японскому гороскопу.....(Вол)'
    'По гороскопу друидов.....(Сосна)'
    'По цветочному гороскопу.....(Мимоза)'
    'По мифологическому гороскопу.....(Гарпия)'
    'По гороскопу Древних Ариев.....(Барсук)'
)
SAVED="$HOME/Гороскоп 1985-02-28.txt"
TITLE='Orlenta — 28 февраля 1985 г.'
SAVE_TITLE='^(Save As|Сохранить как)'

brightness() {
    local rgb
    rgb=$(pixel_at "$@")
    echo $(((16#${rgb:0:2} + 16#${rgb:2:2} + 16#${rgb:4:2}) / 3))
}
question_shown() { [ "$(brightness "$1" 330 348)" -gt 100 ]; }

# described TEXT: some control of the running program carries TEXT as its name or description
# for a screen reader.
described() {
    /usr/bin/python3 - "$1" <<'EOF'
import sys, pyatspi
def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "orlenta":
        sys.exit(0 if any(sys.argv[1] in (n.name, n.description) for n in walk(app)) else 1)
sys.exit(1)
EOF
}

# enter_step WIZARD TEXT: TEXT typed into the step's list and taken with Return; the wizard must
# move on to another step.
enter_step() {
    local state
    state=$(wizard_state "$1")
    replace_text "$1" 100 90 "$2"
    press_key_in "$1" Return
    wait_until 10 wizard_step_after "$1" "$state" || fail "\"$2\" left the wizard at $state"
}

# save_list: Ctrl+S and Return in the dialog: the suggested name, in the home folder.
save_list() {
    local dialog
    press_key_in "$1" ctrl+s
    dialog=$(wait_for_window "$SAVE_TITLE" 10) || fail "no save dialog"
    sleep 0.3
    press_key_in "$dialog" Return
    wait_until 10 test -s "$SAVED" || fail "nothing was saved under the suggested name"
}

# --- First start: refusal, title, UTF-8 list, text size, Ctrl+Q ---------------------------------
make_program_dir '1\r\n3\r\n'
start_orlenta
wizard=$(wait_for_size 464x388 10) || fail "no wizard"
next_step "$wizard" 112 148
enter_step "$wizard" 1985
enter_step "$wizard" февраль
replace_text "$wizard" 100 90 31
press_key_in "$wizard" Return
wait_until 10 described 'В феврале 1985 года 28 дней.' ||
    fail "a screen reader is not told why 31 February was refused"
replace_text "$wizard" 100 90 28
press_key_in "$wizard" Return
main=$(wait_for_size 817x578 10) || fail "the wizard did not hand over to the main window"
[ "$(xdotool getwindowname "$main")" = "$TITLE" ] ||
    fail "the title reads \"$(xdotool getwindowname "$main")\""
wait_until 20 question_shown "$main" || fail "the question was not shown"
press_key_in "$main" Return
wait_until 5 result_list_shown "$main" || fail "no result list after \"Да\""

save_list "$main"
cmp <(printf 'Дата рождения: 28 февраля 1985 г.\n\n' && printf '%s\n' "${SIGNS[@]}") "$SAVED" ||
    fail "saved list: $(tr '\r\n' '|~' <"$SAVED")"
rm "$SAVED"

# The text about the zodiac sign, larger by a step and back.
capture "$main" 416 80 401 497 "$TMPDIR/list.png"
press_key_in "$main" Return
wait_until 5 region_differs "$main" 416 80 401 497 "$TMPDIR/list.png" "$TMPDIR/text.png" ||
    fail "Return on the list did not open a text"
sleep 0.3
capture "$main" 416 80 401 497 "$TMPDIR/text.png"
press_key_in "$main" ctrl+plus
wait_until 5 region_differs "$main" 416 80 401 497 "$TMPDIR/text.png" "$TMPDIR/larger.png" ||
    fail "Ctrl+plus did not enlarge the text"
[ "$(cat "$PROGDIR/setting/text_size.txt")" = 110 ] || fail "the text size was not kept"
press_key_in "$main" ctrl+0
wait_until 5 fails region_differs "$main" 416 80 401 497 "$TMPDIR/text.png" "$TMPDIR/back.png" ||
    fail "Ctrl+0 did not bring the design's size back"
[ "$(cat "$PROGDIR/setting/text_size.txt")" = 100 ] || fail "the design's size was not kept"

press_key_in "$main" ctrl+q
wait_for_exit 10 || fail "Ctrl+Q did not end the program"
[ "$EXIT_STATUS" = 0 ] || fail "Ctrl+Q ended the program with status $EXIT_STATUS"

# --- Second start: Return alone, the design's code page -----------------------------------------
printf 'windows-1251\n' >"$PROGDIR/setting/save_format.txt"
start_orlenta
wizard=$(wait_for_size 464x388 10) || fail "no wizard at the second start"
for _ in greeting year month; do
    state=$(wizard_state "$wizard")
    press_key_in "$wizard" Return
    wait_until 10 wizard_step_after "$wizard" "$state" || fail "Return left the wizard at $state"
done
press_key_in "$wizard" Return
main=$(wait_for_size 817x578 10) || fail "Return on the day did not finish the wizard"
[ "$(xdotool getwindowname "$main")" = "$TITLE" ] || fail "the second start reached another date"
wait_until 20 question_shown "$main" || fail "the question was not shown"
press_key_in "$main" Return
wait_until 5 result_list_shown "$main" || fail "no result list after \"Да\""
save_list "$main"
cmp <(printf '%s\r\n' "${SIGNS[@]}" | iconv -f UTF-8 -t CP1251) "$SAVED" ||
    fail "saved in the code page: $(iconv -f CP1251 -t UTF-8 "$SAVED" | tr '\r\n' '|~')"
stop_orlenta

# --- A laptop at 150 %: every window inside the screen ------------------------------------------
kill "$XVFB_PID" && wait "$XVFB_PID" 2>/dev/null || true
SCREEN=1366x768 start_display
export QT_SCALE_FACTOR=1.5

# inside WINDOW: the window lies whole on the 1366x768 screen.
inside() {
    local x y w h
    read -r x y < <(xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p')
    read -r w h < <(xdotool getwindowgeometry "$1" | sed -n 's/ *Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1366 ] && [ $((y + h)) -le 768 ] ||
        fail "window $(xdotool getwindowname "$1") at ${w}x$h+$x+$y is not inside the screen"
}
# all_inside: every window on show lies inside the screen; the last one in WINDOW.
all_inside() {
    WINDOW=""
    for WINDOW in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        inside "$WINDOW"
    done
    [ -n "$WINDOW" ] || fail "no window at 150 %"
}

make_program_dir '1\r\n3\r\n'
printf '1985-02-28\n' >"$PROGDIR/setting/birth_date.txt"
start_orlenta
sleep 2
all_inside
for _ in greeting year month day; do
    press_key_in "$WINDOW" Return
    sleep 1.5
done
wait_for_window "^Orlenta — " 10 >/dev/null || fail "no main window at 150 %"
sleep 0.5
all_inside
echo "everyday: passed"
