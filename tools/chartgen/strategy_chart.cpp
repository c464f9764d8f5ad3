#include "tools/chartgen/strategy_chart.h"

#include <array>
#include <stdexcept>
#include <string>

namespace shoewise::chart {
namespace {

constexpr Action H = Action::H;
constexpr Action S = Action::S;
constexpr Action D = Action::D;
constexpr Action P = Action::SP;
constexpr Action U = Action::HSU;

struct Row {
    std::string_view label;
    std::array<Action, kUpCards> actions = {};  // dealer 2, 3, 4, 5, 6, 7, 8, 9, 10, A
};

// clang-format off
constexpr std::array<Row, kHandRows> kTable{{
    {"8 or less", {H, H, H, H, H, H, H, H, H, H}},
    {"9",         {H, D, D, D, D, H, H, H, H, H}},
    {"10",        {D, D, D, D, D, D, D, D, H, H}},
    {"11",        {D, D, D, D, D, D, D, D, D, H}},
    {"12",        {H, H, S, S, S, H, H, H, H, H}},
    {"13",        {S, S, S, S, S, H, H, H, H, H}},
    {"14",        {S, S, S, S, S, H, H, H, H, H}},
    {"15",        {S, S, S, S, S, H, H, H, U, H}},
    {"16",        {S, S, S, S, S, H, H, U, U, U}},
    {"17+",       {S, S, S, S, S, S, S, S, S, S}},
    {"A8-10",     {S, S, S, S, S, S, S, S, S, S}},
    {"A7",        {S, D, D, D, D, S, S, H, H, H}},
    {"A6",        {H, D, D, D, D, H, H, H, H, H}},
    {"A5",        {H, H, D, D, D, H, H, H, H, H}},
    {"A4",        {H, H, D, D, D, H, H, H, H, H}},
    {"A3",        {H, H, H, D, D, H, H, H, H, H}},
    {"A2",        {H, H, H, D, D, H, H, H, H, H}},
    {"A-A,8-8",   {P, P, P, P, P, P, P, P, P, P}},
    {"10-10",     {S, S, S, S, S, S, S, S, S, S}},
    {"9-9",       {P, P, P, P, P, S, P, P, S, S}},
    {"7-7",       {P, P, P, P, P, P, H, H, H, H}},
    {"6-6",       {H, P, P, P, P, H, H, H, H, H}},
    {"5-5",       {D, D, D, D, D, D, D, D, H, H}},
    {"4-4",       {H, H, H, H, H, H, H, H, H, H}},
    {"3-3,2-2",   {H, H, P, P, P, P, H, H, H, H}},
}};
// clang-format on

constexpr std::array<std::string_view, kUpCards> kUpCardLabels {"2", "3", "4", "5", "6", "7", "8", "9", "10", "A"};

struct ActionInfo {
    std::string_view code;
    std::string_view meaning;
    Rgb colour = {};
};

// Indexed by the enum's value, which is also the legend order.
constexpr std::array<ActionInfo, kActionCount> kActions {{
    {"H", "Hit", {244, 244, 31}},
    {"S", "Stand", {227, 14, 13}},
    {"D", "Double Down", {48, 210, 80}},
    {"SP", "SPlit", {84, 79, 191}},
    {"H/SU", "SUrrender if able to, otherwise Hit", {160, 195, 220}},
}};

void checkIndex(int value, int count, const char* what)
{
    if (value < 0 || value >= count)
        throw std::out_of_range(
            std::string("strategy chart: ") + what + " index " + std::to_string(value) + " out of range");
}

const ActionInfo& info(Action a)
{
    const auto index = static_cast<int>(a);
    checkIndex(index, kActionCount, "action");
    return kActions[static_cast<std::size_t>(index)];
}

}  // namespace

Action action(int row, int upCard)
{
    checkIndex(row, kHandRows, "row");
    checkIndex(upCard, kUpCards, "up-card");
    return kTable[static_cast<std::size_t>(row)].actions[static_cast<std::size_t>(upCard)];
}

std::string_view handLabel(int row)
{
    checkIndex(row, kHandRows, "row");
    return kTable[static_cast<std::size_t>(row)].label;
}

std::string_view upCardLabel(int upCard)
{
    checkIndex(upCard, kUpCards, "up-card");
    return kUpCardLabels[static_cast<std::size_t>(upCard)];
}

std::string_view code(Action a)
{
    return info(a).code;
}
std::string_view meaning(Action a)
{
    return info(a).meaning;
}
Rgb colour(Action a)
{
    return info(a).colour;
}

Action actionByIndex(int index)
{
    checkIndex(index, kActionCount, "action");
    return static_cast<Action>(index);
}

Rect cellRect(int row, int upCard)
{
    checkIndex(row, kHandRows, "row");
    checkIndex(upCard, kUpCards, "up-card");
    return Rect {layout::kGridLeft + upCard * layout::kCellWidth + 1, layout::kGridTop + row * layout::kCellHeight + 1,
        layout::kCellWidth - 1, layout::kCellHeight - 1};
}

Rect legendSwatchRect(Action a)
{
    // Two entries a line; the long surrender entry gets the last line to itself.
    const int index = static_cast<int>(a);
    checkIndex(index, kActionCount, "action");
    constexpr int left = layout::kLabelLeft + 4;
    constexpr int middle = layout::kGridLeft + 4 * layout::kCellWidth + 4;
    return Rect {index % 2 == 0 ? left : middle, layout::kLegendTop + (index / 2) * layout::kLegendRowHeight,
        layout::kLegendSwatchWidth, layout::kLegendSwatchHeight};
}

}  // namespace shoewise::chart
