#!/usr/bin/env bash
# The people and the compatibility report on a real display: two people added from the dates the
# wizard found, one picked (the title and the list change), the report of the two opened, its
# verdicts the command line's, saved in UTF-8; «Небо» opened and walked a day on by the keyboard; a
# person removed; after a restart the list is as left.
source "$(dirname "$0")/lib.sh"
export LC_ALL=C.UTF-8
start_display

brightness() {
    local rgb
    rgb=$(pixel_at "$@")
    echo $(((16#${rgb:0:2} + 16#${rgb:2:2} + 16#${rgb:4:2}) / 3))
}
question_shown() { [ "$(brightness "$main" 330 348)" -gt 100 ]; }
# answer_yes: "Да" after the intro, then the list.
answer_yes() {
    wait_until 20 question_shown || fail "the question was not shown"
    click_at "$main" 352 348
    wait_until 5 result_list_shown "$main" || fail "no result list after \"Да\""
}
title_is() { [ "$(xdotool getwindowname "$main")" = "$1" ]; }
PEOPLE='^Мои люди$'
open_people() {
    press_key_in "$main" ctrl+l
    people=$(wait_for_window "$PEOPLE" 5) || fail "Ctrl+L opened no people window"
    sleep 0.3
}
close_window() {
    press_key_in "$1" Escape
    wait_while 5 window_shown "$1" || fail "Escape did not close the window"
}

make_program_dir '1\r\n3\r\n'
PEOPLE_FILE="$PROGDIR/setting/people.txt"
keep="$PROGDIR"
start_orlenta
main=$(walk_wizard 1985 март 21)
answer_yes

# The first person is the user, «Я» already in the name: Return adds the date found.
open_people
press_key_in "$people" Return
wait_until 5 grep -qsxF $'1985-03-21\tЯ' "$PEOPLE_FILE" || fail "«Я» was not kept"
close_window "$people"

# Another date through the wizard, kept under a name of its own.
press_key_in "$main" ctrl+n
main=$(walk_wizard 1990 август 14)
answer_yes
open_people
press_key_in "$people" alt+Cyrillic_i ctrl+a
type_in "$people" "Маша"
xdotool key Return
wait_until 5 grep -qsxF $'1990-08-14\tМаша' "$PEOPLE_FILE" || fail "Маша was not kept: $(cat "$PEOPLE_FILE")"

# Picking the first person shows their signs and name without the wizard.
capture "$main" 416 80 401 497 "$TMPDIR/masha.png"
press_key_in "$people" Home Return
wait_while 5 window_shown "$people" || fail "picking a person left the window open"
wait_until 5 title_is "Orlenta — Я, 21 марта 1985 г." ||
    fail "the title is $(xdotool getwindowname "$main")"
wait_until 5 region_differs "$main" 416 80 401 497 "$TMPDIR/masha.png" "$TMPDIR/me.png" ||
    fail "the list did not change"

# The report of the two: the same verdicts as the command line's, saved as UTF-8.
press_key_in "$main" ctrl+k
report=$(wait_for_window '^Совместимость$' 5) || fail "Ctrl+K opened no report"
sleep 0.3
press_key_in "$report" ctrl+s
dialog=$(wait_for_window '^(Save As|Сохранить как)' 10) || fail "no save dialog"
sleep 0.3
type_in "$dialog" "$PROGDIR/пара"
xdotool key Return
wait_until 10 test -s "$PROGDIR/пара.txt" || fail "the report was not saved"
verdicts() { grep -oE '— (прекрасная|хорошая|ровная|непростая|трудная) пара'; }
iconv -f UTF-8 -t UTF-8 "$PROGDIR/пара.txt" >/dev/null 2>&1 || fail "the report is not UTF-8"
grep -q 'Я, 21 марта 1985 г.' "$PROGDIR/пара.txt" && grep -q 'Маша, 14 августа 1990 г.' "$PROGDIR/пара.txt" ||
    fail "the report does not name both: $(head -3 "$PROGDIR/пара.txt")"
[ "$(verdicts <"$PROGDIR/пара.txt")" = "$("$ORLENTA" --compat 1985-03-21 1990-08-14 | verdicts)" ] ||
    fail "the report's verdicts differ from the command line's: $(verdicts <"$PROGDIR/пара.txt" | tr '\n' ,)"
[ "$(verdicts <"$PROGDIR/пара.txt" | wc -l)" = 7 ] || fail "the report has not seven verdicts"
cp "$PROGDIR/пара.txt" "$TMPDIR/report.txt"
close_window "$report"

# «Небо» opens by Ctrl+T beside the main window, for today in Moscow; Alt+Right walks a day on.
MONTHS=(января февраля марта апреля мая июня июля августа сентября октября ноября декабря)
sky_title() {
    local day month year
    read -r day month year <<<"$(date -d "$1" +'%-d %-m %Y')"
    echo "Небо — $day ${MONTHS[month - 1]} $year г., Москва"
}
sky_shows() { [ "$(xdotool getwindowname "$sky")" = "$(sky_title "$1")" ]; }
press_key_in "$main" ctrl+t
sky=$(wait_for_window '^Небо — ' 5) || fail "Ctrl+T opened no «Небо»"
wait_until 5 sky_shows today || fail "«Небо» shows $(xdotool getwindowname "$sky")"
sleep 0.3
press_key_in "$sky" alt+Right
wait_until 5 sky_shows tomorrow || fail "Alt+Right left «Небо» at $(xdotool getwindowname "$sky")"
close_window "$sky"

# Removing Маша asks first; Return says yes.
open_people
press_key_in "$people" End Delete
box() { xdotool search --onlyvisible --name "$PEOPLE" 2>/dev/null | grep -vx "$people"; }
question=$(wait_until 5 box) || fail "no question before removing"
press_key_in "$question" Return
wait_until 5 fails grep -qs 'Маша' "$PEOPLE_FILE" || fail "Маша was not removed"
close_window "$people"

# After a restart the list is as left: picking its one person shows them.
kill "$ORLENTA_PID"
wait "$ORLENTA_PID" 2>/dev/null || true
start_orlenta
main=$(walk_wizard 2000 январь 1)
answer_yes
open_people
press_key_in "$people" Home Return
wait_until 5 title_is "Orlenta — Я, 21 марта 1985 г." ||
    fail "after a restart the title is $(xdotool getwindowname "$main")"
[ "$(cat "$PEOPLE_FILE")" = $'# Orlenta: мои люди\n1985-03-21\tЯ' ] || fail "the file holds $(cat "$PEOPLE_FILE")"

running || fail "orlenta ended"
echo "people: passed"
