#pragma once

#include "systems/system_def.h"

// Systems that show the running count per deck next to a true count rounded to hundredths.
namespace shoewise::systems {

// Slot 4: "Hi-Lo System"
inline constexpr LabelDef TabSheet3Labels[] = {
    {"Label6", Role::RunningCount, "-0.125", {17, 144, 136, 48}, {48, true}, Align::Right, "Label41"},
    {"Label7", Role::Text,
        "Hi-Lo Systemは2,3,4,5,6を+1、7,8,9を0、10,J,Q,K,Aを-1として\n"
        "カウントする初心者でも上級者でも非常に簡単に使用でき\n"
        "るカウンティングシステムです\n"
        "8デックの場合のカウントは1/8(0.125)ずつの増減になるの\n"
        "が注意点です",
        {8, 16, 298, 60}, {12, false}, Align::Left},
    {"Label41", Role::Text, "Running Count", {32, 120, 111, 16}, {16, true}, Align::Left},
    {"Label42", Role::Text, "True Count", {184, 120, 87, 16}, {16, true}, Align::Left},
    {"Label54", Role::TrueCount, "-0.15", {171, 144, 111, 48}, {48, true}, Align::Right, "Label42"},
    {"Label72", Role::Text, "Cards Left in Shoe", {80, 200, 146, 16}, {16, true}, Align::Left},
    {"Label73", Role::CardsLeft, "416", {112, 224, 75, 48}, {48, true}, Align::Left, "Label72"},
};
inline constexpr ButtonDef TabSheet3Buttons[] = {
    {"Button8", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 0},
    {"Button9", "2,3,4,5,6", Operation::Card, 1, {8, 352, 137, 57}, {27, true}, 1},
    {"Button10", "10,J,Q,K,A", Operation::Card, -1, {160, 352, 137, 57}, {27, true}, 2},
    {"Button11", "7,8,9", Operation::Card, 0, {88, 280, 129, 57}, {27, true}, 3},
    {"Button73", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 4},
};

// Slot 5: "Hi-Opt Ⅰ"
inline constexpr LabelDef TabSheet4Labels[] = {
    {"Label8", Role::Text,
        "Hi-Lo Systemの改良版\n"
        "Hi-Opt Iは3,4,5,6を+1、2,7,8,9,Aを0、10,J,Q,Kを-1としてカウ\n"
        "ントするシステムです\n"
        "Hi-OptはHighly Optimum（非常に最適）の略です\n"
        "8デックの場合のカウントの増減が1/8(0.125)になるのは\n"
        "Hi-Lo Systemと同じです",
        {8, 16, 290, 72}, {12, false}, Align::Left},
    {"Label9", Role::RunningCount, "-0.125", {17, 144, 136, 48}, {48, true}, Align::Right, "Label43"},
    {"Label43", Role::Text, "Running Count", {32, 120, 111, 16}, {16, true}, Align::Left},
    {"Label44", Role::Text, "True Count", {184, 120, 87, 16}, {16, true}, Align::Left},
    {"Label55", Role::TrueCount, "-0.15", {171, 144, 111, 48}, {48, true}, Align::Right, "Label44"},
    {"Label74", Role::Text, "Cards Left in Shoe", {80, 200, 146, 16}, {16, true}, Align::Left},
    {"Label75", Role::CardsLeft, "416", {112, 224, 75, 48}, {48, true}, Align::Left, "Label74"},
};
inline constexpr ButtonDef TabSheet4Buttons[] = {
    {"Button12", "2,7,8,9,A", Operation::Card, 0, {88, 280, 129, 57}, {24, true}, 0},
    {"Button13", "3,4,5,6", Operation::Card, 1, {8, 352, 137, 57}, {24, true}, 1},
    {"Button14", "10,J,Q,K", Operation::Card, -1, {160, 352, 137, 57}, {24, true}, 2},
    {"Button15", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 3},
    {"Button75", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 4},
};

// Slot 6: "Hi-Opt Ⅱ"
inline constexpr LabelDef TabSheet5Labels[] = {
    {"Label11", Role::Text,
        "Hi-Opt Ⅰの改良版\n"
        "8デックの場合のカウントの増減が1/8(0.125)になるのは\n"
        "Hi-Lo Systemと同じです\n"
        "カウントの精度と効率を高める為に、4,5を+2、2,3,6,7を+1、\n"
        "10,J,Q,Kを-2としてカウントするシステムです\n"
        "カウントの増減が複雑になるので、熟練者向けですが、\n"
        "習得できれば高い勝率を得られる・・・はず",
        {8, 16, 287, 84}, {12, false}, Align::Left},
    {"Label12", Role::RunningCount, "-0.125", {17, 144, 136, 48}, {48, true}, Align::Right, "Label45"},
    {"Label45", Role::Text, "Running Count", {32, 120, 111, 16}, {16, true}, Align::Left},
    {"Label47", Role::Text, "True Count", {184, 120, 87, 16}, {16, true}, Align::Left},
    {"Label56", Role::TrueCount, "-0.15", {171, 144, 111, 48}, {48, true}, Align::Right, "Label47"},
    {"Label76", Role::Text, "Cards Left in Shoe", {80, 200, 146, 16}, {16, true}, Align::Left},
    {"Label77", Role::CardsLeft, "416", {112, 224, 75, 48}, {48, true}, Align::Left, "Label76"},
};
inline constexpr ButtonDef TabSheet5Buttons[] = {
    {"Button16", "8,9,A", Operation::Card, 0, {8, 352, 137, 57}, {27, true}, 0},
    {"Button17", "4,5", Operation::Card, 2, {160, 280, 137, 57}, {27, true}, 1},
    {"Button18", "2,3,6,7", Operation::Card, 1, {16, 280, 129, 57}, {27, true}, 2},
    {"Button19", "10,J,Q,K", Operation::Card, -2, {160, 352, 137, 57}, {27, true}, 3},
    {"Button20", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 4},
    {"Button76", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 5},
};

// Slot 8: "ZEN"
inline constexpr LabelDef TabSheet7Labels[] = {
    {"Label18", Role::Text,
        "ZENは上級者向けのカウンティングシステムで、2,3,7を+1、\n"
        "4,5,6を+2、8,9を0、10,J,Q,Kを-2、Aを-1、としてカウントします\n"
        "習得するのは難しいですが、使いこなせれば非常に有益な\n"
        "カウンティング手法となります\n"
        "8デックの場合のカウントの増減は1/8(0.125)になります\n"
        "",
        {8, 16, 298, 72}, {12, false}, Align::Left},
    {"Label19", Role::RunningCount, "-0.125", {17, 144, 136, 48}, {48, true}, Align::Right, "Label48"},
    {"Label48", Role::Text, "Running Count", {32, 120, 111, 16}, {16, true}, Align::Left},
    {"Label49", Role::Text, "True Count", {184, 120, 87, 16}, {16, true}, Align::Left},
    {"Label57", Role::TrueCount, "-0.15", {171, 144, 111, 48}, {48, true}, Align::Right, "Label49"},
    {"Label80", Role::Text, "Cards Left in Shoe", {80, 200, 146, 16}, {16, true}, Align::Left},
    {"Label81", Role::CardsLeft, "416", {112, 224, 75, 48}, {48, true}, Align::Right, "Label80"},
};
inline constexpr ButtonDef TabSheet7Buttons[] = {
    {"Button25", "2,3,7", Operation::Card, 1, {8, 280, 89, 57}, {27, true}, 0},
    {"Button26", "4,5,6", Operation::Card, 2, {104, 280, 97, 57}, {27, true}, 1},
    {"Button27", "10,J,Q,K", Operation::Card, -2, {8, 352, 137, 57}, {27, true}, 2},
    {"Button28", "A", Operation::Card, -1, {160, 352, 137, 57}, {27, true}, 3},
    {"Button29", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 4},
    {"Button67", "8,9", Operation::Card, 0, {208, 280, 89, 57}, {27, true}, 5},
    {"Button78", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 6},
};

inline constexpr SystemDef TrueCountSystems[] = {
    {4, "TabSheet3", "Hi-Lo System", {0, CountStyle::PerDeck}, TabSheet3Labels, TabSheet3Buttons},
    {5, "TabSheet4", "Hi-Opt Ⅰ", {0, CountStyle::PerDeck}, TabSheet4Labels, TabSheet4Buttons},
    {6, "TabSheet5", "Hi-Opt Ⅱ", {0, CountStyle::PerDeck}, TabSheet5Labels, TabSheet5Buttons},
    {8, "TabSheet7", "ZEN", {0, CountStyle::PerDeck}, TabSheet7Labels, TabSheet7Buttons},
};

}  // namespace shoewise::systems
