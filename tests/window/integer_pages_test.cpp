#include "window_fixture.h"

namespace shoewise::testing {
namespace {

using IntegerPages = WindowTest;

TEST_F(IntegerPages, KoSequenceWithUndos)
{
    EXPECT_EQ(texts({"Label67", "Label5"}), (Texts {"416", "-22"}));
    const std::pair<const char*, Texts> steps[] = {
        {"Button5", {"415", "-21"}},
        {"Button6", {"414", "-22"}},
        {"Button4", {"413", "-22"}},
        {"Button71", {"414", "-22"}},
        {"Button71", {"415", "-21"}},
    };
    for (const auto& [name, expected] : steps) {
        click(name);
        EXPECT_EQ(texts({"Label67", "Label5"}), expected) << "after " << name;
    }
}

TEST_F(IntegerPages, RekoRunsSixAboveKo)
{
    const std::pair<const char*, Texts> steps[] = {
        {"Button50", {"415", "-15"}},
        {"Button51", {"414", "-16"}},
        {"Button49", {"413", "-16"}},
        {"Button72", {"414", "-16"}},
        {"Button72", {"415", "-15"}},
    };
    for (const auto& [name, expected] : steps) {
        click(name);
        EXPECT_EQ(texts({"Label69", "Label33"}), expected) << "after " << name;
    }
    EXPECT_EQ(texts({"Label67", "Label5"}), (Texts {"416", "-22"})) << "KO must not see REKO's cards";
}

TEST_F(IntegerPages, FourFiveCounterCrossesZero)
{
    click("Button1");
    EXPECT_EQ(texts({"Label71", "Label1"}), (Texts {"415", "-32"}));
    click("Button2", 32);
    EXPECT_EQ(texts({"Label71", "Label1"}), (Texts {"383", "0"}));
    click("Button2");
    EXPECT_EQ(texts({"Label71", "Label1"}), (Texts {"382", "1"}));
}

TEST_F(IntegerPages, UstonSsTagsAndPositiveCounts)
{
    click("Button61");
    EXPECT_EQ(text("Label40"), "-13");
    click("Button65");
    EXPECT_EQ(text("Label40"), "-15");
    click("Button60");
    EXPECT_EQ(texts({"Label89", "Label40"}), (Texts {"413", "-13"}));
    click("Button62");
    click("Button63");
    click("Button64");
    EXPECT_EQ(texts({"Label89", "Label40"}), (Texts {"410", "-13"}));
    click("Button66");
    EXPECT_EQ(texts({"Label89", "Label40"}), (Texts {"416", "-16"}));
    click("Button61", 6);
    EXPECT_EQ(text("Label40"), "2");
}

TEST_F(IntegerPages, RedSevenAndKissThree)
{
    click("Button22");
    EXPECT_EQ(text("Label15"), "-15");
    click("Button21");
    EXPECT_EQ(text("Label15"), "-15");
    click("Button23");
    EXPECT_EQ(texts({"Label79", "Label15"}), (Texts {"413", "-16"}));

    click("Button31");
    EXPECT_EQ(text("Label21"), "-15");
    click("Button30");
    EXPECT_EQ(text("Label21"), "-15");
    click("Button32");
    EXPECT_EQ(texts({"Label83", "Label21"}), (Texts {"413", "-16"}));
}

TEST_F(IntegerPages, FullTrackReplacesTheLastCard)
{
    click("Button5", 416);
    EXPECT_EQ(texts({"Label67", "Label5"}), (Texts {"0", "394"}));
    click("Button6");
    EXPECT_EQ(texts({"Label67", "Label5"}), (Texts {"0", "392"}));
    click("Button71");
    EXPECT_EQ(texts({"Label67", "Label5"}), (Texts {"1", "393"}));
}

TEST_F(IntegerPages, UndoAndResetOnEmptyTracks)
{
    click("Button71");
    EXPECT_EQ(texts({"Label67", "Label5"}), (Texts {"416", "-22"}));
    click("Button5", 3);
    click("Button7");
    EXPECT_EQ(texts({"Label67", "Label5"}), (Texts {"416", "-22"}));
    click("Button71");
    EXPECT_EQ(texts({"Label67", "Label5"}), (Texts {"416", "-22"}));
    click("Button6");  // card 1 again; the three old cards are not read
    EXPECT_EQ(texts({"Label67", "Label5"}), (Texts {"415", "-23"}));

    click("Button60", 2);
    click("Button66");
    EXPECT_EQ(texts({"Label89", "Label40"}), (Texts {"416", "-16"}));
    click("Button82");
    EXPECT_EQ(texts({"Label89", "Label40"}), (Texts {"416", "-16"}));
}

TEST_F(IntegerPages, PagesNeverTouchEachOther)
{
    click("Button5", 3);  // KO
    click("Button2", 2);  // 4-5
    click("Button22");  // Red 7
    click("Button52");  // REKO reset
    click("Button33");  // KISS reset
    EXPECT_EQ(texts({"Label67", "Label5", "Label71", "Label1", "Label79", "Label15", "Label69", "Label33", "Label83",
                  "Label21", "Label89", "Label40"}),
        (Texts {"413", "-19", "414", "-30", "415", "-15", "416", "-16", "416", "-16", "416", "-16"}));
}

TEST_F(IntegerPages, CardsLeftKeepsItsEdgeAsItShrinks)
{
    struct Edge {
        const char* label;
        const char* press;
        bool keepsLeft;
        int edge;
    };
    const Edge edges[] = {
        {"Label71", "Button1", true, 192},
        {"Label79", "Button21", true, 184},
        {"Label67", "Button4", false, 266},
        {"Label69", "Button49", false, 266},
        {"Label83", "Button30", false, 259},
        {"Label89", "Button63", false, 267},
    };
    for (const Edge& e : edges) {
        QLabel* l = label(e.label);
        ASSERT_NE(l, nullptr);
        for (int pressed : {0, 316, 90, 9}) {  // 416, 100, 10, 1 cards left
            click(e.press, pressed);
            const int edge = e.keepsLeft ? l->x() : l->x() + l->width();
            EXPECT_EQ(edge, e.edge) << e.label << " at " << l->text().toStdString();
        }
        EXPECT_EQ(l->text(), "1");
    }
}

TEST_F(IntegerPages, RunningCountKeepsItsRightEdge)
{
    QLabel* count = label("Label5");
    for (const char* press : {"Button6", "Button5"}) {
        click(press, 30);
        EXPECT_EQ(count->x() + count->width(), 121) << count->text().toStdString();
    }
    EXPECT_EQ(count->text(), "-22");
}

}  // namespace
}  // namespace shoewise::testing
