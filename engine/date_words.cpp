#include "engine/date_words.h"

namespace DateWords {

namespace {

struct MonthName {
    const char *genitive;
    const char *prepositional;
};

const MonthName MonthNames[] = {
    {"января", "январе"},     {"февраля", "феврале"}, {"марта", "марте"},   {"апреля", "апреле"},
    {"мая", "мае"},           {"июня", "июне"},       {"июля", "июле"},     {"августа", "августе"},
    {"сентября", "сентябре"}, {"октября", "октябре"}, {"ноября", "ноябре"}, {"декабря", "декабре"},
};

const MonthName *monthName(int month)
{
    return month >= 1 && month <= 12 ? &MonthNames[month - 1] : nullptr;
}

} // namespace

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

} // namespace DateWords
