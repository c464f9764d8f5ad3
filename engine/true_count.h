#pragma once

#include <cstdint>

// The arithmetic of the true count, kept exact on any IEEE-754 platform: no step relies on an
// extended-precision type. The true count is the double nearest to 52 x running / (416 - dealt), and
// its display value is that double times 100, taken exactly and rounded to an integer, ties to even.
namespace shoewise {

// The double nearest to 52 * runningCount / (416 - cardsDealt). Needs cardsDealt < 416.
double trueCount(std::int32_t runningCount, std::int32_t cardsDealt);

// The integer nearest to the exact product value x 100, an exact half going to the even integer.
// Needs |value| well below 2^40 (true counts stay below 50000).
std::int64_t hundredths(double value);

}  // namespace shoewise
