#include "engine/compatibility.h"

#include "engine/date_words.h"
#include "engine/day_numbers.h"
#include "engine/sign_tables.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

namespace Compatibility {

namespace {

int circleDistance(int a, int b, int circle)
{
    const int d = std::abs(a - b) % circle;
    return std::min(d, circle - d);
}

bool listed(const CompatibilityRule &rule, int a, int b, const PairRow **row)
{
    for (std::size_t i = 0; i < rule.rowCount; ++i) {
        const PairRow &each = rule.rows[i];
        if ((each.a == a && each.b == b) || (each.a == b && each.b == a)) {
            *row = &each;
            return true;
        }
    }
    return false;
}

bool holds(const CompatibilityRules &rules, const CompatibilityRule &rule, int a, int b,
           const PairRow **row)
{
    const SignTraits &ta = rules.traits[a];
    const SignTraits &tb = rules.traits[b];
    switch (rule.relation) {
    case Relation::Same:
        return a == b;
    case Relation::Distance:
        return circleDistance(ta.position, tb.position, rules.circle) == rule.param;
    case Relation::SameGroup:
        return ta.group >= 0 && ta.group == tb.group &&
               (rule.param == AnyGroup || ta.group == rule.param);
    case Relation::GroupDistance:
        return ta.group >= 0 && tb.group >= 0 &&
               circleDistance(ta.group, tb.group, rules.groupCircle) == rule.param;
    case Relation::GroupPairs:
        return listed(rule, ta.group, tb.group, row);
    case Relation::Listed:
        return listed(rule, a, b, row);
    case Relation::Otherwise:
        return true;
    }
    return false;
}

QString signName(System system, int sign)
{
    return QString::fromUtf8(systemInfo(system).signs[static_cast<std::size_t>(sign)].name);
}

int firstMatch(const SignTable &table, int value)
{
    const SignMatches matches = matchSigns(table, QString::number(value));
    return matches.isEmpty() ? -1 : matches.first();
}

} // namespace

Reading judge(System system, int signA, int signB)
{
    const CompatibilityRules &rules = compatibilityRules(system);
    for (std::size_t i = 0; i < rules.ruleCount; ++i) {
        const CompatibilityRule &rule = rules.rules[i];
        const PairRow *row = nullptr;
        if (!holds(rules, rule, signA, signB, &row))
            continue;
        if (row && row->reason)
            return {row->verdict, QString::fromUtf8(row->reason), static_cast<int>(i)};
        QString reason = QString::fromUtf8(rule.reason);
        reason.replace(QLatin1String("%1"), shortName(system, signA))
            .replace(QLatin1String("%2"), shortName(system, signB))
            .replace(QLatin1String("%3"), QString::fromUtf8(rules.traits[signA].label))
            .replace(QLatin1String("%4"), QString::fromUtf8(rules.traits[signB].label));
        return {rule.verdict, reason, static_cast<int>(i)};
    }
    Q_UNREACHABLE();
}

Signs signsOf(const QDate &date)
{
    const int day = DayNumbers::dayNumber(date.year(), date.month(), date.day());
    const int dayOfYear = DayNumbers::dayOfYearNumber(date.month(), date.day());
    const int animal = firstMatch(SignTables::yearAnimal(), day);
    return {
        {firstMatch(SignTables::zodiac(), dayOfYear), animal, animal,
         firstMatch(SignTables::druid(), dayOfYear), firstMatch(SignTables::flower(), dayOfYear),
         firstMatch(SignTables::mythological(), dayOfYear), firstMatch(SignTables::aryan(), day)}};
}

QList<SystemReading> compare(const QDate &a, const QDate &b)
{
    const Signs first = signsOf(a);
    const Signs second = signsOf(b);
    QList<SystemReading> readings;
    for (int number = 1; number <= SystemCount; ++number) {
        SystemReading each;
        each.system = static_cast<System>(number);
        each.signA = first.of[number - 1];
        each.signB = second.of[number - 1];
        if (each.signA >= 0 && each.signB >= 0)
            each.reading = judge(each.system, each.signA, each.signB);
        readings.append(each);
    }
    return readings;
}

Report report(const QDate &a, const QDate &b)
{
    return {QString(), QStringList(), compare(a, b)};
}

Report report(const Person &a, const Person &b)
{
    return {callName(a) + QStringLiteral(" и ") + callName(b),
            {personLine(a), personLine(b)},
            compare(a.birth, b.birth)};
}

QString callName(const Person &person)
{
    if (!person.name.isEmpty())
        return person.name;
    return QStringLiteral("Вы (%1)").arg(DateWords::dateInWords(person.birth));
}

QString personLine(const Person &person)
{
    if (person.name.isEmpty())
        return callName(person);
    return person.name + QStringLiteral(", ") + DateWords::dateInWords(person.birth);
}

QString shortName(System system, int sign)
{
    const QString name = signName(system, sign);
    const qsizetype bracket = name.indexOf(QLatin1String(" ("));
    return bracket < 0 ? name : name.left(bracket);
}

QString lineName(System system, int sign)
{
    static const QRegularExpression latin(QStringLiteral(" \\([^)]*[A-Za-z][^)]*\\)"));
    return signName(system, sign).remove(latin);
}

QString linePrefix(System system)
{
    QString prefix = QString::fromUtf8(systemInfo(system).linePrefix);
    while (prefix.endsWith(u'.'))
        prefix.chop(1);
    return prefix + QLatin1String(": ");
}

QString noVerdict()
{
    return QStringLiteral("оценки нет: у одной из дат в этом гороскопе нет знака");
}

QString verdictLine(const SystemReading &reading)
{
    const QString prefix = linePrefix(reading.system);
    if (!reading.reading)
        return prefix + noVerdict();
    return prefix + lineName(reading.system, reading.signA) + QStringLiteral(" и ") +
           lineName(reading.system, reading.signB) + QStringLiteral(" — ") +
           QString::fromUtf8(verdictName(reading.reading->verdict));
}

QStringList systemLines(const Report &report)
{
    QStringList lines;
    for (const SystemReading &each : report.systems) {
        lines << verdictLine(each);
        if (each.reading)
            lines << QStringLiteral("  ") + each.reading->reason;
    }
    return lines;
}

QStringList reportLines(const Report &report)
{
    QStringList lines = {QStringLiteral("Совместимость: ") + report.title};
    lines << report.people << QString() << systemLines(report);
    return lines;
}

Table table(const PersonList &people, System system)
{
    Table made{system, people, {}, {}};
    for (const Person &person : people) {
        made.signs << (person.birth.isValid()
                           ? signsOf(person.birth).of[static_cast<int>(system) - 1]
                           : -1);
    }
    for (int row = 0; row < people.size(); ++row) {
        QList<std::optional<Reading>> cells(people.size());
        for (int column = 0; column < people.size(); ++column) {
            if (row != column && made.signs[row] >= 0 && made.signs[column] >= 0)
                cells[column] = judge(system, made.signs[row], made.signs[column]);
        }
        made.cells << cells;
    }
    return made;
}

QStringList tableLines(const Table &table)
{
    QStringList lines = {QStringLiteral("Таблица совместимости: ") +
                             QString::fromUtf8(systemInfo(table.system).title),
                         QString()};
    const auto named = [&](int person) {
        const int sign = table.signs[person];
        return sign < 0 ? callName(table.people[person])
                        : QStringLiteral("%1 (%2)").arg(callName(table.people[person]),
                                                        lineName(table.system, sign));
    };
    for (int row = 0; row < table.people.size(); ++row) {
        for (int column = row + 1; column < table.people.size(); ++column) {
            const std::optional<Reading> &cell = table.cells[row][column];
            lines << named(row) + QStringLiteral(" и ") + named(column) + QStringLiteral(" — ") +
                         (cell ? QString::fromUtf8(verdictName(cell->verdict)) : noVerdict());
        }
    }
    return lines;
}

} // namespace Compatibility
