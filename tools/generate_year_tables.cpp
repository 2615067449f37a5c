// Writes the year-animal and Ancient Aryan rows of the sign tables for every date the engine
// covers, in the program's own day numbering. The program itself never links libnova: run this
// when the covered years change and commit what it prints as engine/year_tables.inc.
//
// The lunar new year comes from the sky: true new moons (ELP 2000-82B) and the sun's apparent
// longitude (VSOP87), under the rules of the modern Chinese calendar. A month begins on the day,
// in Beijing, that holds the new moon; the month holding the winter solstice is month 11; in a
// year of 13 months the first month without a major solar term is the leap month. ICU's Chinese
// calendar is not used: its new moons are approximate, and three that fall minutes from midnight
// in Beijing land on the wrong day, which moves the new years of 1954 (3 February, not 4), 2027
// (6 February, not 7) and 2030 (3 February, not 2) by a day.
#include "engine/day_numbers.h"

#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <libnova/solar.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Date {
    int year;
    int month;
    int day;
};

const char *const Animals[] = {"Rat",   "Ox",   "Tiger",  "Cat",     "Dragon", "Snake",
                               "Horse", "Goat", "Monkey", "Rooster", "Dog",    "Pig"};

double julianDay(const Date &date)
{
    ln_date calendar{date.year, date.month, date.day, 0, 0, 0};
    return ln_get_julian_day(&calendar);
}

// TT - UT in seconds: the polynomials of Espenak and Meeus, which follow the observed values to
// a second or two; after 2025 they are a forecast, good to about a minute by 2100.
double deltaT(double ut)
{
    const double y = 2000 + (ut - 2451544.5) / 365.2425;
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t -
               0.0004473624 * t * t * t * t + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * t * t * t * t;
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.0761 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double terrestrial(double ut)
{
    return ut + deltaT(ut) / 86400;
}

// libnova gives both bodies on the ecliptic and equinox of J2000: bring a longitude to the mean
// equinox of the date (general precession, IAU 1976) and on to the true one (nutation).
double ofDate(double longitude, double tt)
{
    const double t = (tt - 2451545) / 36525;
    ln_nutation nutation;
    ln_get_nutation(tt, &nutation);
    return longitude + (5029.0966 * t + 1.11113 * t * t) / 3600 + nutation.longitude;
}

// The sun's apparent longitude, degrees: where it stands less the annual aberration.
double solarLongitude(double ut)
{
    const double tt = terrestrial(ut);
    ln_helio_posn sun;
    ln_get_solar_geom_coords(tt, &sun);
    return std::fmod(ofDate(sun.L, tt) - 20.4898 / 3600 / sun.R + 720, 360);
}

// The moon's apparent longitude less the sun's, in -180..180 degrees.
double elongation(double ut)
{
    const double tt = terrestrial(ut);
    ln_lnlat_posn moon;
    ln_get_lunar_ecl_coords(tt, &moon, 0);
    return std::remainder(ofDate(moon.lng, tt) - solarLongitude(ut), 360);
}

// Solves f(ut) = 0 from a guess, where f grows by about `rate` a day; both longitudes are smooth
// enough for a secant search to settle to a fraction of a second in a few steps.
template <typename F> double solve(F f, double guess, double rate)
{
    double a = guess, fa = f(a);
    double b = a - fa / rate, fb = f(b);
    for (int step = 0; step < 30 && std::fabs(b - a) > 1e-7; ++step) {
        const double c = b - fb * (b - a) / (fb - fa);
        a = b, fa = fb;
        b = c, fb = f(b);
    }
    return b;
}

// Beijing's clock runs ahead of UT by the standard time of 120° E from 1929 on, and by the local
// mean time of the Beijing meridian, 116°25′ E, before.
const double StandardOffset = 8.0 / 24;
const double MeanTimeOffset = (116 + 25.0 / 60) / 360;
const long StandardTimeDay = 2425613; // 1 January 1929

double beijingOffset(double ut)
{
    return ut + StandardOffset + 0.5 < StandardTimeDay ? MeanTimeOffset : StandardOffset;
}

// The Julian day number of the Beijing date that holds the moment.
long beijingDay(double ut)
{
    return std::lround(std::floor(ut + beijingOffset(ut) + 0.5));
}

// The moment the Beijing date begins.
double beijingMidnight(long day)
{
    return day - 0.5 - (day < StandardTimeDay ? MeanTimeOffset : StandardOffset);
}

// The twelfth of the circle the sun is in as the day begins: a month holds a major solar term
// when it ends in a different twelfth than it begins.
int majorTerm(long day)
{
    return static_cast<int>(solarLongitude(beijingMidnight(day)) / 30);
}

class Lunations
{
public:
    // The Beijing days that begin months, from before `from` to after `to` (Julian days).
    Lunations(double from, double to)
    {
        // Mean new moons, counted from that of 6 January 2000, start each search.
        const double Synodic = 29.530588861;
        for (long k = std::lround(std::floor((from - 2451550.1) / Synodic)) - 1;
             2451550.1 + k * Synodic < to + Synodic; ++k)
            m_starts.push_back(beijingDay(solve(elongation, 2451550.1 + k * Synodic, 12.19)));
    }

    // The start of the month that holds the day.
    long monthOf(long day) const
    {
        long start = 0;
        for (const long s : m_starts)
            if (s <= day)
                start = s;
        return start;
    }

    long next(long start) const
    {
        for (const long s : m_starts)
            if (s > start)
                return s;
        return 0;
    }

private:
    std::vector<long> m_starts;
};

// The Beijing day of the winter solstice that ends the year.
long winterSolstice(int year)
{
    const double guess = julianDay({year, 12, 21});
    return beijingDay(solve([](double ut) { return std::remainder(solarLongitude(ut) - 270, 360); },
                            guess, 0.9856));
}

Date gregorian(long day)
{
    ln_date date;
    ln_get_date(static_cast<double>(day), &date);
    return {date.years, date.months, date.days};
}

// The first day of the Chinese year that begins in the Gregorian year.
Date newYear(const Lunations &lunations, int year)
{
    const long month11 = lunations.monthOf(winterSolstice(year - 1));
    const long nextMonth11 = lunations.monthOf(winterSolstice(year));
    int months = 0;
    for (long start = month11; start < nextMonth11; start = lunations.next(start))
        ++months;
    // A leap month between month 11 and the new year is not counted.
    bool leapAhead = months == 13;
    long start = lunations.next(month11);
    for (int counted = 0;; start = lunations.next(start)) {
        if (leapAhead && majorTerm(start) == majorTerm(lunations.next(start))) {
            leapAhead = false;
            continue;
        }
        if (++counted == 2)
            return gregorian(start);
    }
}

int dayNumber(const Date &date)
{
    return DayNumbers::dayNumber(date.year, date.month, date.day);
}

} // namespace

int main()
{
    std::printf("// Generated by tools/generate_year_tables from new moons and solar terms; do "
                "not edit.\n"
                "// clang-format off\n\n"
                "// Each animal year runs from its lunar new year to the day before the next one; "
                "bounds\n"
                "// are exclusive. Dates are the first day of each year.\n"
                "const SignRange YearAnimalRanges[] = {\n");
    const Lunations lunations(julianDay({DayNumbers::FirstYear - 2, 11, 1}),
                              julianDay({DayNumbers::LastYear + 2, 4, 1}));
    std::vector<Date> starts;
    for (int year = DayNumbers::FirstYear - 1; year <= DayNumbers::LastYear + 1; ++year)
        starts.push_back(newYear(lunations, year));
    for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
        const Date &date = starts[i];
        // The first year began in 1899, before the day numbering does.
        const int low = date.year < DayNumbers::FirstYear ? 10000 : dayNumber(date) - 1;
        std::printf("    {%d, %d, %s}, // %04d-%02d-%02d\n", low, dayNumber(starts[i + 1]),
                    Animals[(date.year - 4) % 12], date.year, date.month, date.day);
    }
    std::printf("};\n\n"
                "// Each animal year runs from 21 March to 20 March, in a circle of 32 that began "
                "in 1899.\n"
                "const SignRange AryanRanges[] = {\n");
    for (int year = DayNumbers::FirstYear - 1; year <= DayNumbers::LastYear; ++year) {
        const int low = year < DayNumbers::FirstYear ? 10000 : dayNumber({year, 3, 21});
        std::printf("    {%d, %d, %d}, // %d-03-21\n", low, dayNumber({year + 1, 3, 20}),
                    (year - 1899) % 32, year);
    }
    std::printf("};\n\n// clang-format on\n");
}
