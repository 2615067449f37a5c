#!/usr/bin/env bash
# The command line with no display at all: the result lines of a date around a lunar new year and
# the Ancient Aryan 21 March, exactly as the result list shows them; help and version; and the
# refusals, each one Russian line on standard error with status 2 and nothing on standard output.
set -uo pipefail
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export LC_ALL=C.UTF-8
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# expect STATUS "ARGUMENTS" LINE...: each LINE must be a whole line of standard output.
expect() {
    local status=$1 arguments=$2 line out err
    shift 2
    out=$("$ORLENTA" $arguments 2>"$TMPDIR/stderr")
    local got=$?
    err=$(cat "$TMPDIR/stderr")
    [ "$got" = "$status" ] || fail "$arguments: status $got, not $status ($err)"
    for line in "$@"; do
        grep -qxF -- "$line" <<<"$out" || fail "$arguments: no line \"$line\" in: $out"
    done
    if [ "$status" = 2 ]; then
        [ -z "$out" ] || fail "$arguments: refused, yet printed $out"
        [ "$(wc -l <<<"$err")" = 1 ] && grep -qP '\p{Cyrillic}' <<<"$err" ||
            fail "$arguments: not one Russian line: $err"
    fi
}

# The day the wizard journey of the display tests takes, all seven lines in the list's order.
out=$("$ORLENTA" --date 1985-05-15)
[ "$out" = "$(printf '%s\n' 'По знаку зодиака.....(Телец)' 'По китайскому гороскопу.....(Бык)' \
    'По японскому гороскопу.....(Вол)' 'По гороскопу друидов.....(Каштан)' \
    'По цветочному гороскопу.....(Портулак)' 'По мифологическому гороскопу.....(Цербер)' \
    'По гороскопу Древних Ариев.....(Верблюд)')" ] || fail "1985-05-15 gave: $out"

# Two dates side by side: one verdict line per system, in the order of --date, each followed by
# its reason indented by two spaces.
out=$("$ORLENTA" --compat 1985-03-21 1990-08-14)
[ "$(printf '%s\n' "$out" | grep -v '^  ')" = "$(printf '%s\n' 'По знаку зодиака: Овен и Лев — прекрасная пара' \
    'По китайскому гороскопу: Бык и Лошадь — непростая пара' \
    'По японскому гороскопу: Вол и Лошадь — непростая пара' \
    'По гороскопу друидов: Дуб и Картас (Кедр) — хорошая пара' \
    'По цветочному гороскопу: Наперстянка (Дигиталис) и Роза — ровная пара' \
    'По мифологическому гороскопу: Пегас и Грифон — трудная пара' \
    'По гороскопу Древних Ариев: Верблюд и Гепард — непростая пара')" ] ||
    fail "--compat 1985-03-21 1990-08-14 gave: $out"
[ "$(printf '%s\n' "$out" | sed -n 2p)" = '  Овен и Лев стоят в трине, на трети круга друг от друга, и стихия у них одна — Огонь. Они понимают друг друга без долгих объяснений и поддерживают один другого.' ] &&
    [ "$(printf '%s\n' "$out" | grep -c '^  [^ ]')" = 7 ] ||
    fail "--compat gave no reason under each verdict: $out"

# The Chinese new year of 1985 fell on 20 February.
expect 0 "--date 1985-02-19" 'По китайскому гороскопу.....(Крыса)' 'По японскому гороскопу.....(Крыса)'
expect 0 "--date 1985-02-20" 'По китайскому гороскопу.....(Бык)' 'По японскому гороскопу.....(Вол)'
expect 0 "--date 1985-03-20" 'По гороскопу Древних Ариев.....(Барсук)'
expect 0 "--date 1985-03-21" 'По гороскопу Древних Ариев.....(Верблюд)' 'По знаку зодиака.....(Овен)'
expect 0 "--date 1900-01-01" 'По гороскопу Древних Ариев.....(Белый Медведь)'
# The years end where the wizard's list ends: this year.
this_year=$(date +%Y)
expect 0 "--date $this_year-01-01" 'По знаку зодиака.....(Козерог)'
expect 2 "--date $((this_year + 1))-01-01"
expect 0 "--help" '  --date <ГГГГ-ММ-ДД>    Вывести знаки для даты рождения в семи гороскопах и'
expect 0 "--version" "Orlenta $VERSION"
expect 0 "--help" '  --open-sky             Открыть окно «Небо» на сегодня для запомненной даты'

for refused in "--date 1899-12-31" "--date 2100-01-01" "--date 1985-02-29" "--date 1900-02-29" \
    "--date 1985-3-21" "--date 21.03.1985" "--date" "--frob" "-x" "extra" "--compat 1985-03-21" \
    "--compat 1985-03-21 1985-02-29" "--compat 2100-01-01 1985-03-21" \
    "--compat 1985-03-21 1990-08-14 extra" "--date 1985-03-21 --compat 1990-08-14 1985-03-21" \
    "--date $(date -d tomorrow +%F)" "--date 1985-03-21 --date 1990-08-14" "-hv" "--date ١٩٨٥-03-21" \
    "--open-sky --date 1985-03-21" "--open-sky --open-sky --version"; do
    expect 2 "$refused"
done

# A refusal quotes what was typed whole up to 40 characters.
forty=$(printf '%040d' 0)
err=$("$ORLENTA" --date "$forty" 2>&1)
grep -qF "«$forty»" <<<"$err" || fail "--date $forty was not quoted whole: $err"

# The sky of a day, as PyEphem reckons it (tests/engine/sky_reference.txt): a new moon just
# after the moonrise in St Petersburg; Moscow when no city is named; any day to 2099.
out=$("$ORLENTA" --sky 1985-03-21 --city Санкт-Петербург)
[ "$out" = "$(printf '%s\n' 'Небо: 21 марта 1985 г., Санкт-Петербург' \
    'Солнце: восход 06:58, заход 19:15' 'Луна: восход 07:34, заход 19:02' \
    'Лунные сутки: 29-е, с 07:34 — 30-е, с 14:59 — 1-е' 'Луна в знаке: Рыбы, с 13:20 — Овен' \
    'Фаза: новолуние в 14:59; освещена на 0 %')" ] || fail "--sky 1985-03-21 gave: $out"
expect 0 "--sky 2026-12-08" 'Небо: 8 декабря 2026 г., Москва' 'Луна: восход 08:48, заход 14:40'
expect 0 "--sky 2099-12-31 --city сидней" 'Небо: 31 декабря 2099 г., Сидней'
expect 0 "--cities" "$(printf 'Москва\t55.7558\t37.6173\tEurope/Moscow')" \
    "$(printf 'Буэнос-Айрес\t-34.6037\t-58.3816\tAmerica/Argentina/Buenos_Aires')"
[ "$("$ORLENTA" --cities | wc -l)" -ge 100 ] || fail "--cities lists fewer than 100 cities"
expect 0 "--help" '  --sky <ГГГГ-ММ-ДД>     Вывести небо дня (восход и заход Солнца и Луны, лунные' \
    '  --city <ГОРОД>         Город для --sky (по умолчанию Москва).'
for refused in "--sky 1899-12-31" "--sky 2100-01-01" "--sky 2026-02-30" "--sky 2026-12-8" \
    "--sky 2026-12-08 --city Атлантида" "--sky 2026-12-08 --city" "--city Москва" \
    "--sky 2026-12-08 extra" "--sky 2026-12-08 --date 1985-03-21" "--cities extra" \
    "--cities --sky 2026-12-08" "--sky 2026-12-08 --sky 2026-12-09"; do
    expect 2 "$refused"
done

# refused_shows ARGUMENT TEXT: the argument is refused and the refusal shows it as TEXT, one line.
refused_shows() {
    local err
    err=$("$ORLENTA" --date "$1" 2>&1 >/dev/null)
    [ $? = 2 ] && [ "$(wc -l <<<"$err")" = 1 ] && grep -qF -- "$2" <<<"$err" ||
        fail "--date $(printf %q "$1"): $err"
}
refused_shows $'1985-03-21\n' '«1985-03-21\n»'
refused_shows $'\e[31mred' '«\u001b[31mred»'
refused_shows "$(head -c 100000 /dev/zero | tr '\0' 7)" "«7777777777777777777777777777777777777777…»"
err=$("$ORLENTA" -hv 2>&1)
grep -qF '«-hv»' <<<"$err" || fail "-hv is shown as: $err"

# No display: one Russian line and status 1, no abort.
err=$("$ORLENTA" 2>&1)
status=$?
[ "$status" = 1 ] && [ "$err" = "Нет графического экрана: запустите Orlenta в графическом сеансе или используйте --date." ] ||
    fail "no display: status $status, said: $err"
err=$(DISPLAY=:99999 "$ORLENTA" 2>&1)
[ $? = 1 ] && [ "$(wc -l <<<"$err")" = 1 ] || fail "an unusable display: $err"

[ "$failures" = 0 ] || exit 1
echo "command_line: passed"
