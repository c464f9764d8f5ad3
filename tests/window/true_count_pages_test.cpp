#include "window_fixture.h"

#include "engine/count_track.h"

namespace shoewise::testing {
namespace {

using TrueCountPages = WindowTest;

struct Page {
    const char* name;
    const char* cardsLeft;
    const char* running;
    const char* trueCount;
    const char* reset;
    const char* undo;
};

constexpr Page HiLo {"Hi-Lo", "Label73", "Label6", "Label54", "Button8", "Button73"};
constexpr Page HiOpt1 {"Hi-Opt I", "Label75", "Label9", "Label55", "Button15", "Button75"};
constexpr Page HiOpt2 {"Hi-Opt II", "Label77", "Label12", "Label56", "Button20", "Button76"};
constexpr Page Zen {"ZEN", "Label81", "Label19", "Label57", "Button29", "Button78"};

struct FirstPress {
    const Page* page;
    const char* button;
    Texts expected;
};

TEST_F(TrueCountPages, FirstPressOfEveryGroup)
{
    const FirstPress presses[] = {
        {&HiLo, "Button9", {"415", "0.125", "0.13"}},
        {&HiLo, "Button11", {"415", "0", "0"}},
        {&HiLo, "Button10", {"415", "-0.125", "-0.13"}},
        {&HiOpt1, "Button13", {"415", "0.125", "0.13"}},
        {&HiOpt1, "Button12", {"415", "0", "0"}},
        {&HiOpt1, "Button14", {"415", "-0.125", "-0.13"}},
        {&HiOpt2, "Button17", {"415", "0.25", "0.25"}},
        {&HiOpt2, "Button18", {"415", "0.125", "0.13"}},
        {&HiOpt2, "Button16", {"415", "0", "0"}},
        {&HiOpt2, "Button19", {"415", "-0.25", "-0.25"}},
        {&Zen, "Button26", {"415", "0.25", "0.25"}},
        {&Zen, "Button25", {"415", "0.125", "0.13"}},
        {&Zen, "Button67", {"415", "0", "0"}},
        {&Zen, "Button28", {"415", "-0.125", "-0.13"}},
        {&Zen, "Button27", {"415", "-0.25", "-0.25"}},
    };
    for (const FirstPress& p : presses) {
        const Page& page = *p.page;
        click(p.button);
        EXPECT_EQ(texts({page.cardsLeft, page.running, page.trueCount}), p.expected) << page.name << " " << p.button;
        click(page.reset);
        EXPECT_EQ(texts({page.cardsLeft, page.running, page.trueCount}), (Texts {"416", "0", "0"})) << page.name;
    }
}

TEST_F(TrueCountPages, UndoResetAndOverwrite)
{
    const Page& page = HiLo;
    auto shown = [&] { return texts({page.cardsLeft, page.running, page.trueCount}); };
    click(page.undo);
    EXPECT_EQ(shown(), (Texts {"416", "0", "0"}));
    click("Button9", 3);
    click(page.reset);
    click(page.undo);
    EXPECT_EQ(shown(), (Texts {"416", "0", "0"}));

    click("Button9");
    const Texts first = shown();
    click("Button9");
    click(page.undo);
    EXPECT_EQ(shown(), first);
    click("Button10");  // replaces the undone second card's +1
    EXPECT_EQ(shown(), (Texts {"414", "0", "0"}));
}

struct Rounding {
    const char* name;
    int up;  // presses of Hi-Lo's +1 group
    int down;  // presses of its -1 group
    int neutral;  // presses of its 0 group
    Texts expected;
};

TEST_F(TrueCountPages, RoundingThroughThePage)
{
    const Rounding cases[] = {
        {"exact tie to even, up", 12, 0, 20, {"384", "1.5", "1.62"}},
        {"exact tie to even, negative", 0, 12, 20, {"384", "-1.5", "-1.62"}},
        {"exact tie to even, down", 33, 0, 31, {"352", "4.125", "4.88"}},
        {"stored above the half", 2, 0, 94, {"320", "0.25", "0.33"}},
        {"stored above the half, negative", 0, 2, 94, {"320", "-0.25", "-0.33"}},
        {"stored below the half", 14, 0, 82, {"320", "1.75", "2.27"}},
        {"one card left", 10, 0, 405, {"1", "1.25", "520"}},
    };
    for (const Rounding& c : cases) {
        click(HiLo.reset);
        click("Button9", c.up);
        click("Button10", c.down);
        click("Button11", c.neutral);
        EXPECT_EQ(texts({HiLo.cardsLeft, HiLo.running, HiLo.trueCount}), c.expected) << c.name;
    }
}

TEST_F(TrueCountPages, LargestTrueCountThenNoDeckLeft)
{
    click("Button26", 415);
    EXPECT_EQ(texts({Zen.cardsLeft, Zen.running, Zen.trueCount}), (Texts {"1", "103.75", "43160"}));
    click("Button26");  // the 416th card: nothing left to divide by, and no error box
    EXPECT_EQ(texts({Zen.cardsLeft, Zen.running, Zen.trueCount}), (Texts {"0", "104", "\u2014"}));
    click("Button27");  // replaces the 416th card
    EXPECT_EQ(texts({Zen.cardsLeft, Zen.running, Zen.trueCount}), (Texts {"0", "103.5", "\u2014"}));
    click(Zen.undo);
    EXPECT_EQ(texts({Zen.cardsLeft, Zen.running, Zen.trueCount}), (Texts {"1", "103.75", "43160"}));
}

TEST_F(TrueCountPages, ZeroCountNeverShowsMinusZero)
{
    for (int dealt = 1; dealt < 416; ++dealt) {
        // Alternate the signs so the count passes through zero from both sides.
        click(dealt % 4 < 2 ? "Button18" : "Button19");
        if (dealt % 2 == 0) {
            click("Button16");
            click(HiOpt2.undo);
        }
        const std::string running = text(HiOpt2.running);
        if (running == "0") {
            ASSERT_EQ(text(HiOpt2.trueCount), "0") << dealt;
        }
    }
    click(HiOpt1.reset);
    for (int dealt = 1; dealt < 416; ++dealt) {
        click("Button12");
        ASSERT_EQ(text(HiOpt1.trueCount), "0") << dealt;
    }
}

TEST_F(TrueCountPages, ValueLabelsKeepTheirEdges)
{
    struct Edges {
        const Page* page;
        const char* up;
        bool cardsLeftKeepsLeft;
        int cardsLeftEdge;
    };
    const Edges pages[] = {
        {&HiLo, "Button9", true, 112},
        {&HiOpt1, "Button13", true, 112},
        {&HiOpt2, "Button17", true, 112},
        {&Zen, "Button26", false, 187},
    };
    for (const Edges& e : pages) {
        QLabel* cardsLeft = label(e.page->cardsLeft);
        QLabel* running = label(e.page->running);
        QLabel* trueCount = label(e.page->trueCount);
        for (int presses : {0, 1, 300, 114}) {
            click(e.up, presses);
            const int cardsLeftEdge = e.cardsLeftKeepsLeft ? cardsLeft->x() : cardsLeft->x() + cardsLeft->width();
            EXPECT_EQ(cardsLeftEdge, e.cardsLeftEdge) << e.page->name << " " << cardsLeft->text().toStdString();
            EXPECT_EQ(running->x() + running->width(), 153) << e.page->name << " " << running->text().toStdString();
            EXPECT_EQ(trueCount->x() + trueCount->width(), 282)
                << e.page->name << " " << trueCount->text().toStdString();
        }
    }
}

TEST_F(TrueCountPages, EachPageKeepsItsOwnCount)
{
    click("Button9", 2);
    click("Button14");
    click("Button17");
    click("Button27");
    click("Button20");  // Hi-Opt II reset
    EXPECT_EQ(texts({"Label73", "Label6", "Label75", "Label9", "Label77", "Label12", "Label81", "Label19"}),
        (Texts {"414", "0.25", "415", "-0.125", "416", "0", "415", "-0.25"}));
}

}  // namespace
}  // namespace shoewise::testing
