#pragma once

#include "engine/count_track.h"

#include <cstdint>
#include <span>
#include <string_view>

// A counting system as plain data: its page, captions, start value, card groups with their tags and
// the place, font and alignment of every control. The page widget is built from this alone, so to the
// program a new system is a new entry in its family's table. The tests state what the user must see
// on their own, so they need it too: its entry in the reference model (tests/model/reference_model.cpp),
// its card buttons' tags (tests/window/card_buttons_test.cpp), its start texts
// (tests/window/window_test.cpp, LatePages), its tab's caption (tests/desktop/atspi_check.py), the
// number of pages (tests/expected.sh), the reference pictures of each Qt release, renewed
// (tests/window/pictures/), and any overlap its layout means (tests/desktop/scale_probe.cpp).
namespace shoewise::systems {

// What a label shows. Text labels are written once when the page is built; value labels are
// rewritten from the count track after every operation, in the order they are declared here.
enum class Role : std::uint8_t { Text, CardsLeft, RunningCount, TrueCount, AcesLeft, Bet };

enum class Align : std::uint8_t { Left, Right };

enum class Operation : std::uint8_t { Card, Ace, Undo, Reset };

struct Geometry {
    int left;
    int top;
    int width;
    int height;
};

struct Font {
    int pixels;
    bool bold;
};

struct LabelDef {
    std::string_view name;  // the control's object name
    Role role = {};
    std::string_view text;  // the caption shown before any operation; lines split by '\n'
    Geometry geometry = {};  // at design time; value labels then size themselves to their text
    Font font = {};
    Align align = {};
    std::string_view caption = {};  // a value label's caption label on the same page, which names it
};

struct ButtonDef {
    std::string_view name;
    std::string_view caption;
    Operation operation = {};
    std::int32_t tag = {};  // the card group's count value; only card presses read it
    Geometry geometry = {};
    Font font = {};
    int tabOrder = {};
};

struct SystemDef {
    int slot = {};  // 1-based position of the page in the page control
    std::string_view page;
    std::string_view caption;
    CountRules rules;
    std::span<const LabelDef> labels;
    std::span<const ButtonDef> buttons;

    // The label of that name on this page, or nullptr.
    constexpr const LabelDef* label(std::string_view name) const
    {
        for (const LabelDef& def : labels)
            if (def.name == name)
                return &def;
        return nullptr;
    }
};

}  // namespace shoewise::systems
