#pragma once

#include <QDate>
#include <QString>

// Dates as a Russian reader writes them, for titles, saved lists and reports.
namespace DateWords {

// The month (1..12) as a list names it: "январь" .. "декабрь".
QString monthNominative(int month);

// The month (1..12) in the genitive, as it follows a day number: "января" .. "декабря".
QString monthGenitive(int month);

// The month (1..12) after "в": "январе" .. "декабре".
QString monthPrepositional(int month);

// "21 марта 1985 г."; empty for an invalid date.
QString dateInWords(const QDate &date);

// Why a birth date is not taken, as the wizard says it: "В феврале 1985 года 28 дней." for a day
// the month does not have, a day after today, a year the program does not offer.
QString shortMonth(int year, int month);
QString notYet();
QString noSuchYear(int first, int last);
// The one of them that holds for the day, month and year; empty for a birth date.
QString birthDateRefusal(int year, int month, int day);

} // namespace DateWords
