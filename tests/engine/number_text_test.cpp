#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <limits>

namespace shoewise {
namespace {

TEST(IntegerText, PlainDigitsWithMinusOnly)
{
    EXPECT_EQ(integerText(-22).view(), "-22");
    EXPECT_EQ(integerText(0).view(), "0");
    EXPECT_EQ(integerText(416).view(), "416");
    EXPECT_EQ(integerText(1232).view(), "1232");
    EXPECT_EQ(integerText(std::numeric_limits<std::int64_t>::min()).view(), "-9223372036854775808");
}

TEST(EighthsText, ExactDecimalOfEveryEighth)
{
    // Every running count per deck a track can reach, against the shortest text of the exact double.
    for (std::int64_t eighths = -4 * 416 - 22; eighths <= 4 * 416; ++eighths) {
        std::array<char, 32> shortest {};
        auto [end, ec] = std::to_chars(
            shortest.data(), shortest.data() + shortest.size(), eighths / 8.0, std::chars_format::fixed);
        ASSERT_EQ(ec, std::errc {});
        std::string_view expected(shortest.data(), static_cast<std::size_t>(end - shortest.data()));
        if (expected == "-0")
            expected = "0";
        ASSERT_EQ(eighthsText(eighths).view(), expected) << eighths;
    }
}

TEST(DecimalText, UsesTheLocaleSeparatorWhateverItsLength)
{
    EXPECT_EQ(eighthsText(-1, ",").view(), "-0,125");
    EXPECT_EQ(hundredthsText(-162, ",").view(), "-1,62");
    EXPECT_EQ(hundredthsText(150, "\u066b").view(), "1\u066b5");  // the Arabic decimal separator, two bytes
    EXPECT_EQ(eighthsText(16, "\u066b").view(), "2");
}

TEST(HundredthsText, ExactDecimalOfTheInteger)
{
    EXPECT_EQ(hundredthsText(13).view(), "0.13");
    EXPECT_EQ(hundredthsText(-162).view(), "-1.62");
    EXPECT_EQ(hundredthsText(150).view(), "1.5");
    EXPECT_EQ(hundredthsText(200).view(), "2");
    EXPECT_EQ(hundredthsText(0).view(), "0");
    EXPECT_EQ(hundredthsText(-5).view(), "-0.05");
    EXPECT_EQ(hundredthsText(4316000).view(), "43160");
}

}  // namespace
}  // namespace shoewise
