#pragma once

#include <QDate>
#include <QString>

// Dates as a Russian reader writes them, for titles, saved lists and reports.
namespace DateWords {

// The month (1..12) in the genitive, as it follows a day number: "января" .. "декабря".
QString monthGenitive(int month);

// The month (1..12) after "в": "январе" .. "декабре".
QString monthPrepositional(int month);

// "21 марта 1985 г."; empty for an invalid date.
QString dateInWords(const QDate &date);

} // namespace DateWords
