#pragma once

#include "data/compatibility.h"

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

// The sign's name as the reasons use it: the display name without its bracketed aliases.
QString shortName(System system, int sign);

// "По знаку зодиака: Овен и Лев — прекрасная пара"
QString verdictLine(const SystemReading &reading);

} // namespace Compatibility
