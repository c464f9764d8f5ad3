#pragma once

// The basic-strategy chart as data: the actions, their colours and where each cell sits in the
// picture. The generator draws from this and the tests read the picture back against it, so the
// picture cannot drift from the table unnoticed.

#include "program.h"

#include <cstdint>
#include <string_view>

namespace shoewise::chart {

enum class Action : std::uint8_t { H, S, D, SP, HSU };

inline constexpr int kActionCount = 5;
inline constexpr int kHandRows = 25;
inline constexpr int kUpCards = 10;

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

struct Rect {
    int x;
    int y;
    int width;
    int height;
    constexpr int right() const { return x + width; }  // one past the last column
    constexpr int bottom() const { return y + height; }  // one past the last row
};

// Player hand (row) by dealer up-card (column). Both indices are checked; out of range throws.
Action action(int row, int upCard);
std::string_view handLabel(int row);
std::string_view upCardLabel(int upCard);

std::string_view code(Action a);  // "H", "S", "D", "SP", "H/SU"
std::string_view meaning(Action a);  // the legend's wording
Rgb colour(Action a);
Action actionByIndex(int index);  // 0..kActionCount-1, in legend order

// Picture geometry. Every cell is surrounded by one-pixel grid lines; cellRect() is the coloured
// area inside them.
namespace layout {
inline constexpr int kImageWidth = program::ChartWidth;
inline constexpr int kImageHeight = program::ChartHeight;

inline constexpr int kTitleTop = 2;
inline constexpr int kTitleHeight = 18;
inline constexpr int kBandHeight = 15;  // "Dealers Up Card" and up-card rows

inline constexpr int kSideLeft = 2;  // vertical "Your Hand" column
inline constexpr int kSideWidth = 18;
inline constexpr int kLabelLeft = kSideLeft + kSideWidth;
inline constexpr int kLabelWidth = 60;  // hand labels such as "8 or less"

inline constexpr int kGridLeft = kLabelLeft + kLabelWidth;
inline constexpr int kCellWidth = 26;
inline constexpr int kCellHeight = 14;
inline constexpr int kGridTop = kTitleTop + kTitleHeight + 2 * kBandHeight;
inline constexpr int kGridRight = kGridLeft + kUpCards * kCellWidth;  // x of the closing line
inline constexpr int kGridBottom = kGridTop + kHandRows * kCellHeight;  // y of the closing line

inline constexpr int kLegendTop = kGridBottom + 2 * kBandHeight + 6;
inline constexpr int kLegendRowHeight = 19;
inline constexpr int kLegendSwatchWidth = 34;
inline constexpr int kLegendSwatchHeight = 15;

static_assert(kGridRight < kImageWidth);
static_assert(kLegendTop + 3 * kLegendRowHeight < kImageHeight);
}  // namespace layout

// Coloured area of a cell, excluding the surrounding grid lines.
Rect cellRect(int row, int upCard);
// The legend's coloured box for an action, border included.
Rect legendSwatchRect(Action a);

}  // namespace shoewise::chart
