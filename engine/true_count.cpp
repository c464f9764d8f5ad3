#include "engine/true_count.h"

#include "engine/shoe.h"

#include <cmath>

namespace shoewise {

double trueCount(std::int32_t runningCount, std::int32_t cardsDealt)
{
    // Both operands are small integers, exact in a double, and IEEE division is correctly rounded:
    // one division gives the nearest double. Evaluating running / (decks - dealt / cards a deck) in
    // doubles would not.
    const auto numerator = static_cast<double>(std::int64_t {shoe::CardsPerDeck} * runningCount);
    const auto denominator = static_cast<double>(shoe::Cards - cardsDealt);
    return numerator / denominator;
}

std::int64_t hundredths(double value)
{
    // value x 100 = product + error exactly: fma recovers the rounding error of the product.
    const double product = value * 100.0;
    const double error = std::fma(value, 100.0, -product);
    double nearest = std::nearbyint(product);  // default rounding mode: ties to even
    // product - nearest is exact here (both lie within half a unit of each other). Only when the
    // rounded product sits exactly on a half can the lost error decide the direction.
    const double offset = product - nearest;
    if (offset == 0.5 && error > 0.0)
        nearest += 1.0;
    else if (offset == -0.5 && error < 0.0)
        nearest -= 1.0;
    return static_cast<std::int64_t>(nearest);
}

}  // namespace shoewise
