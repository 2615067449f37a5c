#include "engine/sky.h"

#include "data/places.h"
#include "data/sign_keys.h"
#include "engine/date_words.h"
#include "engine/ephemeris.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace Sky {

namespace {

// The zodiac system's rows start at Козерог; ecliptic order starts three rows later.
const Sign &zodiacRow(int sign)
{
    return systemInfo(System::Zodiac).signs[std::size_t((sign + 3) % SignCount)];
}

QString hhmm(const Moment &moment)
{
    return moment.time.toString(QStringLiteral("HH:mm"));
}

QString bodyLine(const QString &label, const BodyDay &body)
{
    QStringList parts;
    for (const BodyEvent &event : body.events)
        parts << (event.kind == EventKind::Rise ? QStringLiteral("восход ")
                                                : QStringLiteral("заход ")) +
                     hhmm(event.at);
    if (body.allDay == AllDay::Below)
        parts << QStringLiteral("не восходит");
    else if (body.allDay == AllDay::Above)
        parts << QStringLiteral("не заходит");
    return label + parts.join(QStringLiteral(", "));
}

QString ordinal(int number)
{
    return QString::number(number) + QStringLiteral("-е");
}

const char *const PhaseNames[] = {"новолуние", "первая четверть", "полнолуние",
                                  "последняя четверть"};

} // namespace

QString signName(int sign)
{
    return QString::fromUtf8(zodiacRow(sign).name);
}

QString signKey(int sign)
{
    return QString::fromLatin1(zodiacRow(sign).key);
}

int signOfKey(const QString &key)
{
    for (int sign = 0; sign < SignCount; ++sign) {
        if (signKey(sign) == key)
            return sign;
    }
    return -1;
}

QList<int> DaySky::moonSigns() const
{
    QList<int> signs{moonSignAtMidnight};
    for (const SignChange &change : signChanges)
        signs << change.sign;
    return signs;
}

QDate firstDate()
{
    return {1900, 1, 1};
}

QDate lastDate()
{
    return {2099, 12, 31};
}

namespace {

using Ephemeris::Vector;

constexpr double Pi = 3.14159265358979323846;
constexpr double Degree = Pi / 180;
constexpr double Second = 1.0 / 86400;
constexpr double UnixEpoch = 2440587.5;
constexpr double EarthRadius = 6378.14; // km, equatorial
constexpr double Flattening = 1 / 298.257;
constexpr double MoonRadius = 1737.4;
constexpr double SunRadius = 696000;
constexpr double Refraction = 34.0 / 60 * Degree;
constexpr double SynodicMonth = 29.530588861;
constexpr double MeanNewMoon = 2451550.09766; // a mean new moon, for first guesses

double terrestrial(double ut)
{
    return ut + Ephemeris::deltaT(ut) * Second;
}

double wrap360(double degrees)
{
    const double r = std::fmod(degrees, 360);
    return r < 0 ? r + 360 : r;
}

Vector difference(const Vector &a, const Vector &b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

double dot(const Vector &a, const Vector &b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

double length(const Vector &a)
{
    return std::sqrt(dot(a, a));
}

// A root of f between a and b, where f changes sign: regula falsi with the Illinois step.
template <typename F> double root(F f, double a, double fa, double b, double fb)
{
    int kept = 0;
    double c = a;
    for (int step = 0; step < 60; ++step) {
        const double next = (a * fb - b * fa) / (fb - fa);
        if (std::fabs(next - c) < 0.05 * Second && step > 0)
            return next;
        c = next;
        const double fc = f(c);
        if ((fc < 0) == (fb < 0)) {
            b = c, fb = fc;
            if (kept == -1)
                fa /= 2;
            kept = -1;
        } else {
            a = c, fa = fc;
            if (kept == 1)
                fb /= 2;
            kept = 1;
        }
    }
    return c;
}

// Where an angle (degrees) that grows by about `rate` a day reaches the target, from a guess.
template <typename F> double solveAngle(F angle, double target, double guess, double rate)
{
    const auto off = [&](double t) { return std::remainder(angle(t) - target, 360.0); };
    double a = guess, fa = off(a);
    double b = a - fa / rate, fb = off(b);
    for (int step = 0; step < 30 && std::fabs(b - a) > 0.05 * Second && fb != fa; ++step) {
        const double c = b - fb * (b - a) / (fb - fa);
        a = b, fa = fb;
        b = c, fb = off(b);
    }
    return b;
}

// A body's geocentric places on an even grid of UT, the nodes computed once and interpolated
// (four points, cubic): both bodies move smoothly enough that this costs well under an arcsecond.
class Track
{
public:
    Track(Vector (*position)(double), double step) : m_position(position), m_step(step) {}

    Vector at(double ut)
    {
        const double x = ut / m_step;
        const double n = std::floor(x);
        const double p = x - n;
        const auto i = static_cast<long long>(n);
        const double w[] = {-p * (p - 1) * (p - 2) / 6, (p + 1) * (p - 1) * (p - 2) / 2,
                            -(p + 1) * p * (p - 2) / 2, (p + 1) * p * (p - 1) / 6};
        Vector v;
        for (int k = 0; k < 4; ++k) {
            const Vector &q = node(i - 1 + k);
            v.x += w[k] * q.x, v.y += w[k] * q.y, v.z += w[k] * q.z;
        }
        return v;
    }

private:
    const Vector &node(long long i)
    {
        auto found = m_nodes.find(i);
        if (found == m_nodes.end()) {
            const double ut = double(i) * m_step;
            found = m_nodes.emplace(i, m_position(terrestrial(ut))).first;
        }
        return found->second;
    }

    Vector (*m_position)(double);
    double m_step;
    std::unordered_map<long long, Vector> m_nodes;
};

struct Crossing {
    double ut;
    bool rising;
};

// Seconds from 1970 to the date's midnight on a clock that keeps no zone.
qint64 wallSeconds(const QDate &date)
{
    return QDate(1970, 1, 1).daysTo(date) * 86400;
}

// A place's civil time. The zone's first offset is the local mean time of its main city, before
// standard time came: there the place keeps its own.
class LocalClock
{
public:
    explicit LocalClock(const Place &place)
        : m_zone(place.zone), m_firstOffset(m_zone.offsetFromUtc(
                                  QDateTime(QDate(1800, 1, 1), QTime(0, 0), QTimeZone::utc()))),
          m_meanOffset(qRound(place.longitude / 15 * 3600))
    {
    }

    int offsetAt(qint64 utcSeconds) const
    {
        const int offset =
            m_zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc()));
        return offset == m_firstOffset ? m_meanOffset : offset;
    }

    double localToUt(const QDate &date, int secondsOfDay) const
    {
        const qint64 wall = wallSeconds(date) + secondsOfDay;
        qint64 utc = wall - offsetAt(wall);
        for (int pass = 0; pass < 2; ++pass)
            utc = wall - offsetAt(utc);
        return UnixEpoch + double(utc) / 86400;
    }

    // Seconds from the date's midnight to the instant on this clock.
    double secondsInto(double ut, const QDate &date) const
    {
        const double utc = (ut - UnixEpoch) * 86400;
        return utc + offsetAt(static_cast<qint64>(std::floor(utc))) - double(wallSeconds(date));
    }

    // Rounded to the minute, and kept within the day it was found in.
    Moment moment(double ut, const QDate &date) const
    {
        const int minute = std::clamp(int(std::lround(secondsInto(ut, date) / 60)), 0, 24 * 60 - 1);
        return {QTime(minute / 60, minute % 60),
                QDateTime::fromMSecsSinceEpoch(std::llround((ut - UnixEpoch) * 86400000),
                                               QTimeZone::utc())};
    }

private:
    QTimeZone m_zone;
    int m_firstOffset;
    int m_meanOffset;
};

} // namespace

struct Calculator::Cache {
    explicit Cache(const Place &place);

    // Degrees of the Moon's and Sun's apparent longitudes; elongation of the Moon from the Sun.
    double moonLongitude(double ut);
    double elongation(double ut);

    // The upper limb above the refracted horizon, as a difference of sines: it has the sign of
    // the altitude and is the angle in radians near the horizon. The equation of the equinoxes
    // is the caller's, as it hardly changes in a day.
    double altitude(Track &track, double radius, double ut, double equinoxes);
    const std::vector<Crossing> &crossings(bool moon, long long day);
    std::vector<Crossing> crossingsBetween(bool moon, double from, double to);

    double newMoon(long long lunation);
    double newMoonBefore(double ut);

    double localToUt(const QDate &date, int secondsOfDay) const
    {
        return clock.localToUt(date, secondsOfDay);
    }
    Moment moment(double ut, const QDate &date) const { return clock.moment(ut, date); }

    double latitude, longitude, sinLatitude, cosLatitude, rhoCos, rhoSin;
    LocalClock clock;
    Track moon{Ephemeris::moon, 0.5};
    Track sun{Ephemeris::sun, 8};
    std::unordered_map<long long, std::vector<Crossing>> moonCrossings, sunCrossings;
    std::unordered_map<long long, double> newMoons;
};

Calculator::Cache::Cache(const Place &place)
    : latitude(place.latitude * Degree), longitude(place.longitude * Degree),
      sinLatitude(std::sin(latitude)), cosLatitude(std::cos(latitude)), clock(place)
{
    // The observer's place from the Earth's centre, on the reference ellipsoid.
    const double u = std::atan((1 - Flattening) * std::tan(latitude));
    rhoCos = EarthRadius * std::cos(u);
    rhoSin = EarthRadius * (1 - Flattening) * std::sin(u);
}

double Calculator::Cache::moonLongitude(double ut)
{
    return Ephemeris::longitude(moon.at(ut), Ephemeris::obliquity(terrestrial(ut)));
}

double Calculator::Cache::elongation(double ut)
{
    const double obliquity = Ephemeris::obliquity(terrestrial(ut));
    return wrap360(Ephemeris::longitude(moon.at(ut), obliquity) -
                   Ephemeris::longitude(sun.at(ut), obliquity));
}

double Calculator::Cache::altitude(Track &track, double radius, double ut, double equinoxes)
{
    const double angle = Ephemeris::meanSiderealTime(ut) + equinoxes + longitude;
    const double c = std::cos(angle), s = std::sin(angle);
    const Vector seen = difference(track.at(ut), {rhoCos * c, rhoCos * s, rhoSin});
    const double distance = length(seen);
    const Vector zenith{cosLatitude * c, cosLatitude * s, sinLatitude};
    // The sine of the altitude against the sine of the horizon's dip; both angles are small
    // enough near the horizon for the short series.
    const double dip = Refraction + radius / distance;
    return dot(seen, zenith) / distance + dip - dip * dip * dip / 6;
}

// Rises and sets in the UT day that begins at Julian day `day` + 0.5: the altitude sampled
// every two hours, each change of sign solved; a body that only grazes the horizon between two
// samples shows as a turning point close to it, whose top is found before it is given up.
const std::vector<Crossing> &Calculator::Cache::crossings(bool isMoon, long long day)
{
    auto &cache = isMoon ? moonCrossings : sunCrossings;
    const auto found = cache.find(day);
    if (found != cache.end())
        return found->second;
    Track &track = isMoon ? moon : sun;
    const double radius = isMoon ? MoonRadius : SunRadius;
    const double start = double(day) + 0.5, end = start + 1;
    const double equinoxes = Ephemeris::equationOfEquinoxes(terrestrial(start + 0.5));
    const auto f = [&](double ut) { return altitude(track, radius, ut, equinoxes); };
    constexpr int Steps = 12;
    double t[Steps + 3], h[Steps + 3];
    for (int k = 0; k < Steps + 3; ++k) {
        t[k] = start + (k - 1) / double(Steps);
        h[k] = f(t[k]);
    }
    std::vector<Crossing> out;
    const auto add = [&](double a, double fa, double b, double fb) {
        const double ut = root(f, a, fa, b, fb);
        if (ut >= start && ut < end)
            out.push_back({ut, fb > fa});
    };
    constexpr double Margin = 0.5 * Degree;
    for (int k = 1; k <= Steps + 1; ++k) {
        if ((h[k] < 0) != (h[k + 1] < 0) && k <= Steps)
            add(t[k], h[k], t[k + 1], h[k + 1]);
        const bool top = h[k] >= h[k - 1] && h[k] >= h[k + 1] && h[k + 1] < 0 && h[k] < 0;
        const bool bottom = h[k] <= h[k - 1] && h[k] <= h[k + 1] && h[k + 1] > 0 && h[k] > 0;
        if (!(top && h[k - 1] < 0) && !(bottom && h[k - 1] > 0))
            continue;
        const double curve = h[k + 1] - 2 * h[k] + h[k - 1];
        const double vertex =
            curve == 0 ? h[k] : h[k] - (h[k + 1] - h[k - 1]) * (h[k + 1] - h[k - 1]) / (8 * curve);
        if (std::fabs(vertex) > Margin)
            continue;
        // Golden-section search for the turning point.
        const double sign = top ? 1 : -1;
        double a = t[k - 1], b = t[k + 1];
        constexpr double Ratio = 0.6180339887498949;
        double c = b - Ratio * (b - a), d = a + Ratio * (b - a);
        double fc = sign * f(c), fd = sign * f(d);
        while (b - a > Second) {
            if (fc > fd) {
                b = d, d = c, fd = fc;
                c = b - Ratio * (b - a), fc = sign * f(c);
            } else {
                a = c, c = d, fc = fd;
                d = a + Ratio * (b - a), fd = sign * f(d);
            }
        }
        const double turn = (a + b) / 2, fturn = f(turn);
        if ((fturn < 0) != (h[k] < 0)) {
            add(t[k - 1], h[k - 1], turn, fturn);
            add(turn, fturn, t[k + 1], h[k + 1]);
        }
    }
    std::sort(out.begin(), out.end(),
              [](const Crossing &x, const Crossing &y) { return x.ut < y.ut; });
    return cache.emplace(day, std::move(out)).first->second;
}

std::vector<Crossing> Calculator::Cache::crossingsBetween(bool isMoon, double from, double to)
{
    std::vector<Crossing> out;
    for (auto day = static_cast<long long>(std::floor(from - 0.5)); double(day) + 0.5 < to; ++day) {
        for (const Crossing &crossing : crossings(isMoon, day)) {
            if (crossing.ut >= from && crossing.ut < to)
                out.push_back(crossing);
        }
    }
    return out;
}

double Calculator::Cache::newMoon(long long lunation)
{
    const auto found = newMoons.find(lunation);
    if (found != newMoons.end())
        return found->second;
    const double guess = MeanNewMoon + SynodicMonth * double(lunation);
    const double ut = solveAngle([this](double t) { return elongation(t); }, 0, guess, 12.19);
    newMoons.emplace(lunation, ut);
    return ut;
}

double Calculator::Cache::newMoonBefore(double ut)
{
    auto lunation = static_cast<long long>(std::floor((ut - MeanNewMoon) / SynodicMonth)) + 1;
    while (newMoon(lunation) > ut)
        --lunation;
    return newMoon(lunation);
}

Calculator::Calculator(const Place &place) : m_place(place), m_cache(std::make_unique<Cache>(place))
{
}

Calculator::~Calculator() = default;

const Place &Calculator::place() const
{
    return m_place;
}

DaySky Calculator::day(const QDate &date)
{
    DaySky sky;
    if (!date.isValid() || date < firstDate() || date > lastDate())
        return sky;
    Cache &c = *m_cache;
    sky.date = date;
    sky.place = m_place;
    const double start = c.localToUt(date, 0), end = c.localToUt(date.addDays(1), 0);

    const auto bodyDay = [&](bool isMoon) {
        BodyDay body;
        for (const Crossing &crossing : c.crossingsBetween(isMoon, start, end))
            body.events << BodyEvent{crossing.rising ? EventKind::Rise : EventKind::Set,
                                     c.moment(crossing.ut, date)};
        if (body.events.isEmpty()) {
            const double h = c.altitude(isMoon ? c.moon : c.sun, isMoon ? MoonRadius : SunRadius,
                                        start, Ephemeris::equationOfEquinoxes(terrestrial(start)));
            body.allDay = h < 0 ? AllDay::Below : AllDay::Above;
        }
        return body;
    };
    sky.sun = bodyDay(false);
    sky.moon = bodyDay(true);

    // Principal phases: the elongation grows by 10-15 degrees a day, so each falls at most once.
    const double e0 = c.elongation(start);
    const double span = wrap360(c.elongation(end) - e0);
    QList<double> newMoonTimes;
    for (int q = 0; q < 4; ++q) {
        const double ahead = wrap360(90.0 * q - e0);
        if (ahead >= span)
            continue;
        const double ut = q == 0 ? c.newMoonBefore(end)
                                 : solveAngle([&](double t) { return c.elongation(t); }, 90.0 * q,
                                              start + ahead / span * (end - start), 12.19);
        if (ut < start || ut >= end)
            continue;
        sky.phases << PhaseEvent{Phase(q), c.moment(ut, date)};
        if (q == 0)
            newMoonTimes << ut;
    }
    std::sort(sky.phases.begin(), sky.phases.end(),
              [](const PhaseEvent &a, const PhaseEvent &b) { return a.at.utc < b.at.utc; });

    // Lunar days: counted from the last new moon by the moonrises since.
    const double lastNewMoon = c.newMoonBefore(start);
    int number = 1;
    for (const Crossing &crossing : c.crossingsBetween(true, lastNewMoon, start))
        number += crossing.rising;
    sky.lunarDayAtMidnight = number;
    struct Start {
        double ut;
        bool newMoon;
    };
    QList<Start> starts;
    for (double ut : newMoonTimes)
        starts << Start{ut, true};
    for (const Crossing &crossing : c.crossingsBetween(true, start, end)) {
        if (crossing.rising)
            starts << Start{crossing.ut, false};
    }
    std::sort(starts.begin(), starts.end(),
              [](const Start &a, const Start &b) { return a.ut < b.ut; });
    for (const Start &s : starts) {
        number = s.newMoon ? 1 : number + 1;
        sky.lunarDays << LunarDayStart{number, c.moment(s.ut, date)};
    }

    // The Moon's sign: its longitude only grows, 11-15 degrees a day.
    const double l0 = c.moonLongitude(start);
    const double l1 = l0 + wrap360(c.moonLongitude(end) - l0);
    sky.moonSignAtMidnight = int(l0 / 30) % SignCount;
    for (double boundary = (std::floor(l0 / 30) + 1) * 30; boundary < l1; boundary += 30) {
        const double ut = solveAngle([&](double t) { return c.moonLongitude(t); }, boundary,
                                     start + (boundary - l0) / (l1 - l0) * (end - start), 13.2);
        sky.signChanges << SignChange{int(boundary / 30) % SignCount, c.moment(ut, date)};
    }

    // The lit share from the phase angle at the Moon, at local noon.
    const double noon = c.localToUt(date, 12 * 3600);
    const Vector moon = c.moon.at(noon);
    const Vector toSun = difference(c.sun.at(noon), moon);
    const double cosPhaseAngle = -dot(toSun, moon) / (length(toSun) * length(moon));
    sky.litFraction = (1 + cosPhaseAngle) / 2;
    sky.waxing = c.elongation(noon) < 180;
    return sky;
}

QList<DaySky> Calculator::month(int year, int month)
{
    QList<DaySky> days;
    const QDate first(year, month, 1);
    for (int d = 0; d < first.daysInMonth(); ++d)
        days << day(first.addDays(d));
    return days;
}

DaySky daySky(const QDate &date, const Place &place)
{
    return Calculator(place).day(date);
}

QStringList reportLines(const DaySky &sky)
{
    QStringList lines;
    lines << QStringLiteral("Небо: ") + DateWords::dateInWords(sky.date) + QStringLiteral(", ") +
                 sky.place.name;
    lines << bodyLine(QStringLiteral("Солнце: "), sky.sun);
    lines << bodyLine(QStringLiteral("Луна: "), sky.moon);
    QString days = QStringLiteral("Лунные сутки: ") + ordinal(sky.lunarDayAtMidnight);
    for (const LunarDayStart &start : sky.lunarDays)
        days +=
            QStringLiteral(", с ") + hhmm(start.at) + QStringLiteral(" — ") + ordinal(start.number);
    lines << days;
    QString signs = QStringLiteral("Луна в знаке: ") + signName(sky.moonSignAtMidnight);
    for (const SignChange &change : sky.signChanges)
        signs += QStringLiteral(", с ") + hhmm(change.at) + QStringLiteral(" — ") +
                 signName(change.sign);
    lines << signs;
    QStringList phases;
    for (const PhaseEvent &event : sky.phases)
        phases << QString::fromUtf8(PhaseNames[int(event.phase)]) + QStringLiteral(" в ") +
                      hhmm(event.at);
    phases << QStringLiteral("освещена на ") + QString::number(qRound(sky.litFraction * 100)) +
                  QStringLiteral(" %");
    lines << QStringLiteral("Фаза: ") + phases.join(QStringLiteral("; "));
    return lines;
}

DayTexts dayTexts(const DaySky &sky, int userSign)
{
    const QString suffix = QStringLiteral(".KVETAR");
    DayTexts texts;
    texts.lunarDays << QStringLiteral("luna_sutki_%1").arg(sky.lunarDayAtMidnight) + suffix;
    for (const LunarDayStart &start : sky.lunarDays)
        texts.lunarDays << QStringLiteral("luna_sutki_%1").arg(start.number) + suffix;
    for (int sign : sky.moonSigns()) {
        texts.moonSigns << QStringLiteral("luna_") + signKey(sign) + suffix;
        if (userSign >= 0)
            texts.houses << QStringLiteral("luna_dom_%1")
                                    .arg((sign - userSign + SignCount) % SignCount + 1) +
                                suffix;
    }
    for (const PhaseEvent &event : sky.phases)
        texts.phases << QStringLiteral("luna_faza_%1").arg(int(event.phase) + 1) + suffix;
    texts.waxing =
        (sky.waxing ? QStringLiteral("luna_rastuschaya") : QStringLiteral("luna_ubuvayuschaya")) +
        suffix;
    return texts;
}

BirthMoon birthMoon(const QDate &date, const Place &place)
{
    const DaySky sky = daySky(date, place);
    BirthMoon moon;
    moon.signAtMidnight = sky.moonSignAtMidnight;
    if (!sky.signChanges.isEmpty())
        moon.change = sky.signChanges.first();
    return moon;
}

namespace {

double sunLongitude(double ut)
{
    const double tt = terrestrial(ut);
    return Ephemeris::longitude(Ephemeris::sun(tt), Ephemeris::obliquity(tt));
}

// The Sun's entry into the sign whose first degree lies ahead of it at the guess.
SunIngress ingress(const LocalClock &moscow, int sign, double guess)
{
    const double ut = solveAngle(sunLongitude, 30.0 * sign, guess, 0.9856);
    const double utc = (ut - UnixEpoch) * 86400;
    const int offset = moscow.offsetAt(static_cast<qint64>(std::floor(utc)));
    // The wall clock rounded to the minute, kept with its offset.
    const qint64 wall = std::llround((utc + offset) / 60) * 60;
    const QDateTime local = QDateTime::fromSecsSinceEpoch(wall, QTimeZone::utc());
    return {sign, QDateTime(local.date(), local.time(), QTimeZone(offset))};
}

LocalClock moscowClock()
{
    return LocalClock(Places::placeOf(Places::defaultCity()));
}

} // namespace

std::optional<SunIngress> sunIngressNear(const QDate &date)
{
    const LocalClock moscow = moscowClock();
    const double from = moscow.localToUt(date.addDays(-1), 0);
    const double to = moscow.localToUt(date.addDays(2), 0);
    const double start = sunLongitude(from);
    const double boundary = (std::floor(start / 30) + 1) * 30;
    const double end = start + wrap360(sunLongitude(to) - start);
    if (boundary >= end)
        return std::nullopt;
    return ingress(moscow, int(boundary / 30) % SignCount,
                   from + (boundary - start) / (end - start) * (to - from));
}

QString sunIngressNote(const SunIngress &ingress)
{
    // Signs are named in the accusative after «вошло в»; only Дева changes.
    const QString name = ingress.sign == 5 ? QStringLiteral("Деву") : signName(ingress.sign);
    const QDate date = ingress.moscow.date();
    return QStringLiteral("В %1 году Солнце вошло в %2 %3 %4 в %5 по московскому времени")
        .arg(date.year())
        .arg(name)
        .arg(date.day())
        .arg(DateWords::monthGenitive(date.month()))
        .arg(ingress.moscow.time().toString(QStringLiteral("HH:mm")));
}

QList<SunIngress> sunIngresses(int sign)
{
    const LocalClock moscow = moscowClock();
    QList<SunIngress> out;
    // Aries about 20 March, each next sign a month on; Aquarius and Pisces early in the year.
    const double offset = 30.44 * sign - (sign >= 10 ? 365.25 : 0);
    for (int year = firstDate().year(); year <= lastDate().year(); ++year)
        out << ingress(moscow, sign, moscow.localToUt(QDate(year, 3, 20), 0) + offset);
    return out;
}

} // namespace Sky
