#!/usr/bin/env bash
# Two running copies on a real display: A changes the tips, B the speed, B saves, then A: both
# changes are in the file. Then a link planted in the save folder is refused, and nothing is
# made where it points.
source "$(dirname "$0")/lib.sh"
start_display

make_program_dir '1\r\n2\r\n'
settings_file="$PROGDIR/setting/setting.kvt"
not_black() { [ "$(pixel_at "$1" 320 348)" != "000000" ]; }
# to_results MAIN: past the question to the result list.
to_results() {
    wait_until 20 not_black "$1" || fail "the question was not shown"
    click_at "$1" 352 348
    wait_until 5 result_list_shown "$1" || fail "no result list after \"Да\""
}
# other_window TITLE_PATTERN ID [WxH]: a visible window so titled (and so large) that is not ID.
other_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        [ "$id" != "$2" ] && { [ -z "${3:-}" ] || xdotool getwindowgeometry "$id" | grep -q "Geometry: ${3:-}\$"; } &&
            { echo "$id"; return 0; }
    done
    return 1
}

start_orlenta
pid_a=$ORLENTA_PID
main_a=$(walk_wizard)
to_results "$main_a"
click_at "$main_a" 330 42
settings_a=$(wait_for_window '^Настройки$' 10) || fail "no settings window in A"
click_at "$settings_a" 16 24 # tips off, not saved yet

start_orlenta
pid_b=$ORLENTA_PID
walk_wizard >/dev/null
main_b=$(wait_until 10 other_window '' "$main_a" 817x578) || fail "no main window in B"
to_results "$main_b"
click_at "$main_b" 330 42
settings_b=$(wait_until 10 other_window '^Настройки$' "$settings_a") || fail "no settings window in B"
click_at "$settings_b" 24 84 # "Медленно"
click_at "$settings_b" 48 188
wait_while 10 window_shown "$settings_b" || fail "B's settings window stayed open"
xdotool windowraise "$settings_a" # B's main window came up over it
click_at "$settings_a" 48 188
wait_while 10 window_shown "$settings_a" || fail "A's settings window stayed open"
[ "$(od -An -tx1 "$settings_file" | tr -d ' \n')" = "300d0a310d0a" ] ||
    fail "the settings hold $(od -An -tx1 "$settings_file"), not A's tips and B's speed"
echo "ok: two copies keep both settings"

# A link planted where the document goes, leading out of the folder: refused, nothing made.
elsewhere=$(mktemp -d)
ln -s "$elsewhere/planted.conf" "$PROGDIR/отчёт.txt"
kill "$pid_b"
xdotool windowraise "$main_a"
press_key_in "$main_a" ctrl+s
dialog=$(wait_for_window '^(Save As|Сохранить как)' 10) || fail "no save dialog"
sleep 0.3
type_in "$dialog" "$PROGDIR/отчёт"
xdotool key Return
box=$(wait_until 10 other_window '^Orlenta$' "$main_a") || fail "no error box for the planted link"
press_key_in "$box" Return
[ ! -e "$elsewhere/planted.conf" ] || fail "the save followed the planted link"
rm -rf "$elsewhere"
kill -0 "$pid_a" || fail "A ended"
echo "two_copies: passed"
