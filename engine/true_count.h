#pragma once

#include <cstdint>

// The arithmetic of the true count, kept exact on any IEEE-754 platform: no step relies on an
// extended-precision type. The true count is the running count per deck left: the double nearest to
// cards a deck x running / cards left in the shoe. Its display value is that double times 100, taken
// exactly and rounded to an integer, ties to even.
namespace shoewise {

// The double nearest to shoe::CardsPerDeck * runningCount / (shoe::Cards - cardsDealt). Needs
// cardsDealt < shoe::Cards.
double trueCount(std::int32_t runningCount, std::int32_t cardsDealt);

// The integer nearest to the exact product value x 100, an exact half going to the even integer.
// Needs |value| well below 2^40: a page's true count stays within +-64740 (415 cards of tag 3, one
// card left).
std::int64_t hundredths(double value);

}  // namespace shoewise
