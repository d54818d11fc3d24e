// How a benchmark states one of its targets: a line of its own beginning with "target:", the figure, the
// bound and whether the figure meets it. tools/bench.sh gathers these lines at the end of its report.
#pragma once

#include <cstdio>

enum class Bound { AtMost, AtLeast };
constexpr Bound AtMost = Bound::AtMost;
constexpr Bound AtLeast = Bound::AtLeast;

// A ratio against its limit; note, if given, says what the figure must be read with.
inline void PrintTarget(const char* what, double ratio, Bound bound, double limit,
                        const char* note = nullptr) {
    const bool met = bound == AtMost ? ratio <= limit : ratio >= limit;
    std::printf("target: %s %.2fx, %s %.2fx: %s%s%s\n", what, ratio, bound == AtMost ? "at most" : "at least",
                limit, met ? "met" : "NOT MET", note != nullptr ? " " : "", note != nullptr ? note : "");
}
