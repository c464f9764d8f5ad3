#pragma once

#include "systems/system_def.h"

// True-count systems that also keep a side count of the aces left in the shoe; the ace carries tag 0
// and is recorded by its own button together with an ace mark.
namespace shoewise::systems {

// Slot 10: "Advanced-Omega-II"
inline constexpr LabelDef TabSheet9Labels[] = {
    {"Label22", Role::Text,
        "Advanced-Omega-IIは高度な上級者向けカウンティングシ\n"
        "ステムで、最も正確で効果的なカウンティングシステムの\n"
        "一つです\n"
        "2,3,7を+1、4,5,6を+2、8,Aを0、9を-1、10,J,Q,Kを-2としてカウ\n"
        "ントするので、他のカウンティング手法よりも複雑です\n"
        "さらにAを別カウントしてカードシューに残ったAの数を把握\n"
        "すれば、BJが成立する確率が高くなるので、多く残ってる\n"
        "場合は積極的にベット額を増やすと、3%ほどのパフォーマ\n"
        "ンスの向上が見込めます\n"
        "\n"
        "カウント方法、Aの別カウントと複雑ではありますが、カウン\n"
        "トが大きくなるとベット額を増やし、小さくなればベット額を\n"
        "減らすという基本は同じです\n"
        "8デックの場合のカウントの増減は1/8(0.125)になります",
        {8, 0, 292, 168}, {12, false}, Align::Left},
    {"Label50", Role::Text, "Running Count", {24, 176, 111, 16}, {16, true}, Align::Left},
    {"Label51", Role::Text, "True Count", {184, 176, 87, 16}, {16, true}, Align::Left},
    {"Label23", Role::RunningCount, "-0.125", {46, 192, 71, 24}, {24, true}, Align::Right, "Label50"},
    {"Label58", Role::TrueCount, "-0.15", {203, 192, 58, 24}, {24, true}, Align::Right, "Label51"},
    {"Label84", Role::Text, "Cards Left in Shoe", {80, 224, 146, 16}, {16, true}, Align::Left},
    {"Label85", Role::CardsLeft, "416", {136, 240, 39, 24}, {24, true}, Align::Right, "Label84"},
    {"Label24", Role::Text, "A残数", {160, 384, 66, 24}, {24, true}, Align::Left},
    {"Label25", Role::AcesLeft, "Az", {256, 384, 28, 24}, {24, true}, Align::Left, "Label24"},
};
inline constexpr ButtonDef TabSheet9Buttons[] = {
    {"Button34", "2,3,7", Operation::Card, 1, {8, 280, 137, 41}, {27, true}, 0},
    {"Button35", "4,5,6", Operation::Card, 2, {160, 280, 137, 41}, {27, true}, 1},
    {"Button68", "8", Operation::Card, 0, {8, 328, 65, 41}, {27, true}, 6},
    {"Button36", "9", Operation::Card, -1, {80, 328, 65, 41}, {27, true}, 2},
    {"Button37", "10,J,Q,K", Operation::Card, -2, {160, 328, 137, 41}, {27, true}, 3},
    {"Button38", "A", Operation::Ace, 0, {8, 376, 137, 41}, {27, true}, 4},
    {"Button39", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 5},
    {"Button80", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 7},
};

// Slot 11: "Uston Advanced Point Count(APC)"
inline constexpr LabelDef TabSheet13Labels[] = {
    {"Label34", Role::Text,
        "Uston APCは2,8を+1、3,4,6,7を+2、5を+3、9を-1、10,J,Q,Kを\n"
        "-3、Aを0としてカウントする、複雑な上級者向けのカードカ\n"
        "ウンティングシステムです\n"
        "その複雑さゆえ、開発者であるQuellmarでさえAPCを使い\n"
        "こなせませんでした\n"
        "Advanced-Omega-Ⅱと同様にAの残数をカウントし、ベット\n"
        "額の調整をすることでパフォーマンスの向上が見込めます\n"
        "8デックの場合のカウントの増減は1/8(0.125)になります",
        {8, 8, 295, 96}, {12, false}, Align::Left},
    {"Label52", Role::Text, "Running Count", {24, 112, 111, 16}, {16, true}, Align::Left},
    {"Label53", Role::Text, "True Count", {184, 112, 87, 16}, {16, true}, Align::Left},
    {"Label36", Role::RunningCount, "-0.125", {42, 128, 71, 24}, {24, true}, Align::Right, "Label52"},
    {"Label59", Role::TrueCount, "-0.15", {200, 128, 58, 24}, {24, true}, Align::Right, "Label53"},
    {"Label86", Role::Text, "Cards Left in Shoe", {80, 160, 146, 16}, {16, true}, Align::Left},
    {"Label87", Role::CardsLeft, "416", {136, 176, 39, 24}, {24, true}, Align::Right, "Label86"},
    {"Label37", Role::Text, "A残数", {160, 384, 66, 24}, {24, true}, Align::Left},
    {"Label38", Role::AcesLeft, "AZ", {256, 384, 31, 24}, {24, true}, Align::Left, "Label37"},
};
inline constexpr ButtonDef TabSheet13Buttons[] = {
    {"Button53", "2,8", Operation::Card, 1, {8, 216, 137, 41}, {27, true}, 0},
    {"Button54", "3,4,6,7", Operation::Card, 2, {160, 216, 137, 41}, {27, true}, 1},
    {"Button55", "5", Operation::Card, 3, {8, 272, 137, 41}, {27, true}, 2},
    {"Button56", "9", Operation::Card, -1, {160, 272, 137, 41}, {27, true}, 3},
    {"Button57", "10,J,Q,K", Operation::Card, -3, {8, 328, 137, 41}, {27, true}, 4},
    {"Button58", "A", Operation::Ace, 0, {160, 328, 137, 41}, {27, true}, 5},
    {"Button59", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 6},
    {"Button81", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 7},
};

inline constexpr SystemDef AceSystems[] = {
    {10, "TabSheet9", "Advanced-Omega-II", {0, CountStyle::PerDeck}, TabSheet9Labels, TabSheet9Buttons},
    {11, "TabSheet13", "Uston Advanced Point Count(APC)", {0, CountStyle::PerDeck}, TabSheet13Labels,
        TabSheet13Buttons},
};

}  // namespace shoewise::systems
