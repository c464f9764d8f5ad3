#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
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

TEST(GeneralText, ShortestFixedForm)
{
    EXPECT_EQ(generalText(0.0).view(), "0");
    EXPECT_EQ(generalText(-0.0).view(), "0");
    EXPECT_EQ(generalText(-0.125).view(), "-0.125");
    EXPECT_EQ(generalText(1.5).view(), "1.5");
    EXPECT_EQ(generalText(-2.0).view(), "-2");
    EXPECT_EQ(generalText(0.12).view(), "0.12");
    EXPECT_EQ(generalText(-103.75).view(), "-103.75");
    EXPECT_EQ(generalText(43160.0).view(), "43160");
    EXPECT_EQ(generalText(0.1 + 0.2).view(), "0.3");  // 15 significant digits hide the binary tail
    EXPECT_EQ(generalText(1.0 / 3.0).view(), "0.333333333333333");
    EXPECT_EQ(generalText(123456789012345.0).view(), "123456789012345");
    EXPECT_EQ(generalText(0.00001).view(), "0.00001");
}

TEST(GeneralText, ScientificOnlyOutsideTheFixedRange)
{
    EXPECT_EQ(generalText(0.000001).view(), "1E-6");
    EXPECT_EQ(generalText(-0.0000015).view(), "-1.5E-6");
    EXPECT_EQ(generalText(1e15).view(), "1E+15");
    EXPECT_EQ(generalText(999999999999999.9).view(), "1E+15");  // rounding carries into a new digit
    EXPECT_EQ(generalText(std::nan("")).view(), "NAN");
    EXPECT_EQ(generalText(-std::numeric_limits<double>::infinity()).view(), "-INF");
}

TEST(GeneralText, UsesTheGivenDecimalSeparator)
{
    EXPECT_EQ(generalText(-0.125, ',').view(), "-0,125");
    EXPECT_EQ(generalText(0.000002, ',').view(), "2E-6");
    EXPECT_EQ(hundredthsText(-162, ',').view(), "-1,62");
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
