#include "engine/date_words.h"

#include "engine/clock.h"
#include "engine/day_numbers.h"

namespace DateWords {

namespace {

struct MonthName {
    const char *nominative;
    const char *genitive;
    const char *prepositional;
};

// clang-format off
const MonthName MonthNames[] = {
    {"январь", "января", "январе"},       {"февраль", "февраля", "феврале"},
    {"март", "марта", "марте"},           {"апрель", "апреля", "апреле"},
    {"май", "мая", "мае"},                {"июнь", "июня", "июне"},
    {"июль", "июля", "июле"},             {"август", "августа", "августе"},
    {"сентябрь", "сентября", "сентябре"}, {"октябрь", "октября", "октябре"},
    {"ноябрь", "ноября", "ноябре"},       {"декабрь", "декабря", "декабре"},
};
// clang-format on

const MonthName *monthName(int month)
{
    return month >= 1 && month <= 12 ? &MonthNames[month - 1] : nullptr;
}

} // namespace

QString monthNominative(int month)
{
    const MonthName *name = monthName(month);
    return name ? QString::fromUtf8(name->nominative) : QString();
}

QString monthGenitive(int month)
{
    const MonthName *name = monthName(month);
    return name ? QString::fromUtf8(name->genitive) : QString();
}

QString monthPrepositional(int month)
{
    const MonthName *name = monthName(month);
    return name ? QString::fromUtf8(name->prepositional) : QString();
}

QString dateInWords(const QDate &date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1 %2 %3 г.")
        .arg(date.day())
        .arg(monthGenitive(date.month()))
        .arg(date.year());
}

QString shortMonth(int year, int month)
{
    return QStringLiteral("В %1 %2 года %3 дней.")
        .arg(monthPrepositional(month))
        .arg(year)
        .arg(QDate(year, month, 1).daysInMonth());
}

QString notYet()
{
    return QStringLiteral("Этот день ещё не наступил: нужна дата рождения.");
}

QString noSuchYear(int first, int last)
{
    return QStringLiteral("Выберите год из списка: с %1 по %2.").arg(first).arg(last);
}

QString birthDateRefusal(int year, int month, int day)
{
    if (year < DayNumbers::FirstYear || year > DayNumbers::lastOfferedYear())
        return noSuchYear(DayNumbers::FirstYear, DayNumbers::lastOfferedYear());
    if (month < 1 || month > 12 || day < 1)
        return QStringLiteral("Выберите месяц и число.");
    if (!QDate(year, month, day).isValid())
        return shortMonth(year, month);
    return QDate(year, month, day) > Clock::today() ? notYet() : QString();
}

} // namespace DateWords
