#!/usr/bin/env bash
# An installed copy on a real display, as a new user meets it: installed into a fresh prefix, run
# with a fresh home through the wizard, a changed setting and a save by a bare file name. The
# settings land in the user's configuration folder, the document in the documents folder, and
# not a byte below the prefix changes.
source "$(dirname "$0")/lib.sh"

PROGDIR=$(mktemp -d) # the prefix; lib.sh removes it at the end
cmake --install "$BUILD_DIR" --prefix "$PROGDIR" >/dev/null || fail "cmake --install failed"
[ ! -e "$PROGDIR/bin/Files" ] || fail "texts installed beside the executable"
for size in 16 24 32 48 64 128 256 512; do
    icon="$PROGDIR/share/icons/hicolor/${size}x$size/apps/org.example.Orlenta.png"
    [ "$(identify -format %wx%h "$icon" 2>&1)" = "${size}x$size" ] || fail "icon $size: $icon"
done
prefix_sums() { (cd "$PROGDIR" && find . -print0 | sort -z | xargs -0 stat -c '%n %s %Y' &&
    find . -type f -print0 | sort -z | xargs -0 sha256sum); }
prefix_sums >"$TMPDIR/prefix.before"

export HOME="$PROGDIR.home"
trap 'cleanup; rm -rf "$HOME"' EXIT
mkdir -p "$HOME/Documents"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CONFIG_DIRS
start_display
start_orlenta bin/orlenta
main=$(walk_wizard 1985 май 15)
not_black() { [ "$(pixel_at "$main" 320 348)" != "000000" ]; }
wait_until 20 not_black || fail "the question was not shown"
click_at "$main" 352 348
wait_until 5 result_list_shown "$main" || fail "no result list after \"Да\""

# Settings: tips off, slow animations.
click_at "$main" 330 42
settings=$(wait_for_window '^Настройки$' 10) || fail "no settings window"
# Every window carries the program's icon, at the sizes it is drawn in.
for window in "$main" "$settings"; do
    grep -q 'Icon (16 x 16)' <<<"$(xprop -id "$window" _NET_WM_ICON)" || fail "no icon on $window"
done
click_at "$settings" 16 24 # "Показывать подсказки" off
click_at "$settings" 24 84 # "Медленно"
click_at "$settings" 48 188 # "Сохранить"
wait_while 10 window_shown "$settings" || fail "the settings window stayed open"
user_settings="$HOME/.config/orlenta/setting.kvt"
[ "$(od -An -tx1 "$user_settings" | tr -d ' \n')" = "300d0a310d0a" ] ||
    fail "the user's settings hold $(od -An -tx1 "$user_settings" 2>&1)"

# The result list, saved by a bare name.
click_at "$main" 234 42
dialog=$(wait_for_window '^(Save As|Сохранить как)' 10) || fail "no save dialog"
sleep 0.3
type_in "$dialog" "итоги"
xdotool key Return
wait_until 10 test -s "$HOME/Documents/итоги.txt" || fail "nothing was saved in Documents"
printf '%s\n' 'Дата рождения: 15 мая 1985 г.' '' 'По знаку зодиака.....(Телец)' \
    'По китайскому гороскопу.....(Бык)' 'По японскому гороскопу.....(Вол)' \
    'По гороскопу друидов.....(Каштан)' 'По цветочному гороскопу.....(Портулак)' \
    'По мифологическому гороскопу.....(Цербер)' 'По гороскопу Древних Ариев.....(Верблюд)' |
    cmp - "$HOME/Documents/итоги.txt" || fail "saved: $(tr '\r\n' '|~' <"$HOME/Documents/итоги.txt")"
running || fail "orlenta ended"
[ -n "${SCREENSHOT:-}" ] && import -window root "$SCREENSHOT"
kill "$ORLENTA_PID"
wait "$ORLENTA_PID" 2>/dev/null || true
ORLENTA_PID=""

prefix_sums >"$TMPDIR/prefix.after"
diff "$TMPDIR/prefix.before" "$TMPDIR/prefix.after" >&2 || fail "the program wrote below its prefix"
echo "installed: passed"
