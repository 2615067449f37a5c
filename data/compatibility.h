#pragma once

#include "data/sign_keys.h"

#include <cstddef>

// How two signs of one system suit each other, as each system's own logic judges it: per-sign
// traits and an ordered list of rules, the first rule that holds for a pair deciding it. Every
// relation a rule tests is symmetric and the last rule holds for any pair, so each pair of signs
// has exactly one verdict whichever way round it is asked.

// One scale for all seven systems, best first; `Even` is a pair the system neither helps nor
// hinders.
enum class Verdict { Excellent, Good, Even, Uneasy, Hard };
constexpr int VerdictCount = 5;

// "прекрасная пара", "хорошая пара", "ровная пара", "непростая пара", "трудная пара" (UTF-8)
const char *verdictName(Verdict verdict);

// What a system says of one sign. Signs stand on a circle in `position` order; `group` gathers
// signs of one element, triangle, season, quarter of the year or nature (-1: none); `label` names
// the group or the sign's own place for the reasons (UTF-8).
struct SignTraits {
    int position;
    int group;
    const char *label;
};

// A pair of signs by index into the system's sign list (of groups, for GroupPairs); a row of its
// own may carry its verdict and reason, otherwise the rule that lists it gives them.
struct PairRow {
    int a;
    int b;
    Verdict verdict = Verdict::Good;
    const char *reason = nullptr;
};

enum class Relation {
    Same,          // one sign twice
    Distance,      // `param` steps apart on the circle of positions, either way round
    SameGroup,     // one group: group `param`, or any group (not -1) for AnyGroup
    GroupDistance, // groups `param` steps apart on the circle of groups
    GroupPairs,    // the two groups stand as a pair in `rows`, either way round
    Listed,        // the pair stands in `rows`
    Otherwise,     // any pair
};

constexpr int AnyGroup = -1;

// A reason is one or two Russian sentences (UTF-8): %1 and %2 are the two signs' names, %3 and %4
// their labels, in the order the pair was asked.
struct CompatibilityRule {
    Relation relation;
    int param;
    Verdict verdict;
    const char *reason;
    const PairRow *rows = nullptr;
    std::size_t rowCount = 0;
};

struct CompatibilityRules {
    System system;
    int circle;      // positions on the circle
    int groupCircle; // groups on their circle, for GroupDistance
    const SignTraits *traits;
    std::size_t traitCount; // the system's sign count
    const CompatibilityRule *rules;
    std::size_t ruleCount; // the last rule holds Otherwise
};

const CompatibilityRules &compatibilityRules(System system);
