#include "window_fixture.h"

#include <QImage>

namespace shoewise::testing {
namespace {

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

struct Bet {
    std::string text;
    QColor stored;  // the colour the label is told to fill with
    QColor painted;  // the colour actually on screen behind the text
    bool whiteText;
};

class BaccaratTest : public WindowTest {
protected:
    Texts first() const { return texts({"Label91", "Label26", "Label64", "Label27"}); }
    Texts second() const { return texts({"Label93", "Label30", "Label65", "Label31"}); }

    // Looks at the pixels of the bet label as painted, not only at its stored palette.
    Bet bet(const char* name) const
    {
        QLabel* l = label(name);
        const QImage image = l->grab().toImage();
        bool white = false;
        for (int y = 0; y < image.height() && !white; ++y)
            for (int x = 0; x < image.width() && !white; ++x)
                white = image.pixelColor(x, y) == Qt::white;
        return {l->text().toStdString(), l->palette().color(QPalette::Window), image.pixelColor(1, 1), white};
    }

    void expectBet(const char* name, const char* text, const QColor& colour, const std::string& when) const
    {
        const Bet b = bet(name);
        EXPECT_EQ(b.text, text) << when;
        EXPECT_EQ(b.stored, colour) << when;
        EXPECT_EQ(b.painted, colour) << when;
        EXPECT_TRUE(b.whiteText) << when;
    }
};

TEST_F(BaccaratTest, StartOnPlayer)
{
    EXPECT_EQ(first(), (Texts {"416", "0", "0", "BET ON PLAYER"}));
    EXPECT_EQ(second(), (Texts {"416", "0", "0", "BET ON PLAYER"}));
    expectBet("Label27", "BET ON PLAYER", Blue, "start");
    expectBet("Label31", "BET ON PLAYER", Blue, "start");
}

TEST_F(BaccaratTest, OppositeRulesOnTheTwoPages)
{
    struct Step {
        const char* first;
        const char* second;
        Texts numbers;
        const char* betFirst;
        const char* betSecond;
    };
    const Step steps[] = {
        {"Button85", "Button46", {"415", "-0.25", "-0.25"}, "BET ON BANKER", "BET ON PLAYER"},
        {"Button41", "Button44", {"414", "-0.125", "-0.13"}, "BET ON BANKER", "BET ON PLAYER"},
        {"Button40", "Button45", {"413", "0.125", "0.13"}, "BET ON PLAYER", "BET ON BANKER"},
        {"Button42", "Button47", {"412", "0", "0"}, "BET ON PLAYER", "BET ON BANKER"},
    };
    for (const Step& s : steps) {
        click(s.first);
        click(s.second);
        Texts expectedFirst = s.numbers;
        expectedFirst.push_back(s.betFirst);
        Texts expectedSecond = s.numbers;
        expectedSecond.push_back(s.betSecond);
        EXPECT_EQ(first(), expectedFirst) << s.first;
        EXPECT_EQ(second(), expectedSecond) << s.second;
        const std::string bf(s.betFirst);
        const std::string bs(s.betSecond);
        expectBet("Label27", s.betFirst, bf == "BET ON PLAYER" ? Blue : Red, s.first);
        expectBet("Label31", s.betSecond, bs == "BET ON PLAYER" ? Blue : Red, s.second);
    }

    // One undo a row: clang-format 14 and 21 would lay the table out each in its own way.
    // clang-format off
    const std::pair<Texts, const char*> undos[] = {
        {{"413", "0.125", "0.13"}, "BET ON PLAYER"},
        {{"414", "-0.125", "-0.13"}, "BET ON BANKER"},
        {{"415", "-0.25", "-0.25"}, "BET ON BANKER"},
        {{"416", "0", "0"}, "BET ON BANKER"},  // zero keeps the last bet
    };
    // clang-format on
    for (const auto& [numbers, betText] : undos) {
        click("Button83");
        Texts expected = numbers;
        expected.push_back(betText);
        EXPECT_EQ(first(), expected);
    }
    expectBet("Label27", "BET ON BANKER", Red, "after the undos");
    click("Button43");
    EXPECT_EQ(first(), (Texts {"416", "0", "0", "BET ON PLAYER"}));
    expectBet("Label27", "BET ON PLAYER", Blue, "after reset");
    EXPECT_EQ(second(), (Texts {"412", "0", "0", "BET ON BANKER"})) << "the other page's reset is its own";
}

TEST_F(BaccaratTest, NeutralCardsAndEmptyUndoLeaveTheBet)
{
    click("Button69");
    EXPECT_EQ(first(), (Texts {"415", "0", "0", "BET ON PLAYER"}));
    click("Button46");  // page II: negative count recommends the player
    click("Button47");
    EXPECT_EQ(text("Label31"), "BET ON PLAYER");
    click("Button45");  // count back to 0 from below? -3 + 2 = -1: still player
    click("Button44");  // 0: unchanged
    click("Button44");  // +1: banker
    EXPECT_EQ(text("Label31"), "BET ON BANKER");
    click("Button84", 6);  // down to the empty track and one undo past it
    EXPECT_EQ(second(), (Texts {"416", "0", "0", "BET ON PLAYER"}));
    click("Button85");
    click("Button83");
    click("Button83");
    EXPECT_EQ(first(), (Texts {"416", "0", "0", "BET ON BANKER"}));
}

TEST_F(BaccaratTest, TheWholeShoeStillPicksABet)
{
    click("Button69", 415);
    click("Button85");  // the 416th card, count -2
    EXPECT_EQ(first(), (Texts {"0", "-0.25", "\u2014", "BET ON BANKER"}));
    expectBet("Label27", "BET ON BANKER", Red, "416th card");
    click("Button40");  // replaces it: count +2
    EXPECT_EQ(first(), (Texts {"0", "0.25", "\u2014", "BET ON PLAYER"}));
    click("Button83");
    EXPECT_EQ(first(), (Texts {"1", "0", "0", "BET ON PLAYER"}));
}

TEST_F(BaccaratTest, BetLabelKeepsItsLeftEdgeAndFont)
{
    for (const char* name : {"Label27", "Label31"}) {
        QLabel* l = label(name);
        EXPECT_EQ(l->pos(), QPoint(16, 232)) << name;
        EXPECT_EQ(l->font().pixelSize(), 35);
        EXPECT_TRUE(l->font().bold());
        EXPECT_TRUE(l->autoFillBackground());
        EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text()));
    }
}

}  // namespace
}  // namespace shoewise::testing
