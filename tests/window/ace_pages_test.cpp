#include "window_fixture.h"

namespace shoewise::testing {
namespace {

class AceTest : public WindowTest {
protected:
    Texts omega() const { return texts({"Label85", "Label23", "Label58", "Label25"}); }
    Texts apc() const { return texts({"Label87", "Label36", "Label59", "Label38"}); }
};

TEST_F(AceTest, WorkedSequenceOnAdvancedOmega)
{
    EXPECT_EQ(omega(), (Texts {"416", "0", "0", "32"}));
    const std::pair<const char*, Texts> steps[] = {
        {"Button38", {"415", "0", "0", "31"}},
        {"Button34", {"414", "0.125", "0.13", "31"}},
        {"Button35", {"413", "0.375", "0.38", "31"}},
        {"Button80", {"414", "0.125", "0.13", "31"}},
        {"Button80", {"415", "0", "0", "31"}},
        {"Button80", {"416", "0", "0", "32"}},
    };
    for (const auto& [name, expected] : steps) {
        click(name);
        EXPECT_EQ(omega(), expected) << "after " << name;
    }
    click("Button55");
    EXPECT_EQ(apc(), (Texts {"415", "0.375", "0.38", "32"}));
}

TEST_F(AceTest, NoAceLeftRefusesTheAce)
{
    click("Button38", 32);
    click("Button34");
    EXPECT_EQ(omega(), (Texts {"383", "0.125", "0.14", "0"}));
    click("Button38");
    EXPECT_EQ(omega(), (Texts {"383", "0.125", "0.14", "0"}));
    click("Button80");  // the 2,3,7
    click("Button80");  // the 32nd ace
    EXPECT_EQ(omega(), (Texts {"385", "0", "0", "1"}));
    click("Button38");
    EXPECT_EQ(omega(), (Texts {"384", "0", "0", "0"}));
}

TEST_F(AceTest, UndoGivesBackOnlyAces)
{
    click("Button53");
    click("Button58");
    click("Button54");
    EXPECT_EQ(text("Label38"), "31");
    click("Button81");  // the 3,4,6,7
    EXPECT_EQ(text("Label38"), "31");
    click("Button81");  // the ace
    EXPECT_EQ(text("Label38"), "32");
    click("Button81");
    click("Button81");  // on an empty track
    EXPECT_EQ(apc(), (Texts {"416", "0", "0", "32"}));
}

TEST_F(AceTest, ResetLeavesOldMarksUnread)
{
    click("Button38", 3);
    click("Button39");
    EXPECT_EQ(omega(), (Texts {"416", "0", "0", "32"}));
    click("Button34");  // overwrites card 1's mark; marks 2 and 3 are stale
    EXPECT_EQ(omega(), (Texts {"415", "0.125", "0.13", "32"}));
    click("Button38");
    EXPECT_EQ(omega(), (Texts {"414", "0.125", "0.13", "31"}));
}

TEST_F(AceTest, EightRecordsACardWithoutCounting)
{
    click("Button34");
    click("Button68");
    EXPECT_EQ(omega(), (Texts {"414", "0.125", "0.13", "32"}));
    click("Button68", 100);  // 52 / 314 = 0.1656...
    EXPECT_EQ(omega(), (Texts {"314", "0.125", "0.17", "32"}));
}

TEST_F(AceTest, PagesKeepTheirOwnAces)
{
    click("Button38", 2);
    click("Button58");
    click("Button57");
    click("Button39");
    EXPECT_EQ(omega(), (Texts {"416", "0", "0", "32"}));
    EXPECT_EQ(apc(), (Texts {"414", "-0.375", "-0.38", "31"}));
}

TEST_F(AceTest, FullTrackKeepsTheSideCountInLine)
{
    click("Button68", 415);
    click("Button38");  // an ace as the 416th card
    EXPECT_EQ(omega(), (Texts {"0", "0", "\u2014", "31"}));
    click("Button34");  // replaces that ace
    EXPECT_EQ(omega(), (Texts {"0", "0.125", "\u2014", "32"}));
    click("Button38");
    EXPECT_EQ(omega(), (Texts {"0", "0", "\u2014", "31"}));
    click("Button80");
    EXPECT_EQ(omega(), (Texts {"1", "0", "0", "32"}));
}

TEST_F(AceTest, AcesLeftGrowsToTheRight)
{
    for (const char* name : {"Label25", "Label38"}) {
        QLabel* aces = label(name);
        EXPECT_EQ(aces->x(), 256);
        EXPECT_EQ(aces->y(), 384);
    }
    QLabel* aces = label("Label25");
    const int wide = aces->width();
    click("Button38", 25);
    EXPECT_EQ(aces->text(), "7");
    EXPECT_EQ(aces->x(), 256);
    EXPECT_LT(aces->width(), wide);
}

}  // namespace
}  // namespace shoewise::testing
