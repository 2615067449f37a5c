#pragma once

#include "data/compatibility.h"
#include "engine/people.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// Two people side by side in the seven systems: their signs and how the system judges the pair.
namespace Compatibility {

struct Reading {
    Verdict verdict;
    QString reason;
    int rule; // index of the deciding rule in the system's list
};

// The verdict of two signs (indexes into the system's sign list), either order.
Reading judge(System system, int signA, int signB);

// The sign of the date in each system (index into its list, -1 where the system has none), in
// system order; the date must lie in the years the program offers.
struct Signs {
    int of[SystemCount];
};
Signs signsOf(const QDate &date);

struct SystemReading {
    System system;
    int signA = -1;
    int signB = -1;
    std::optional<Reading> reading; // none when either date has no sign in the system
};

// One reading per system, in system order, the order the result list shows.
QList<SystemReading> compare(const QDate &a, const QDate &b);

// Two people's report, built once and worded alike on the command line, in the window and in
// the saved text.
struct Report {
    QString title;      // "Мама и Я"; empty for two bare dates
    QStringList people; // "Мама, 14 августа 1990 г." for each; empty for two bare dates
    QList<SystemReading> systems;
};

Report report(const QDate &a, const QDate &b);
// A person with no name is the unsaved date the main window shows: «Вы (21 марта 1985 г.)».
Report report(const Person &a, const Person &b);

// How the report calls a person: the name, or «Вы (21 марта 1985 г.)».
QString callName(const Person &person);
// "Мама, 14 августа 1990 г.", or «Вы (21 марта 1985 г.)».
QString personLine(const Person &person);

// The sign's name as the reasons use it: the display name without its bracketed aliases.
QString shortName(System system, int sign);

// The sign's name as the verdict line shows it: the display name without Latin names.
QString lineName(System system, int sign);

// "По знаку зодиака: "
QString linePrefix(System system);

// What stands for the verdict where either date has no sign in the system.
QString noVerdict();

// "По знаку зодиака: Овен и Лев — прекрасная пара"
QString verdictLine(const SystemReading &reading);

// Each system's verdict line, then its reason indented by two spaces.
QStringList systemLines(const Report &report);

// The title and the people, an empty line, then systemLines().
QStringList reportLines(const Report &report);

// Everyone against everyone in one system: cells[row][column] is that pair's reading, none on
// the diagonal and where either date has no sign in the system.
struct Table {
    System system;
    PersonList people;
    QList<int> signs; // each person's sign, -1 for none
    QList<QList<std::optional<Reading>>> cells;
};

Table table(const PersonList &people, System system);

// The title, an empty line, then each pair once: "Мама (Телец) и Я (Овен) — ровная пара".
QStringList tableLines(const Table &table);

} // namespace Compatibility
