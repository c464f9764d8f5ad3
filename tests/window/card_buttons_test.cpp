#include "window_fixture.h"

#include <QtMath>

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>

namespace shoewise::testing {
namespace {

// Each page's running-count label, and whether it shows the count per deck (an eighth of it).
const std::map<std::string_view, std::pair<const char*, bool>> RunningCountLabels = {
    {"TabSheet2", {"Label5", false}},
    {"TabSheet12", {"Label33", false}},
    {"TabSheet1", {"Label1", false}},
    {"TabSheet3", {"Label6", true}},
    {"TabSheet4", {"Label9", true}},
    {"TabSheet5", {"Label12", true}},
    {"TabSheet6", {"Label15", false}},
    {"TabSheet7", {"Label19", true}},
    {"TabSheet8", {"Label21", false}},
    {"TabSheet9", {"Label23", true}},
    {"TabSheet13", {"Label36", true}},
    {"TabSheet14", {"Label40", false}},
    {"TabSheet10", {"Label26", true}},
    {"TabSheet11", {"Label30", true}},
};

struct CardButton {
    const char* page;
    const char* button;
    int tag;  // how far one press moves the running count
};

// Every card group of every system with its tag, as each system counts its cards.
constexpr CardButton CardButtons[] = {
    {"TabSheet2", "Button4", 0},  // KO
    {"TabSheet2", "Button5", +1},
    {"TabSheet2", "Button6", -1},
    {"TabSheet12", "Button49", 0},  // REKO
    {"TabSheet12", "Button50", +1},
    {"TabSheet12", "Button51", -1},
    {"TabSheet1", "Button1", 0},  // 4・5 card counter
    {"TabSheet1", "Button2", +1},
    {"TabSheet3", "Button9", +1},  // Hi-Lo
    {"TabSheet3", "Button10", -1},
    {"TabSheet3", "Button11", 0},
    {"TabSheet4", "Button12", 0},  // Hi-Opt I
    {"TabSheet4", "Button13", +1},
    {"TabSheet4", "Button14", -1},
    {"TabSheet5", "Button16", 0},  // Hi-Opt II
    {"TabSheet5", "Button17", +2},
    {"TabSheet5", "Button18", +1},
    {"TabSheet5", "Button19", -2},
    {"TabSheet6", "Button21", 0},  // Red 7
    {"TabSheet6", "Button22", +1},
    {"TabSheet6", "Button23", -1},
    {"TabSheet7", "Button25", +1},  // ZEN
    {"TabSheet7", "Button26", +2},
    {"TabSheet7", "Button67", 0},
    {"TabSheet7", "Button27", -2},
    {"TabSheet7", "Button28", -1},
    {"TabSheet8", "Button30", 0},  // KISS III
    {"TabSheet8", "Button31", +1},
    {"TabSheet8", "Button32", -1},
    {"TabSheet9", "Button34", +1},  // Advanced Omega II
    {"TabSheet9", "Button35", +2},
    {"TabSheet9", "Button68", 0},
    {"TabSheet9", "Button36", -1},
    {"TabSheet9", "Button37", -2},
    {"TabSheet9", "Button38", 0},  // the ace, counted on its own
    {"TabSheet13", "Button53", +1},  // Uston APC
    {"TabSheet13", "Button54", +2},
    {"TabSheet13", "Button55", +3},
    {"TabSheet13", "Button56", -1},
    {"TabSheet13", "Button57", -3},
    {"TabSheet13", "Button58", 0},  // the ace, counted on its own
    {"TabSheet14", "Button60", +2},  // Uston SS
    {"TabSheet14", "Button61", +3},
    {"TabSheet14", "Button62", +1},
    {"TabSheet14", "Button63", 0},
    {"TabSheet14", "Button64", -1},
    {"TabSheet14", "Button65", -2},
    {"TabSheet10", "Button41", +1},  // Baccarat I
    {"TabSheet10", "Button40", +2},
    {"TabSheet10", "Button85", -2},
    {"TabSheet10", "Button42", -1},
    {"TabSheet10", "Button69", 0},
    {"TabSheet11", "Button44", +1},  // Baccarat II
    {"TabSheet11", "Button45", +2},
    {"TabSheet11", "Button46", -2},
    {"TabSheet11", "Button47", -1},
    {"TabSheet11", "Button70", 0},
};

using CardButtonsTest = WindowTest;

TEST_F(CardButtonsTest, EachPressMovesTheRunningCountByItsTag)
{
    for (const CardButton& row : CardButtons) {
        SCOPED_TRACE(row.button);
        QPushButton* pressed = button(QString::fromLatin1(row.button));
        ASSERT_NE(pressed, nullptr);
        EXPECT_EQ(pressed->parentWidget()->objectName().toStdString(), row.page);
        const auto& [labelName, perDeck] = RunningCountLabels.at(row.page);
        QLabel* shown = label(QString::fromLatin1(labelName));
        ASSERT_NE(shown, nullptr);
        const double points = perDeck ? 8.0 : 1.0;
        const int before = qRound(shown->text().toDouble() * points);

        click(pressed->objectName());
        EXPECT_EQ(qRound(shown->text().toDouble() * points) - before, row.tag);
        const int after = before + row.tag;
        EXPECT_EQ(shown->text().toStdString(),
            (perDeck ? QString::number(after / 8.0) : QString::number(after)).toStdString());
    }
}

TEST_F(CardButtonsTest, EveryCardButtonHasItsRow)
{
    for (const QPushButton* pressed : form->findChildren<QPushButton*>()) {
        if (pressed->text() == QStringLiteral("リセット") || pressed->text() == QStringLiteral("戻る"))
            continue;
        const QByteArray name = pressed->objectName().toLatin1();
        EXPECT_TRUE(std::ranges::any_of(CardButtons, [&](const CardButton& row) { return name == row.button; }))
            << name.constData();
    }
}

}  // namespace
}  // namespace shoewise::testing
