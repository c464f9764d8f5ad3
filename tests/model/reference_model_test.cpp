#include "reference_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

// The model is the oracle of the randomized page tests, so its own arithmetic is checked here
// against worked values and against independent floating-point routes.
namespace shoewise::model {
namespace {

const System& systemAt(int slot)
{
    return systems().at(static_cast<std::size_t>(slot - 1));
}

TEST(ReferenceModel, TrueCountTextsOfWorkedExamples)
{
    EXPECT_EQ(trueCountText(-1, 1), "-0.13");
    EXPECT_EQ(trueCountText(12, 32), "1.62");  // 1.625 exactly: the half goes to even
    EXPECT_EQ(trueCountText(33, 64), "4.88");  // 4.875 exactly: the half goes to even
    EXPECT_EQ(trueCountText(2, 96), "0.33");  // the double of 0.325 lies above it
    EXPECT_EQ(trueCountText(14, 96), "2.27");  // the double of 2.275 lies below it
    EXPECT_EQ(trueCountText(-182, 96), "-29.57");
    EXPECT_EQ(trueCountText(10, 415), "520");
    EXPECT_EQ(trueCountText(0, 0), "0");
    EXPECT_EQ(trueCountText(-1, 0), "-0.12");  // -0.125 exactly: the half goes to even
    EXPECT_EQ(trueCountText(0, 200), "0");
    EXPECT_EQ(trueCountText(12, 416), "\u2014");
    EXPECT_EQ(hundredthsText(150), "1.5");
    EXPECT_EQ(hundredthsText(-4), "-0.04");
    EXPECT_EQ(hundredthsText(-200), "-2");
}

TEST(ReferenceModel, RunningCountPerDeckIsExact)
{
    EXPECT_EQ(eighthsText(0), "0");
    EXPECT_EQ(eighthsText(-1), "-0.125");
    EXPECT_EQ(eighthsText(12), "1.5");
    EXPECT_EQ(eighthsText(-830), "-103.75");
    EXPECT_EQ(eighthsText(7), "0.875");
    EXPECT_EQ(eighthsText(-16), "-2");
}

// IEEE division of two exactly held integers is correctly rounded, so it must agree with the
// integer route everywhere the pages can go.
TEST(ReferenceModel, NearestDoubleAgreesWithDivisionOverTheWholeRange)
{
    for (int denominator = 1; denominator <= Shoe; ++denominator) {
        for (std::int64_t running = -1300; running <= 1300; ++running) {
            const std::int64_t numerator = 52 * running;
            const double expected = static_cast<double>(numerator) / static_cast<double>(denominator);
            ASSERT_EQ(toDouble(nearestDouble(numerator, denominator)), expected) << numerator << " / " << denominator;
        }
    }
}

// A double times 100 needs at most 60 significant bits; where long double holds 64, its product is
// exact and its own ties-to-even rounding is a second opinion.
TEST(ReferenceModel, HundredthsAgreeWithExtendedPrecision)
{
    if (std::numeric_limits<long double>::digits < 64)
        GTEST_SKIP() << "long double cannot hold a double times 100 exactly here";
    for (int denominator = 1; denominator <= Shoe; ++denominator) {
        for (std::int64_t running = -1300; running <= 1300; ++running) {
            const Binary value = nearestDouble(52 * running, denominator);
            const long double product = static_cast<long double>(toDouble(value)) * 100.0L;
            ASSERT_EQ(hundredths(value), static_cast<std::int64_t>(std::nearbyintl(product)))
                << running << " / " << denominator;
        }
    }
}

TEST(ReferenceModel, TableHasEveryPageOnceInSlotOrder)
{
    std::set<std::string_view> names;
    std::size_t expectedNames = 0;
    ASSERT_EQ(systems().size(), std::size_t {SHOEWISE_EXPECTED_PAGES});
    for (const System& system : systems()) {
        EXPECT_EQ(&system, &systemAt(system.slot));
        names.insert(system.page);
        ++expectedNames;
        for (const Button& button : system.buttons) {
            names.insert(button.name);
            ++expectedNames;
        }
        for (std::string_view label :
            {system.cardsLeftLabel, system.runningLabel, system.trueLabel, system.acesLabel, system.betLabel}) {
            if (!label.empty()) {
                names.insert(label);
                ++expectedNames;
            }
        }
        EXPECT_EQ(system.perDeck, !system.trueLabel.empty()) << system.page;
        EXPECT_EQ(system.perDeck, system.startCount == 0) << system.page;
    }
    EXPECT_EQ(names.size(), expectedNames) << "an object name is used twice";
}

}  // namespace
}  // namespace shoewise::model
