#include "engine/sky.h"

#include "data/sign_keys.h"
#include "engine/date_words.h"

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

struct Calculator::Cache {
};

Calculator::Calculator(const Place &place) : m_place(place), m_cache(std::make_unique<Cache>()) {}

Calculator::~Calculator() = default;

const Place &Calculator::place() const
{
    return m_place;
}

DaySky Calculator::day(const QDate &date)
{
    DaySky sky;
    if (date < firstDate() || date > lastDate())
        return sky;
    sky.date = date;
    sky.place = m_place;
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

std::optional<SunIngress> sunIngressNear(const QDate &)
{
    return std::nullopt;
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

QList<SunIngress> sunIngresses(int)
{
    return {};
}

} // namespace Sky
