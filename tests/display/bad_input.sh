#!/usr/bin/env bash
# Bad input on a real display, case by case: for each, the user sees the right message, the
# program stays usable, and no file is lost or half-written. Texts that cannot be opened, a save
# that cannot be written, settings that cannot be saved. Where this user may mount a small
# filesystem, a full disk is one of the causes. Last, settings missing at the start.
source "$(dirname "$0")/lib.sh"
start_display

MOUNTS=()
trap 'for m in "${MOUNTS[@]}"; do umount "$m" 2>/dev/null || true; done; cleanup' EXIT

# full_disk FOLDER FILE CONTENT: a tiny filesystem at FOLDER holding FILE, then filled up; fails
# where this user may not mount one.
full_disk() {
    mkdir -p "$1"
    mount -t tmpfs -o size=16k tmpfs "$1" 2>/dev/null || return 1
    MOUNTS+=("$1")
    printf "$3" >"$1/$2"
    head -c 1M /dev/zero >"$1/filler" 2>/dev/null || true
}

# message_box -> a box of the program's over the main window (titled "Orlenta" as well)
message_box() { xdotool search --onlyvisible --name '^Orlenta$' 2>/dev/null | grep -vx "$main" | head -n 1; }

# box_says BOX TEXT: whether the box's text is TEXT, copied as a user copies it: a click puts the
# keyboard in the text, which is selectable.
box_says() {
    click_at "$1" 70 16
    xdotool key ctrl+a ctrl+c
    sleep 0.1
    BOX_TEXT=$(xclip -o -selection clipboard 2>/dev/null || true)
    [ "$BOX_TEXT" = "$2" ]
}

# expect_box TEXT: the box comes, says TEXT, and goes with Return.
expect_box() {
    local box
    box=$(wait_until 10 message_box) || fail "no message box (wanted: $1)"
    BOX_TEXT=""
    wait_until 3 box_says "$box" "$1" || fail "the box says \"$BOX_TEXT\", not \"$1\""
    press_key_in "$box" Return
    wait_while 5 window_shown "$box" || fail "the box stayed open"
}

# --- Start: the settings on a full disk where one can be had -------------------------------------
make_program_dir '1\r\n2\r\n'
SETTINGS="$PROGDIR/setting/setting.kvt"
rm -rf "$PROGDIR/setting"
if full_disk "$PROGDIR/setting" setting.kvt '1\r\n2\r\n'; then
    settings_reason="Нет места на диске."
else
    printf '1\r\n2\r\n' >"$SETTINGS"
    settings_reason="Папку не создать: на её месте файл."
fi
start_orlenta
main=$(walk_wizard 1985 май 15)
# The date to open with next time cannot be kept beside settings that cannot be written either.
[ ${#MOUNTS[@]} -eq 0 ] ||
    expect_box "Не удалось сохранить файл $PROGDIR/setting/birth_date.txt."$'\n'"$settings_reason"
question_shown() { [ "$(pixel_at "$main" 320 348)" != "000000" ]; }
wait_until 20 question_shown || fail "the question was not shown"

# --- Nothing to save: at the question, Ctrl+S says so and asks for no name -----------------------
NOTHING="Сохранять нечего: откройте список знаков или текст."
press_key_in "$main" ctrl+s
expect_box "$NOTHING"
echo "ok: nothing to save at the question"
click_at "$main" 352 348
wait_until 5 result_list_shown "$main" || fail "no result list after \"Да\""
capture "$main" 416 80 401 497 "$TMPDIR/list.png"

# --- A text that cannot be opened: the first result line's ---------------------------------------
TEXT="$PROGDIR/Files/zodiac_telesc.KVETAR"
cp "$TEXT" "$TMPDIR/text.KVETAR"
open_first_line() {
    point_at "$main" 500 90
    xdotool click --repeat 2 --delay 80 1
}
back_to_the_list() {
    click_at "$main" 42 42
    wait_until 5 result_list_shown "$main" || fail "back did not bring the list back"
}
# name | how the file is spoiled | the reason shown
while IFS='|' read -r name spoil reason; do
    rm -rf "$TEXT"
    eval "$spoil"
    open_first_line
    expect_box "Не удалось открыть файл $TEXT."$'\n'"$reason"
    # The pane is empty now: the save button has nothing to save either.
    click_at "$main" 234 42
    expect_box "$NOTHING"
    back_to_the_list
    # Mended, it opens.
    rm -rf "$TEXT"
    cp "$TMPDIR/text.KVETAR" "$TEXT"
    open_first_line
    wait_until 5 region_differs "$main" 416 80 401 497 "$TMPDIR/list.png" "$TMPDIR/text.png" ||
        fail "$name: the line did not open once mended"
    back_to_the_list
    echo "ok: text $name"
done <<'CASES'
missing|:|Нет такого файла.
a folder|mkdir "$TEXT"|Это папка.
over 16 MB|truncate -s 17000000 "$TEXT"|Файл больше 16 МБ: это не текст программы.
CASES

# --- Saving the list where it cannot be written --------------------------------------------------
SAVE_TITLE='^(Save As|Сохранить как)'
save_as() {
    click_at "$main" 234 42
    dialog=$(wait_for_window "$SAVE_TITLE" 10) || fail "no save dialog"
    sleep 0.3
    type_in "$dialog" "$1"
    xdotool key Return
}
# name | set-up | name typed | the error | whether the dialog stays for another name
while IFS='|' read -r name setup typed error stays; do
    eval "$setup" || { echo "skipped: save $name"; continue; }
    before=$(ls -lR "$PROGDIR" | md5sum)
    typed=$(eval "echo \"$typed\"")
    error=$(eval "echo \"$error\"")
    save_as "$typed"
    expect_box "${error//\\n/$'\n'}"
    if [ "$stays" = yes ]; then
        window_shown "$dialog" || fail "$name: the dialog closed"
        press_key_in "$dialog" Escape
    fi
    wait_while 5 window_shown "$dialog" || fail "$name: the dialog stayed open"
    [ "$(ls -lR "$PROGDIR" | md5sum)" = "$before" ] || fail "$name: files changed"
    result_list_shown "$main" || fail "$name: the list is gone"
    echo "ok: save $name"
done <<'CASES'
a folder for the document|mkdir "$PROGDIR/итоги.txt"|$PROGDIR/итоги|Не удалось сохранить файл $PROGDIR/итоги.txt.\nЭто папка.|yes
a missing folder|:|$PROGDIR/нет/итоги|Не удалось сохранить файл $PROGDIR/нет/итоги.txt.\nНет такой папки.|no
a full disk|full_disk "$PROGDIR/full" итоги.txt 'old\r\n'|$PROGDIR/full/новые|Не удалось сохранить файл $PROGDIR/full/новые.txt.\nНет места на диске.|no
CASES
[ ! -e "$PROGDIR/full/итоги.txt" ] || [ "$(cat "$PROGDIR/full/итоги.txt")" = $'old\r' ] ||
    fail "the old document changed"

# --- Settings that cannot be saved: the window stays, nothing changes -----------------------------
[ ${#MOUNTS[@]} -gt 0 ] || { mv "$PROGDIR/setting" "$PROGDIR/setting.away" && : >"$PROGDIR/setting"; }
click_at "$main" 330 42
settings=$(wait_for_window '^Настройки$' 10) || fail "no settings window"
click_at "$settings" 16 24  # tips off
click_at "$settings" 24 134 # "Быстро"
click_at "$settings" 48 188 # "Сохранить"
expect_box "Не удалось сохранить файл $SETTINGS."$'\n'"$settings_reason"
window_shown "$settings" || fail "the settings window closed after a failed save"
click_at "$settings" 136 188 # "Отмена"
wait_while 5 window_shown "$settings" || fail "the settings window stayed open"
[ ${#MOUNTS[@]} -gt 0 ] || { rm "$PROGDIR/setting" && mv "$PROGDIR/setting.away" "$PROGDIR/setting"; }
[ "$(od -An -tx1 "$SETTINGS" | tr -d ' \n')" = "310d0a320d0a" ] ||
    fail "the settings file changed: $(od -An -tx1 "$SETTINGS")"
echo "ok: settings: $settings_reason"

running || fail "orlenta ended"
for m in "${MOUNTS[@]}"; do umount "$m"; done
MOUNTS=()
stop_orlenta

# --- No settings at all: the error box, then the program ends with a failure status --------------
make_program_dir
rm -rf "$PROGDIR/setting"
start_orlenta
box=$(wait_for_window '^Orlenta$' 10) || fail "no error box"
sleep 0.3
press_key_in "$box" Return
wait_for_exit 10 || fail "orlenta did not end after the error box"
[ "$EXIT_STATUS" -ne 0 ] || fail "a failed start-up ended with status 0"
echo "bad_input: passed"
