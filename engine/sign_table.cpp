#include "engine/sign_table.h"

namespace {

// Text order: code by code, a proper prefix sorting first.
int compareText(const QString &value, int bound)
{
    return value.compare(QString::number(bound), Qt::CaseSensitive);
}

// A text of exactly `width` digits, not starting with 0, orders like its number against every
// bound of the table (all of them that wide, or "0").
bool isTableNumber(const QString &value, int width, int *number)
{
    if (value.size() != width || value.at(0) == u'0')
        return false;
    int n = 0;
    for (QChar c : value) {
        if (c < u'0' || c > u'9')
            return false;
        n = n * 10 + (c.unicode() - u'0');
    }
    *number = n;
    return true;
}

template <typename Compare> SignMatches matchWith(const SignTable &table, Compare compare)
{
    SignMatches matches;
    for (std::size_t i = 0; i < table.count; ++i) {
        const SignRange &range = table.ranges[i];
        const bool strict = table.bounds == Bounds::Strict;
        const int low = compare(range.low);
        const bool aboveLow = strict || range.openLow ? low > 0 : low >= 0;
        if (!aboveLow)
            continue;
        const int high = compare(range.high);
        const bool inside = strict ? high < 0 : high <= 0;
        if (inside)
            matches.append(range.sign);
    }
    return matches;
}

} // namespace

SignMatches matchSigns(const SignTable &table, const QString &value)
{
    int number = 0;
    if (isTableNumber(value, table.width, &number))
        return matchWith(table,
                         [number](int bound) { return number < bound ? -1 : number > bound; });
    return matchWith(table, [&value](int bound) { return compareText(value, bound); });
}
