// Every birth date the wizard accepts, entered through the engine's one door for a date as the
// wizard enters it, against oracles that do not share the engine's tables: the lunar new year from
// new moons and the sun's longitude worked out here by other formulae than the tables' generator
// uses, with ICU's Chinese calendar as a cross-check; the birth-day periods of each day-and-month
// system; and the 21 March rule of the Aryan cycle.
#include "data/sign_keys.h"
#include "engine/day_numbers.h"
#include "engine/tform2.h"
#include "program_dir.h"

#include <QDate>
#include <QtTest>

#include <libnova/dynamical_time.h>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

struct Period {
    int fromMonth, fromDay, toMonth, toDay;
    int sign; // index into the system's sign list
};

// Birth days of each sign, as the user reads them in the texts.
const Period ZodiacPeriods[] = {
    {12, 22, 12, 31, 0},  {1, 1, 1, 20, 0},  {1, 21, 2, 20, 1},  {2, 21, 3, 20, 2},
    {3, 21, 4, 20, 3},    {4, 21, 5, 20, 4}, {5, 21, 6, 21, 5},  {6, 22, 7, 22, 6},
    {7, 23, 8, 23, 7},    {8, 24, 9, 23, 8}, {9, 24, 10, 23, 9}, {10, 24, 11, 22, 10},
    {11, 23, 12, 21, 11},
};

const Period DruidPeriods[] = {
    {12, 23, 12, 31, 0},  {1, 1, 1, 1, 0},      {6, 25, 7, 4, 0},   {1, 2, 1, 11, 1},
    {7, 5, 7, 14, 1},     {1, 12, 1, 24, 2},    {7, 15, 7, 25, 2},  {1, 25, 2, 3, 3},
    {7, 26, 8, 4, 3},     {2, 4, 2, 8, 4},      {8, 5, 8, 13, 4},   {2, 9, 2, 18, 5},
    {8, 14, 8, 23, 5},    {2, 19, 2, 29, 6},    {8, 24, 9, 2, 6},   {3, 1, 3, 10, 7},
    {9, 3, 9, 12, 7},     {3, 11, 3, 20, 8},    {9, 13, 9, 22, 8},  {3, 21, 3, 21, 9},
    {3, 22, 3, 31, 10},   {9, 24, 10, 3, 10},   {4, 1, 4, 10, 11},  {10, 4, 10, 13, 11},
    {4, 11, 4, 20, 12},   {10, 14, 10, 23, 12}, {4, 21, 4, 30, 13}, {10, 24, 11, 2, 13},
    {5, 1, 5, 14, 14},    {11, 3, 11, 11, 14},  {5, 15, 5, 24, 15}, {11, 12, 11, 21, 15},
    {5, 25, 6, 3, 16},    {11, 22, 12, 1, 16},  {6, 4, 6, 13, 17},  {12, 2, 12, 11, 17},
    {6, 14, 6, 23, 18},   {12, 12, 12, 20, 18}, {6, 24, 6, 24, 19}, {9, 23, 9, 23, 20},
    {12, 21, 12, 22, 21},
};

const Period FlowerPeriods[] = {
    {1, 1, 1, 10, 0},     {1, 11, 1, 20, 1},   {1, 21, 1, 31, 2},    {2, 1, 2, 10, 3},
    {2, 11, 2, 19, 4},    {2, 20, 2, 29, 5},   {3, 1, 3, 10, 6},     {3, 11, 3, 20, 7},
    {3, 21, 3, 31, 8},    {4, 1, 4, 10, 9},    {4, 11, 4, 20, 10},   {4, 21, 4, 30, 11},
    {5, 1, 5, 10, 12},    {5, 11, 5, 21, 13},  {5, 22, 5, 31, 14},   {6, 1, 6, 11, 15},
    {6, 12, 6, 21, 16},   {6, 22, 7, 1, 17},   {7, 2, 7, 12, 18},    {7, 13, 7, 23, 19},
    {7, 24, 8, 2, 20},    {8, 3, 8, 12, 21},   {8, 13, 8, 23, 22},   {8, 24, 9, 2, 23},
    {9, 3, 9, 11, 24},    {9, 12, 9, 22, 25},  {9, 23, 10, 3, 26},   {10, 4, 10, 13, 27},
    {10, 14, 10, 23, 28}, {10, 24, 11, 2, 29}, {11, 3, 11, 12, 30},  {11, 13, 11, 22, 31},
    {11, 23, 12, 2, 32},  {12, 3, 12, 12, 33}, {12, 13, 12, 22, 34}, {12, 23, 12, 31, 35},
};

const Period MythPeriods[] = {
    {1, 8, 2, 12, 0},    {2, 13, 3, 18, 1},  {3, 19, 4, 24, 2}, {4, 25, 5, 30, 3},
    {5, 31, 7, 3, 4},    {7, 4, 8, 10, 5},   {8, 11, 9, 15, 6}, {9, 16, 10, 22, 7},
    {10, 23, 11, 30, 8}, {12, 1, 12, 31, 9}, {1, 1, 1, 7, 9},
};

template <std::size_t N> int periodSign(const Period (&periods)[N], const QDate &date)
{
    const int day = date.month() * 100 + date.day();
    int found = -1;
    for (const Period &period : periods) {
        if (day >= period.fromMonth * 100 + period.fromDay &&
            day <= period.toMonth * 100 + period.toDay) {
            if (found >= 0)
                return -2; // two periods claim the day
            found = period.sign;
        }
    }
    return found;
}

int aryanSign(const QDate &date)
{
    const int year = date < QDate(date.year(), 3, 21) ? date.year() - 1 : date.year();
    if (year < 1900)
        return 0;
    return (year - 1899) % 32;
}

double sinDegrees(double degrees)
{
    return std::sin(degrees * M_PI / 180);
}

// The lunar new years by Meeus's series for the true new moon and for the sun's longitude, good to
// about a minute and a quarter of an hour; the tables' generator integrates the full lunar and
// solar theories instead. Days are Julian day numbers of dates in Beijing.
class LunarNewYears
{
public:
    LunarNewYears()
    {
        for (int year = DayNumbers::FirstYear - 1; year <= DayNumbers::LastYear; ++year)
            m_days.push_back(newYearAfterSolstice(year));
    }

    // 0 Rat .. 11 Pig, the order of the year-animal sign lists.
    int animal(const QDate &date) const
    {
        int year = DayNumbers::FirstYear - 1;
        for (const long day : m_days)
            if (day <= date.toJulianDay())
                year = QDate::fromJulianDay(day).year();
        return (year - 4) % 12;
    }

private:
    static constexpr double Synodic = 29.530588861;

    // Universal time, as a Julian day, of the new moon `k` lunations after that of 6 January 2000.
    static double newMoon(long k)
    {
        const double t = k / 1236.85;
        const double e = 1 - 0.002516 * t - 0.0000074 * t * t;
        const double sun = 2.5534 + 29.1053567 * k;
        const double moon = 201.5643 + 385.81693528 * k + 0.0107582 * t * t;
        const double node = 160.7108 + 390.67050284 * k - 0.0016118 * t * t;
        const double ascending = 124.7746 - 1.56375588 * k;
        // {coefficient, multiples of the moon's anomaly, the sun's anomaly, the moon's argument
        // of latitude, the power of e}
        static const double Terms[][5] = {
            {-0.4072, 1, 0, 0, 0},    {0.17241, 0, 1, 0, 1},   {0.01608, 2, 0, 0, 0},
            {0.01039, 0, 0, 2, 0},    {0.00739, 1, -1, 0, 1},  {-0.00514, 1, 1, 0, 1},
            {0.00208, 0, 2, 0, 2},    {-0.00111, 1, 0, -2, 0}, {-0.00057, 1, 0, 2, 0},
            {0.00056, 2, 1, 0, 1},    {-0.00042, 3, 0, 0, 0},  {0.00042, 0, 1, 2, 1},
            {0.00038, 0, 1, -2, 1},   {-0.00024, 2, -1, 0, 1}, {-0.00007, 1, 2, 0, 0},
            {0.00004, 2, 0, -2, 0},   {0.00004, 0, 3, 0, 0},   {0.00003, 1, 1, -2, 0},
            {0.00003, 2, 0, 2, 0},    {-0.00003, 1, 1, 2, 0},  {0.00003, 1, -1, 2, 0},
            {-0.00002, 1, -1, -2, 0}, {-0.00002, 3, 1, 0, 0},  {0.00002, 4, 0, 0, 0},
        };
        // {coefficient in millionths of a day, argument, its motion per lunation}
        static const double Planetary[][3] = {
            {325, 299.77, 0.107408},  {165, 251.88, 0.016321}, {164, 251.83, 26.651886},
            {126, 349.42, 36.412478}, {110, 84.66, 18.206239}, {62, 141.74, 53.303771},
            {60, 207.14, 2.453732},   {56, 154.84, 7.30686},   {47, 34.52, 27.261239},
            {42, 207.19, 0.121824},   {40, 291.34, 1.844379},  {37, 161.72, 24.198154},
            {35, 239.56, 25.513099},  {23, 331.55, 3.592518},
        };
        double tt =
            2451550.09766 + Synodic * k + 0.00015437 * t * t - 0.00017 * sinDegrees(ascending);
        for (const auto &term : Terms)
            tt += term[0] * std::pow(e, term[4]) *
                  sinDegrees(term[1] * moon + term[2] * sun + term[3] * node);
        for (const auto &term : Planetary)
            tt += term[0] * 1e-6 * sinDegrees(term[1] + term[2] * k);
        return tt - ln_get_dynamical_time_diff(tt) / 86400;
    }

    // The sun's apparent longitude in degrees, at a moment in universal time.
    static double solarLongitude(double ut)
    {
        const double t = (ut + ln_get_dynamical_time_diff(ut) / 86400 - 2451545) / 36525;
        const double anomaly = 357.52911 + 35999.05029 * t;
        const double longitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t +
                                 (1.914602 - 0.004817 * t) * sinDegrees(anomaly) +
                                 0.019993 * sinDegrees(2 * anomaly) +
                                 0.000289 * sinDegrees(3 * anomaly) - 0.00569 -
                                 0.00478 * sinDegrees(125.04 - 1934.136 * t);
        return longitude - 360 * std::floor(longitude / 360);
    }

    // Beijing keeps UTC+8 from 1929; before, the local mean time of 116°25′ E.
    static double beijingAhead(double localDay)
    {
        return localDay < QDate(1929, 1, 1).toJulianDay() ? (116 + 25 / 60.0) / 360 : 1 / 3.0;
    }

    static long beijingDay(double ut)
    {
        return static_cast<long>(std::floor(ut + 0.5 + beijingAhead(ut + 0.5 + 1 / 3.0)));
    }

    static double midnight(long day) { return day - 0.5 - beijingAhead(day); }

    // The lunation of the last new moon on or before the day.
    static long lunation(long day)
    {
        long k = std::lround(std::floor((day - 2451550.1) / Synodic)) - 1;
        while (beijingDay(newMoon(k + 1)) <= day)
            ++k;
        return k;
    }

    static long monthStart(long day) { return beijingDay(newMoon(lunation(day))); }

    static long monthAfter(long day) { return beijingDay(newMoon(lunation(day) + 1)); }

    static int majorTerm(long day) { return static_cast<int>(solarLongitude(midnight(day)) / 30); }

    static bool noMajorTerm(long start) { return majorTerm(start) == majorTerm(monthAfter(start)); }

    static long winterSolstice(int year)
    {
        long day = QDate(year, 12, 18).toJulianDay();
        while (solarLongitude(midnight(day + 1)) < 270)
            ++day;
        return day;
    }

    // Month 11 holds the winter solstice; the new year is the second month after it, unless a
    // leap month, the first without a major solar term in a year of 13 months, comes between.
    static long newYearAfterSolstice(int year)
    {
        const long month12 = monthAfter(winterSolstice(year));
        const long month1 = monthAfter(month12);
        const long nextMonth11 = monthStart(winterSolstice(year + 1));
        const bool leapYear = std::lround((nextMonth11 - month12) / Synodic) == 12;
        if (leapYear && (noMajorTerm(month12) || noMajorTerm(month1)))
            return monthAfter(month1);
        return month1;
    }

    std::vector<long> m_days;
};

// ICU's Chinese calendar, wrong on the three days listed in the test.
class IcuChineseCalendar
{
public:
    IcuChineseCalendar()
    {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::TimeZone> utc(icu::TimeZone::createTimeZone("UTC"));
        m_gregorian = std::make_unique<icu::GregorianCalendar>(*utc, status);
        m_chinese.reset(
            icu::Calendar::createInstance(*utc, icu::Locale("en_US@calendar=chinese"), status));
        Q_ASSERT(U_SUCCESS(status));
    }

    int animal(const QDate &date)
    {
        UErrorCode status = U_ZERO_ERROR;
        m_gregorian->clear();
        m_gregorian->set(date.year(), date.month() - 1, date.day(), 12, 0, 0);
        m_chinese->setTime(m_gregorian->getTime(status), status);
        const int cycleYear = m_chinese->get(UCAL_YEAR, status);
        return U_SUCCESS(status) ? (cycleYear - 1) % 12 : -1;
    }

private:
    std::unique_ptr<icu::GregorianCalendar> m_gregorian;
    std::unique_ptr<icu::Calendar> m_chinese;
};

QString expectedLine(System system, int sign)
{
    return resultLine(system, systemInfo(system).signs[sign]);
}

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT

private slots:
    void everyAcceptedDate();
};

void TestCalendar::everyAcceptedDate()
{
    ProgramDir dir;
    TForm2 engine(dir.executable());
    const LunarNewYears chinese;
    IcuChineseCalendar icu;
    QList<QDate> icuErrors;
    int dates = 0;

    for (QDate date(DayNumbers::FirstYear, 1, 1); date.year() <= DayNumbers::LastYear;
         date = date.addDays(1), ++dates) {
        engine.Button8Click();
        engine.setBirthDate(date.year(), date.month(), date.day());
        // The tables compare the numbers as text: a sixth digit would sort before the rest.
        if (engine.Edit5.size() != 5)
            QFAIL(qPrintable(date.toString(Qt::ISODate)));
        engine.computeAllSigns();

        const int animal = chinese.animal(date);
        if (icu.animal(date) != animal)
            icuErrors << date;
        const int zodiac = periodSign(ZodiacPeriods, date);
        const int druid = periodSign(DruidPeriods, date);
        const int flower = periodSign(FlowerPeriods, date);
        const int myth = periodSign(MythPeriods, date);
        const int aryan = aryanSign(date);
        QVERIFY2(animal >= 0 && zodiac >= 0 && druid >= 0 && flower >= 0 && myth >= 0,
                 qPrintable(date.toString(Qt::ISODate)));

        const QStringList expected = {
            expectedLine(System::Zodiac, zodiac),   expectedLine(System::Chinese, animal),
            expectedLine(System::Japanese, animal), expectedLine(System::Druid, druid),
            expectedLine(System::Flower, flower),   expectedLine(System::Mythological, myth),
            expectedLine(System::Aryan, aryan),
        };
        if (engine.Memo2 != expected)
            QFAIL(qPrintable(date.toString(Qt::ISODate) + QStringLiteral(": ") +
                             engine.Memo2.join(QStringLiteral(" | "))));
        const auto key = [](System system, int sign) {
            return QString::fromLatin1(systemInfo(system).signs[sign].key);
        };
        if (engine.Edit8 != key(System::Zodiac, zodiac) ||
            engine.Edit7 != key(System::Chinese, animal) ||
            engine.Edit9 != key(System::Japanese, animal) ||
            engine.Edit10 != key(System::Druid, druid) ||
            engine.Edit12 != key(System::Flower, flower) ||
            engine.Edit11 != key(System::Mythological, myth) ||
            engine.Edit13 != key(System::Aryan, aryan))
            QFAIL(qPrintable(QStringLiteral("wrong key on %1").arg(date.toString(Qt::ISODate))));
    }
    QCOMPARE(dates, 73049);
    // ICU puts three new moons that fall minutes from midnight in Beijing on the wrong day.
    QCOMPARE(icuErrors, (QList<QDate>{{1954, 2, 3}, {2027, 2, 6}, {2030, 2, 2}}));
}

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
