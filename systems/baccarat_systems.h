#pragma once

#include "systems/system_def.h"

// Baccarat counters: true-count systems whose running count also picks a bet; the two pages read
// the sign of the count in opposite ways.
namespace shoewise::systems {

// Slot 13: "Baccarat Card Counter Ⅰ"
inline constexpr LabelDef TabSheet10Labels[] = {
    {"Label26", Role::RunningCount, "-0.125", {17, 120, 136, 48}, {48, true}, Align::Right, "Label60"},
    {"Label27", Role::Bet, "bcm", {16, 232, 64, 35}, {35, true}, Align::Left},
    {"Label28", Role::Text,
        "A,2,3を+1、4を+2、6を-2、5,7,8を-1、9,10,J,Q,Kを0としてカウントし、\n"
        "0以下ならBET ON BANKER、0以上ならBET ON PLAYER\n"
        "という戦略のバカラカードカウンターです\n"
        "8デックの場合のカウントの増減は1/8(0.125)です\n"
        "カウンティングはカードが半分ほど使われてから本来の\n"
        "効果を発揮しますので、序盤のブレに惑わされずに続ける\n"
        "事が肝要です",
        {8, 16, 327, 84}, {12, false}, Align::Left},
    {"Label60", Role::Text, "Running Count", {32, 104, 111, 16}, {16, true}, Align::Left},
    {"Label61", Role::Text, "True Count", {184, 104, 87, 16}, {16, true}, Align::Left},
    {"Label64", Role::TrueCount, "-0.15", {171, 120, 111, 48}, {48, true}, Align::Right, "Label61"},
    {"Label90", Role::Text, "Cards Left in Shoe", {80, 168, 146, 16}, {16, true}, Align::Left},
    {"Label91", Role::CardsLeft, "416", {112, 184, 75, 48}, {48, true}, Align::Right, "Label90"},
};
inline constexpr ButtonDef TabSheet10Buttons[] = {
    {"Button40", "4", Operation::Card, 2, {160, 280, 65, 57}, {27, true}, 0},
    {"Button41", "A,2,3", Operation::Card, 1, {8, 280, 137, 57}, {27, true}, 1},
    {"Button42", "5,7,8", Operation::Card, -1, {8, 352, 137, 57}, {27, true}, 2},
    {"Button43", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 3},
    {"Button69", "9,10,J,Q,K", Operation::Card, 0, {160, 352, 137, 57}, {27, true}, 4},
    {"Button83", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 5},
    {"Button85", "6", Operation::Card, -2, {232, 280, 65, 57}, {27, true}, 6},
};

// Slot 14: "Baccarat Card Counter Ⅱ"
inline constexpr LabelDef TabSheet11Labels[] = {
    {"Label29", Role::Text,
        "A,2,3を+1、4を+2、6を-2、5,7,8を-1、9,10,J,Q,Kを0としてカウ\n"
        "ントし、0以下ならBET ON PLAYER、0以上ならBET ON \n"
        "BANKERという戦略のバカラカードカウンターです\n"
        "8デックの場合のカウントの増減は1/8(0.125)です\n"
        "カウンティングはカードが半分ほど使われてから本来の\n"
        "効果を発揮しますので、序盤のブレに惑わされずに続ける\n"
        "事が肝要です",
        {8, 16, 292, 84}, {12, false}, Align::Left},
    {"Label30", Role::RunningCount, "-0.125", {17, 120, 136, 48}, {48, true}, Align::Right, "Label62"},
    {"Label31", Role::Bet, "bcm", {16, 232, 64, 35}, {35, true}, Align::Left},
    {"Label62", Role::Text, "Running Count", {32, 104, 111, 16}, {16, true}, Align::Left},
    {"Label63", Role::Text, "True Count", {184, 104, 87, 16}, {16, true}, Align::Left},
    {"Label65", Role::TrueCount, "-0.15", {171, 120, 111, 48}, {48, true}, Align::Right, "Label63"},
    {"Label92", Role::Text, "Cards Left in Shoe", {80, 168, 146, 16}, {16, true}, Align::Left},
    {"Label93", Role::CardsLeft, "416", {112, 184, 75, 48}, {48, true}, Align::Right, "Label92"},
};
inline constexpr ButtonDef TabSheet11Buttons[] = {
    {"Button44", "A,2,3", Operation::Card, 1, {8, 280, 137, 57}, {27, true}, 0},
    {"Button45", "4", Operation::Card, 2, {160, 280, 65, 57}, {27, true}, 1},
    {"Button46", "6", Operation::Card, -2, {232, 280, 65, 57}, {27, true}, 2},
    {"Button47", "5,7,8", Operation::Card, -1, {8, 352, 137, 57}, {27, true}, 3},
    {"Button48", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 4},
    {"Button70", "9,10,J,Q,K", Operation::Card, 0, {160, 352, 137, 57}, {27, true}, 5},
    {"Button84", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 6},
};

inline constexpr SystemDef BaccaratSystems[] = {
    {13, "TabSheet10", "Baccarat Card Counter Ⅰ", {0, CountStyle::PerDeck, BetRule::BankerBelowZero}, TabSheet10Labels,
        TabSheet10Buttons},
    {14, "TabSheet11", "Baccarat Card Counter Ⅱ", {0, CountStyle::PerDeck, BetRule::PlayerBelowZero}, TabSheet11Labels,
        TabSheet11Buttons},
};

}  // namespace shoewise::systems
