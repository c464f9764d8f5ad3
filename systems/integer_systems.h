#pragma once

#include "systems/system_def.h"

// Systems that show a whole-number running count starting below zero, and no true count.
namespace shoewise::systems {

// Slot 1: "KO システム"
inline constexpr LabelDef TabSheet2Labels[] = {
    {"Label4", Role::Text,
        "KOシステムのランニングカウントの初期値は\n"
        "初期値＝4-(4×デック数)で計算し、8デックの初期値は-28\n"
        "プレーヤーの優位性がプラスになるのは-6ですが、\n"
        "便宜的に-22として、0になるとプラスになるようにしています",
        {8, 16, 296, 48}, {12, false}, Align::Left},
    {"Label5", Role::RunningCount, "XXX", {31, 144, 90, 48}, {48, true}, Align::Right, "Label3"},
    {"Label3", Role::Text, "Running Count", {24, 120, 111, 16}, {16, true}, Align::Left},
    {"Label66", Role::Text, "Cards Left in Shoe", {152, 120, 146, 16}, {16, true}, Align::Left},
    {"Label67", Role::CardsLeft, "416", {191, 144, 75, 48}, {48, true}, Align::Right, "Label66"},
};
inline constexpr ButtonDef TabSheet2Buttons[] = {
    {"Button4", "8,9", Operation::Card, 0, {88, 280, 129, 57}, {24, true}, 0},
    {"Button5", "2,3,4,5,6,7", Operation::Card, 1, {8, 352, 137, 57}, {24, true}, 1},
    {"Button6", "10,J,Q,K,A", Operation::Card, -1, {160, 352, 137, 57}, {24, true}, 2},
    {"Button7", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 3},
    {"Button71", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 4},
};

// Slot 2: "REKO(Ridiculously Easy KO)"
inline constexpr LabelDef TabSheet12Labels[] = {
    {"Label32", Role::Text,
        "KO Systemの簡易版として開発されましたが、初心者でも\n"
        "扱える使いやすさとハイパフォーマンスが見込めるバランス\n"
        "の良いカウンティングシステムです\n"
        "ランニングカウントの初期値は-2×デック数となります",
        {8, 16, 297, 48}, {12, false}, Align::Left},
    {"Label33", Role::RunningCount, "XXX", {31, 144, 90, 48}, {48, true}, Align::Right, "Label10"},
    {"Label10", Role::Text, "Running Count", {24, 120, 111, 16}, {16, true}, Align::Left},
    {"Label68", Role::Text, "Cards Left in Shoe", {152, 120, 146, 16}, {16, true}, Align::Left},
    {"Label69", Role::CardsLeft, "416", {191, 144, 75, 48}, {48, true}, Align::Right, "Label68"},
};
inline constexpr ButtonDef TabSheet12Buttons[] = {
    {"Button49", "8,9", Operation::Card, 0, {88, 280, 129, 57}, {24, true}, 0},
    {"Button50", "2,3,4,5,6,7", Operation::Card, 1, {8, 352, 137, 57}, {24, true}, 1},
    {"Button51", "10,J,Q,K,A", Operation::Card, -1, {160, 352, 137, 57}, {24, true}, 2},
    {"Button52", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 3},
    {"Button72", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 4},
};

// Slot 3: "４・５カードカウンター"
inline constexpr LabelDef TabSheet1Labels[] = {
    {"Label1", Role::RunningCount, "XXX", {31, 144, 90, 48}, {48, true}, Align::Right, "Label13"},
    {"Label2", Role::Text,
        "デックから4と5のカードが全て無くなると6.22%有利になる\n"
        "という統計に基づいたカウンティングシステムです\n"
        "ランニングカウントの初期値は-4×デック数となります",
        {8, 16, 282, 36}, {12, false}, Align::Left},
    {"Label13", Role::Text, "Running Count", {24, 120, 111, 16}, {16, true}, Align::Left},
    {"Label70", Role::Text, "Cards Left in Shoe", {152, 120, 146, 16}, {16, true}, Align::Left},
    {"Label71", Role::CardsLeft, "416", {192, 144, 75, 48}, {48, true}, Align::Left, "Label70"},
};
inline constexpr ButtonDef TabSheet1Buttons[] = {
    {"Button1", "A,2,3,6,7,8,9,10,J,Q,K", Operation::Card, 0, {8, 280, 289, 57}, {27, true}, 0},
    {"Button2", "４,５", Operation::Card, 1, {8, 352, 289, 57}, {27, true}, 1},
    {"Button3", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 2},
    {"Button74", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 3},
};

// Slot 7: "Red 7 Card Counting"
inline constexpr LabelDef TabSheet6Labels[] = {
    {"Label14", Role::Text,
        "Red 7 Card Countingは2,3,4,5,6,赤7を+1、10,J,Q,K,Aを-1、\n"
        "黒7,8,9を0としてカウントするシステムです\n"
        "赤（ダイヤ、ハート）７と黒（クラブ、スペード）の７を区別する\n"
        "のが特徴です\n"
        "ランニングカウントの初期値は-2×デック数となります",
        {8, 16, 295, 60}, {12, false}, Align::Left},
    {"Label15", Role::RunningCount, "XXX", {31, 144, 90, 48}, {48, true}, Align::Right, "Label46"},
    {"Label46", Role::Text, "Running Count", {24, 120, 111, 16}, {16, true}, Align::Left},
    {"Label78", Role::Text, "Cards Left in Shoe", {152, 120, 146, 16}, {16, true}, Align::Left},
    {"Label79", Role::CardsLeft, "416", {184, 144, 75, 48}, {48, true}, Align::Left, "Label78"},
};
inline constexpr ButtonDef TabSheet6Buttons[] = {
    {"Button21", "黒7,8,9", Operation::Card, 0, {96, 280, 137, 57}, {24, true}, 0},
    {"Button22", "2,3,4,5,6,赤7", Operation::Card, 1, {8, 352, 137, 57}, {24, true}, 1},
    {"Button23", "10,J,Q,K,A", Operation::Card, -1, {160, 352, 137, 57}, {24, true}, 2},
    {"Button24", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 3},
    {"Button77", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 4},
};

// Slot 9: "KISS Ⅲ"
inline constexpr LabelDef TabSheet8Labels[] = {
    {"Label20", Role::Text,
        "KISS ⅢはKISS Ⅱというカウントシステムの改良版です\n"
        "\n"
        "黒2,3,4,5,6を+1、赤2,A,7,8,9を0、10,J,Q,Kを-1としてカウントす\n"
        "る手法です\n"
        "赤（ダイヤ、ハート）の2と黒（クラブ、スペード）の2を区別す\n"
        "るのが特徴です\n"
        "ランニングカウントの初期値はデック数×-2となります",
        {8, 16, 298, 84}, {12, false}, Align::Left},
    {"Label21", Role::RunningCount, "XXX", {31, 144, 90, 48}, {48, true}, Align::Right, "Label35"},
    {"Label35", Role::Text, "Running Count", {24, 120, 111, 16}, {16, true}, Align::Left},
    {"Label82", Role::Text, "Cards Left in Shoe", {152, 120, 146, 16}, {16, true}, Align::Left},
    {"Label83", Role::CardsLeft, "416", {184, 144, 75, 48}, {48, true}, Align::Right, "Label82"},
};
inline constexpr ButtonDef TabSheet8Buttons[] = {
    {"Button30", "赤2,A,7,8,9", Operation::Card, 0, {88, 280, 137, 57}, {27, true}, 0},
    {"Button31", "黒2,3,4,5,6", Operation::Card, 1, {8, 352, 137, 57}, {27, true}, 1},
    {"Button32", "10,J,Q,K", Operation::Card, -1, {160, 352, 137, 57}, {27, true}, 2},
    {"Button33", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 3},
    {"Button79", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 4},
};

// Slot 12: "Uston Strongest and Simplest(SS)"
inline constexpr LabelDef TabSheet14Labels[] = {
    {"Label39", Role::Text,
        "Uston SSは2,3,4,6を+2、5を+3、7を+1、8を0、9を-1、10,J,Q,\n"
        "K,Aを-2としてカウントするシステムです\n"
        "有効性と習得の容易さのバランスが取れていると言われて\n"
        "いますが、複雑なので上級者向けのシステムです\n"
        "ランニングカウントの初期値は-2×デック数となります\n"
        "カウントが0以上になると約1%の優位性があります",
        {8, 16, 293, 72}, {12, false}, Align::Left},
    {"Label40", Role::RunningCount, "XXX", {31, 144, 90, 48}, {48, true}, Align::Right, "Label17"},
    {"Label17", Role::Text, "Running Count", {24, 120, 111, 16}, {16, true}, Align::Left},
    {"Label88", Role::Text, "Cards Left in Shoe", {152, 120, 146, 16}, {16, true}, Align::Left},
    {"Label89", Role::CardsLeft, "416", {192, 144, 75, 48}, {48, true}, Align::Right, "Label88"},
};
inline constexpr ButtonDef TabSheet14Buttons[] = {
    {"Button60", "2,3,4,6", Operation::Card, 2, {8, 208, 137, 57}, {27, true}, 0},
    {"Button61", "5", Operation::Card, 3, {160, 208, 137, 57}, {27, true}, 1},
    {"Button62", "7", Operation::Card, 1, {8, 280, 137, 57}, {27, true}, 2},
    {"Button63", "8", Operation::Card, 0, {160, 280, 137, 57}, {27, true}, 3},
    {"Button64", "9", Operation::Card, -1, {8, 352, 137, 57}, {27, true}, 4},
    {"Button65", "10,J,Q,K,A", Operation::Card, -2, {160, 352, 137, 57}, {27, true}, 5},
    {"Button66", "リセット", Operation::Reset, 0, {8, 424, 137, 41}, {32, false}, 6},
    {"Button82", "戻る", Operation::Undo, 0, {160, 424, 137, 41}, {32, false}, 7},
};

inline constexpr SystemDef IntegerSystems[] = {
    {1, "TabSheet2", "KO システム", {-22, CountStyle::Integer}, TabSheet2Labels, TabSheet2Buttons},
    {2, "TabSheet12", "REKO(Ridiculously Easy KO)", {-16, CountStyle::Integer}, TabSheet12Labels, TabSheet12Buttons},
    {3, "TabSheet1", "４・５カードカウンター", {-32, CountStyle::Integer}, TabSheet1Labels, TabSheet1Buttons},
    {7, "TabSheet6", "Red 7 Card Counting", {-16, CountStyle::Integer}, TabSheet6Labels, TabSheet6Buttons},
    {9, "TabSheet8", "KISS Ⅲ", {-16, CountStyle::Integer}, TabSheet8Labels, TabSheet8Buttons},
    {12, "TabSheet14", "Uston Strongest and Simplest(SS)", {-16, CountStyle::Integer}, TabSheet14Labels,
        TabSheet14Buttons},
};

}  // namespace shoewise::systems
