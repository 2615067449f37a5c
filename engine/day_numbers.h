#pragma once

#include <QString>

// The program's own day numbering, in which every sign table is written. Year starts follow the
// year table below, not the calendar: 1900 counts 366 days and 1912, 1948 and 1952 count 365, so
// the numbers drift from a true day count by up to two days; from 1953 on every year has its real
// length. Month starts are a leap year's in every year. The tables and the wizard must agree on
// exactly these values.
namespace DayNumbers {

constexpr int FirstYear = 1900;
// The last year the sign tables cover; the day number stays five digits up to its end.
constexpr int LastYear = 2099;
// The year list never ended earlier than this, so no clock can take a year away from a user.
constexpr int EarliestLastOfferedYear = 2015;

// The last year the wizard offers: the current year by the clock, within the tables.
int lastOfferedYear();

// Days from 1 January 1900 to 1 January of the year, by the year table (1900..LastYear + 1).
int yearStart(int year);

// Days before the month (1..12) in a leap year.
int monthStart(int month);

// year start + month start + day + 10000: five digits for every accepted date.
int dayNumber(int year, int month, int day);

// month start + day + 1000: four digits, the same in every year.
int dayOfYearNumber(int month, int day);

} // namespace DayNumbers
