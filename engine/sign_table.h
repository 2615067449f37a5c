#pragma once

#include <QString>
#include <QVarLengthArray>

#include <cstddef>

// A horoscope system's rule as data: ranges of the day number (or day-of-year number), each
// naming a sign by its index in the system's sign list. Ranges stand in the order their groups
// are tested; one lookup routine serves every system.
struct SignRange {
    int low;
    int high;
    int sign;
    bool openLow = false; // "> low" rather than ">= low" under inclusive bounds
};

enum class Bounds { Inclusive, Strict };

struct SignTable {
    Bounds bounds;
    int width; // digits of every value the wizard produces for this table
    const SignRange *ranges;
    std::size_t count;
};

using SignMatches = QVarLengthArray<int, 2>;

// Signs of every range that holds the value, in table order. Values are compared as text with the
// decimal text of each bound, as the fields hold them; for the fixed-width numbers the wizard
// produces that is plain number order, and any other text (empty, a design value) matches nothing
// a number would.
SignMatches matchSigns(const SignTable &table, const QString &value);
