#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

#include <memory>
#include <optional>

// The sky of a day at a place: rises and sets of the Sun and the Moon, the lunar days, the Moon's
// sign and phase, all in the place's local civil time, for any date 1900-2099. One structured
// result; the command line, the window and the printout each format it.
namespace Sky {

// Zodiac signs in ecliptic order: 0 = Овен (0°-30°) .. 11 = Рыбы.
constexpr int SignCount = 12;

// "Овен" .. "Рыбы"; the file-name key of the zodiac system ("oven" .. "rubu").
QString signName(int sign);
QString signKey(int sign);

// A place on the Earth: degrees, north and east positive; an IANA zone name. A zone the
// database does not know leaves the place on its own local mean time.
struct Place {
    QString name;
    double latitude = 0;
    double longitude = 0;
    QByteArray zone;
};

// When something happens: the local wall-clock time rounded to the minute, and the instant.
struct Moment {
    QTime time;
    QDateTime utc;
};

enum class EventKind { Rise, Set };

struct BodyEvent {
    EventKind kind;
    Moment at;
};

// With no event in the day: whether the body stayed below («не восходит») or above («не заходит»)
// the horizon all day. A day with events has Neither, even when only one kind happens.
enum class AllDay { Neither, Below, Above };

struct BodyDay {
    QList<BodyEvent> events; // in the day's order
    AllDay allDay = AllDay::Neither;
};

// Lunar day N begins at Moment (1 at the new moon, the next ones at moonrises).
struct LunarDayStart {
    int number;
    Moment at;
};

struct SignChange {
    int sign; // the sign the Moon enters
    Moment at;
};

enum class Phase { NewMoon, FirstQuarter, FullMoon, LastQuarter };

struct PhaseEvent {
    Phase phase;
    Moment at;
};

struct DaySky {
    QDate date;
    Place place;
    BodyDay sun;
    BodyDay moon;
    int lunarDayAtMidnight = 1;
    QList<LunarDayStart> lunarDays; // those beginning during the day
    int moonSignAtMidnight = 0;
    QList<SignChange> signChanges;
    QList<PhaseEvent> phases;
    double litFraction = 0; // of the Moon's disc at local noon, 0..1
    bool waxing = false;    // at local noon

    // Every sign the Moon stands in during the day, in order.
    QList<int> moonSigns() const;
};

// Holds what neighbouring days share (the Moon's and the Sun's positions, the new moons, the
// moonrises), so a month's calendar costs little more than its first day. Not thread-safe.
class Calculator
{
public:
    explicit Calculator(const Place &place);
    ~Calculator();
    Calculator(const Calculator &) = delete;
    Calculator &operator=(const Calculator &) = delete;

    const Place &place() const;

    // For a date 1900-01-01 .. 2099-12-31; an empty DaySky (invalid date) outside it.
    DaySky day(const QDate &date);

    // Every day of the month, for the calendar.
    QList<DaySky> month(int year, int month);

private:
    struct Cache;
    Place m_place;
    std::unique_ptr<Cache> m_cache;
};

DaySky daySky(const QDate &date, const Place &place);

// The first and last dates the engine answers for.
QDate firstDate();
QDate lastDate();

// The lines of the report, one label each:
//   Небо: 21 марта 1985 г., Санкт-Петербург
//   Солнце: восход 06:58, заход 19:15
//   Луна: восход 07:34, заход 19:02
//   Лунные сутки: 29-е, с 07:34 — 30-е, с 14:59 — 1-е
//   Луна в знаке: Рыбы, с 13:20 — Овен
//   Фаза: новолуние в 14:59; освещена на 0 %
QStringList reportLines(const DaySky &sky);

// The names of the texts in Files/ that speak of the day, for a user whose zodiac sign is given
// (ecliptic order as above, or -1 when unknown): each lunar day of the day, the Moon in each of
// its signs, the Moon's house from the user's sign for each of them, the principal phases of the
// day, and the waxing or waning Moon. Names only ("luna_sutki_7.KVETAR"), in that order.
struct DayTexts {
    QStringList lunarDays;
    QStringList moonSigns;
    QStringList houses;
    QStringList phases;
    QString waxing;
};
DayTexts dayTexts(const DaySky &sky, int userSign);

// The zodiac key of data/sign_keys ("oven", ...) to the sign number here, or -1.
int signOfKey(const QString &key);

// The Moon on a birth day at a place (the birth time is not known): the sign at 00:00, and the
// change, if the Moon changed sign that day.
struct BirthMoon {
    int signAtMidnight = 0;
    std::optional<SignChange> change;
};
BirthMoon birthMoon(const QDate &date, const Place &place);

// The Sun entering a sign, in Moscow's civil time (local mean time before 1916).
struct SunIngress {
    int sign;
    QDateTime moscow;
};

// The Sun's ingress whose Moscow date lies within a day of the date, if there is one.
std::optional<SunIngress> sunIngressNear(const QDate &date);

// «В 2000 году Солнце вошло в Рыбы 19 февраля в 12:33 по московскому времени»
QString sunIngressNote(const SunIngress &ingress);

// Every ingress of the Sun into the sign in 1900-2099, in order.
QList<SunIngress> sunIngresses(int sign);

} // namespace Sky
