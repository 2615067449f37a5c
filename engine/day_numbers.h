#pragma once

#include <QString>

// The program's own day numbering, in which every sign table is written. Year starts follow the
// year table below, not the calendar: 1900 counts 366 days and 1912, 1948 and 1952 count 365, so
// the numbers drift from a true day count by up to two days; month starts are a leap year's in
// every year. The tables and the wizard must agree on exactly these values.
namespace DayNumbers {

constexpr int FirstYear = 1900;
constexpr int LastYear = 2015;

// Days from 1 January 1900 to 1 January of the year, by the year table (1900..2016).
int yearStart(int year);

// Days before the month (1..12) in a leap year.
int monthStart(int month);

// year start + month start + day + 10000: five digits for every accepted date.
int dayNumber(int year, int month, int day);

// month start + day + 1000: four digits, the same in every year.
int dayOfYearNumber(int month, int day);

} // namespace DayNumbers
