#include "engine/count_track.h"
#include "engine/number_text.h"
#include "engine/true_count.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace shoewise {
namespace {

__extension__ typedef unsigned __int128 Wide;

// The reference works only with integers: it finds the double nearest to numerator / denominator
// bit by bit, then takes that double's exact value x 100 from its significand and exponent. It shares
// no step with the implementation (a double division, then fma and rint).
struct Reference {
    double value;
    std::int64_t hundredths;
};

Reference reference(std::int32_t runningCount, std::int32_t cardsDealt)
{
    const std::int64_t numerator = std::int64_t {52} * runningCount;
    const std::int64_t denominator = 416 - cardsDealt;
    if (numerator == 0)
        return {0.0, 0};
    const bool negative = numerator < 0;
    const auto a = static_cast<Wide>(negative ? -numerator : numerator);
    const auto d = static_cast<Wide>(denominator);

    // value = m / 2^k with 2^52 <= m < 2^53 before rounding.
    int k = 0;
    while ((a << k) / d < (Wide {1} << 52))
        ++k;
    Wide m = (a << k) / d;
    const Wide remainder = (a << k) - m * d;
    if (2 * remainder > d || (2 * remainder == d && (m & 1) != 0))
        ++m;
    const double value = std::ldexp(static_cast<double>(static_cast<std::uint64_t>(m)), -k);

    // value x 100 = 100 m / 2^k exactly; round that fraction to an integer, ties to even.
    const Wide scaled = m * 100;
    Wide quotient = scaled >> k;
    const Wide rest = scaled & ((Wide {1} << k) - 1);
    const Wide half = Wide {1} << (k - 1);
    if (rest > half || (rest == half && (quotient & 1) != 0))
        ++quotient;
    const auto r = static_cast<std::int64_t>(quotient);
    return {negative ? -value : value, negative ? -r : r};
}

TEST(TrueCount, MatchesExactReferenceForEveryReachablePair)
{
    long pairs = 0;
    for (std::int32_t dealt = 0; dealt < 416; ++dealt) {
        for (std::int32_t running = -4 * dealt; running <= 4 * dealt; ++running) {
            const Reference expected = reference(running, dealt);
            const double actual = trueCount(running, dealt);
            ASSERT_EQ(actual, expected.value) << "dealt " << dealt << ", running " << running;
            ASSERT_EQ(hundredths(actual), expected.hundredths) << "dealt " << dealt << ", running " << running;
            // The label's text from the integer equals the shortest text of R / 100.
            std::array<char, 32> shortest {};
            auto [end, ec] = std::to_chars(shortest.data(), shortest.data() + shortest.size(),
                static_cast<double>(expected.hundredths) / 100.0, std::chars_format::fixed);
            ASSERT_EQ(hundredthsText(expected.hundredths).view(),
                std::string_view(shortest.data(), static_cast<std::size_t>(end - shortest.data())))
                << "R " << expected.hundredths;
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 416L + 4L * 415L * 416L);
}

struct Case {
    const char* name;
    std::int32_t runningCount;
    std::int32_t cardsDealt;
    const char* text;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.runningCount << " after " << c.cardsDealt << " cards";
}

class TrueCountCases : public testing::TestWithParam<Case> { };

TEST_P(TrueCountCases, TextIsTheNearestDoubleRoundedToHundredths)
{
    const Case& c = GetParam();
    EXPECT_EQ(hundredthsText(hundredths(trueCount(c.runningCount, c.cardsDealt))).view(), c.text);
}

INSTANTIATE_TEST_SUITE_P(LabelText, TrueCountCases,
    testing::Values(Case {"OneLowCardAgainst", -1, 1, "-0.13"}, Case {"ExactTieGoesToEvenUp", 12, 32, "1.62"},
        Case {"ExactTieNegative", -12, 32, "-1.62"}, Case {"ExactTieGoesToEvenDown", 33, 64, "4.88"},
        Case {"StoredAboveHalf", 2, 96, "0.33"}, Case {"StoredAboveHalfNegative", -2, 96, "-0.33"},
        Case {"StoredBelowHalf", 14, 96, "2.27"}, Case {"OneCardLeft", 10, 415, "520"},
        Case {"LargestOnAnyPage", 830, 415, "43160"}, Case {"NearestDoubleNotPageFormula", -182, 96, "-29.57"},
        Case {"Zero", 0, 200, "0"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(TrueCount, DoubleArithmeticThroughoutWouldShowTheWrongDigit)
{
    // Guards the reason for one integer division: the page formula in doubles lands on a neighbour.
    const double naive = -182.0 / (8.0 - 96.0 / 52.0);
    EXPECT_EQ(hundredths(naive), -2958);
    EXPECT_EQ(hundredths(trueCount(-182, 96)), -2957);
}

TEST(TrueCount, RoundingSeesTheExactProductNotTheRoundedOne)
{
    // 0.325 and 2.275 are stored just above and just below the half; a rounded product would tie.
    EXPECT_EQ(0.325 * 100.0, 32.5);
    EXPECT_EQ(hundredths(0.325), 33);
    EXPECT_EQ(hundredths(-0.325), -33);
    EXPECT_EQ(hundredths(2.275), 227);
    EXPECT_EQ(hundredths(1.625), 162);  // exact halves go to even
    EXPECT_EQ(hundredths(4.875), 488);
    EXPECT_EQ(hundredths(-1.625), -162);
    EXPECT_EQ(hundredths(0.0049), 0);
    EXPECT_EQ(hundredths(-0.0051), -1);
}

}  // namespace
}  // namespace shoewise
