#include "engine/day_numbers.h"

#include "engine/clock.h"

#include <QDate>

#include <array>

namespace DayNumbers {

namespace {

constexpr int yearLength(int year)
{
    if (year == 1912 || year == 1948 || year == 1952)
        return 365;
    return year % 4 == 0 ? 366 : 365;
}

constexpr std::array<int, LastYear - FirstYear + 2> YearStarts = [] {
    std::array<int, LastYear - FirstYear + 2> starts{};
    for (int year = FirstYear + 1; year <= LastYear + 1; ++year)
        starts[year - FirstYear] = starts[year - FirstYear - 1] + yearLength(year - 1);
    return starts;
}();

constexpr std::array<int, 12> MonthStarts = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};

} // namespace

int lastOfferedYear()
{
    return qBound(EarliestLastOfferedYear, Clock::today().year(), LastYear);
}

int yearStart(int year)
{
    return YearStarts.at(year - FirstYear);
}

int monthStart(int month)
{
    return MonthStarts.at(month - 1);
}

int dayNumber(int year, int month, int day)
{
    return yearStart(year) + monthStart(month) + day + 10000;
}

int dayOfYearNumber(int month, int day)
{
    return monthStart(month) + day + 1000;
}

} // namespace DayNumbers
