#include "reference_model.h"

#include <cassert>
#include <cmath>

namespace shoewise::model {

namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr Press C = Press::Card;
constexpr Press A = Press::Ace;
constexpr Press U = Press::Undo;
constexpr Press R = Press::Reset;

std::vector<System> makeSystems()
{
    using B = BetRule;
    // slot, id, page, start, per deck, bet; buttons; cards left, running, true, aces, bet labels
    return {
        {1, "KO", "TabSheet2", -22, false, B::None,
            {{"Button4", C, 0}, {"Button5", C, +1}, {"Button6", C, -1}, {"Button7", R, 0}, {"Button71", U, 0}},
            "Label67", "Label5", "", "", ""},
        {2, "REKO", "TabSheet12", -16, false, B::None,
            {{"Button49", C, 0}, {"Button50", C, +1}, {"Button51", C, -1}, {"Button52", R, 0}, {"Button72", U, 0}},
            "Label69", "Label33", "", "", ""},
        {3, "FourFive", "TabSheet1", -32, false, B::None,
            {{"Button1", C, 0}, {"Button2", C, +1}, {"Button3", R, 0}, {"Button74", U, 0}}, "Label71", "Label1", "", "",
            ""},
        {4, "HiLo", "TabSheet3", 0, true, B::None,
            {{"Button9", C, +1}, {"Button10", C, -1}, {"Button11", C, 0}, {"Button8", R, 0}, {"Button73", U, 0}},
            "Label73", "Label6", "Label54", "", ""},
        {5, "HiOptI", "TabSheet4", 0, true, B::None,
            {{"Button12", C, 0}, {"Button13", C, +1}, {"Button14", C, -1}, {"Button15", R, 0}, {"Button75", U, 0}},
            "Label75", "Label9", "Label55", "", ""},
        {6, "HiOptII", "TabSheet5", 0, true, B::None,
            {{"Button16", C, 0}, {"Button17", C, +2}, {"Button18", C, +1}, {"Button19", C, -2}, {"Button20", R, 0},
                {"Button76", U, 0}},
            "Label77", "Label12", "Label56", "", ""},
        {7, "Red7", "TabSheet6", -16, false, B::None,
            {{"Button21", C, 0}, {"Button22", C, +1}, {"Button23", C, -1}, {"Button24", R, 0}, {"Button77", U, 0}},
            "Label79", "Label15", "", "", ""},
        {8, "Zen", "TabSheet7", 0, true, B::None,
            {{"Button25", C, +1}, {"Button26", C, +2}, {"Button67", C, 0}, {"Button27", C, -2}, {"Button28", C, -1},
                {"Button29", R, 0}, {"Button78", U, 0}},
            "Label81", "Label19", "Label57", "", ""},
        {9, "KissIII", "TabSheet8", -16, false, B::None,
            {{"Button30", C, 0}, {"Button31", C, +1}, {"Button32", C, -1}, {"Button33", R, 0}, {"Button79", U, 0}},
            "Label83", "Label21", "", "", ""},
        {10, "AdvancedOmegaII", "TabSheet9", 0, true, B::None,
            {{"Button34", C, +1}, {"Button35", C, +2}, {"Button68", C, 0}, {"Button36", C, -1}, {"Button37", C, -2},
                {"Button38", A, 0}, {"Button39", R, 0}, {"Button80", U, 0}},
            "Label85", "Label23", "Label58", "Label25", ""},
        {11, "UstonApc", "TabSheet13", 0, true, B::None,
            {{"Button53", C, +1}, {"Button54", C, +2}, {"Button55", C, +3}, {"Button56", C, -1}, {"Button57", C, -3},
                {"Button58", A, 0}, {"Button59", R, 0}, {"Button81", U, 0}},
            "Label87", "Label36", "Label59", "Label38", ""},
        {12, "UstonSs", "TabSheet14", -16, false, B::None,
            {{"Button60", C, +2}, {"Button61", C, +3}, {"Button62", C, +1}, {"Button63", C, 0}, {"Button64", C, -1},
                {"Button65", C, -2}, {"Button66", R, 0}, {"Button82", U, 0}},
            "Label89", "Label40", "", "", ""},
        {13, "BaccaratI", "TabSheet10", 0, true, B::BankerWhenNegative,
            {{"Button41", C, +1}, {"Button40", C, +2}, {"Button85", C, -2}, {"Button42", C, -1}, {"Button69", C, 0},
                {"Button43", R, 0}, {"Button83", U, 0}},
            "Label91", "Label26", "Label64", "", "Label27"},
        {14, "BaccaratII", "TabSheet11", 0, true, B::PlayerWhenNegative,
            {{"Button44", C, +1}, {"Button45", C, +2}, {"Button46", C, -2}, {"Button47", C, -1}, {"Button70", C, 0},
                {"Button48", R, 0}, {"Button84", U, 0}},
            "Label93", "Label30", "Label65", "", "Label31"},
    };
}

int bitLength(Wide value)
{
    int bits = 0;
    while (value != 0) {
        value >>= 1;
        ++bits;
    }
    return bits;
}

}  // namespace

const std::vector<System>& systems()
{
    static const std::vector<System> all = makeSystems();
    return all;
}

Binary nearestDouble(std::int64_t numerator, std::int64_t denominator)
{
    assert(denominator > 0);
    Binary result;
    if (numerator == 0)
        return result;
    result.negative = numerator < 0;
    const Wide n = result.negative ? 0 - static_cast<std::uint64_t>(numerator) : static_cast<std::uint64_t>(numerator);
    const Wide d = static_cast<std::uint64_t>(denominator);
    assert(bitLength(n) <= 60 && bitLength(d) <= 60);

    // Choose the shift that puts the quotient's integer part in [2^52, 2^53): 53 significant bits.
    constexpr Wide low = Wide(1) << 52;
    constexpr Wide high = Wide(1) << 53;
    int shift = 53 + bitLength(d) - bitLength(n);
    auto scaled = [&](int s) { return s >= 0 ? n << s : n >> -s; };
    while (scaled(shift) / d >= high)
        --shift;
    while (scaled(shift) / d < low)
        ++shift;
    assert(shift >= 0);  // true counts are far below 2^52, so no bits of n are dropped

    Wide quotient = (n << shift) / d;
    const Wide twiceRemainder = 2 * ((n << shift) % d);
    if (twiceRemainder > d || (twiceRemainder == d && (quotient & 1) != 0))
        ++quotient;
    if (quotient == high) {
        quotient = low;
        --shift;
    }
    result.significand = static_cast<std::uint64_t>(quotient);
    result.shift = shift;
    return result;
}

double toDouble(const Binary& value)
{
    const double magnitude = std::ldexp(static_cast<double>(value.significand), -value.shift);
    return value.negative ? -magnitude : magnitude;
}

std::int64_t hundredths(const Binary& value)
{
    const Wide product = Wide(value.significand) * 100;
    Wide whole;
    if (value.shift <= 0) {
        whole = product << -value.shift;
    } else {
        whole = product >> value.shift;
        const Wide rest = product - (whole << value.shift);
        const Wide half = Wide(1) << (value.shift - 1);
        if (rest > half || (rest == half && (whole & 1) != 0))
            ++whole;
    }
    const auto magnitude = static_cast<std::int64_t>(whole);
    return value.negative ? -magnitude : magnitude;
}

std::string integerText(std::int64_t value)
{
    return std::to_string(value);
}

std::string eighthsText(std::int64_t runningCount)
{
    const std::uint64_t magnitude
        = runningCount < 0 ? 0 - static_cast<std::uint64_t>(runningCount) : static_cast<std::uint64_t>(runningCount);
    std::string text = runningCount < 0 ? "-" : "";
    text += std::to_string(magnitude / 8);
    // An eighth is 0.125 exactly: three decimals at most, trailing zeros dropped.
    std::string decimals = std::to_string(1000 + (magnitude % 8) * 125).substr(1);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    if (!decimals.empty())
        text += "." + decimals;
    return text;
}

std::string hundredthsText(std::int64_t value)
{
    const std::uint64_t magnitude
        = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string text = value < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    std::string decimals = std::to_string(100 + magnitude % 100).substr(1);
    while (!decimals.empty() && decimals.back() == '0')
        decimals.pop_back();
    if (!decimals.empty())
        text += "." + decimals;
    return text;
}

std::string trueCountText(std::int64_t runningCount, int cardsDealt)
{
    if (cardsDealt >= Shoe)
        return std::string(NoTrueCount);
    return hundredthsText(hundredths(nearestDouble(52 * runningCount, Shoe - cardsDealt)));
}

std::string_view betText(Side side)
{
    return side == Side::Player ? "BET ON PLAYER" : "BET ON BANKER";
}

void Track::deal(Card card)
{
    // A full shoe has no room for another card: the last one is taken to have been mis-pressed.
    if (cards_.size() < static_cast<std::size_t>(Shoe))
        cards_.push_back(card);
    else
        cards_.back() = card;
}

void Track::turnBet()
{
    const std::int64_t count = runningCount();
    if (count == 0 || system_->betRule == BetRule::None)
        return;
    const bool banker = (count < 0) == (system_->betRule == BetRule::BankerWhenNegative);
    bet_ = banker ? Side::Banker : Side::Player;
}

void Track::apply(const Button& button)
{
    switch (button.press) {
    case Press::Card:
        deal({button.tag, false});
        turnBet();
        break;
    case Press::Ace:
        if (acesLeft() < 1)
            return;
        deal({0, true});
        turnBet();
        break;
    case Press::Undo:
        if (!cards_.empty())
            cards_.pop_back();
        turnBet();
        break;
    case Press::Reset:
        cards_.clear();
        bet_ = Side::Player;
        break;
    }
}

std::int64_t Track::runningCount() const
{
    std::int64_t count = system_->startCount;
    for (const Card& card : cards_)
        count += card.tag;
    return count;
}

int Track::acesLeft() const
{
    int left = Aces;
    for (const Card& card : cards_)
        left -= card.ace ? 1 : 0;
    return left;
}

Labels Track::labels() const
{
    Labels labels;
    const std::int64_t count = runningCount();
    labels.cardsLeft = integerText(Shoe - cardsDealt());
    labels.running = system_->perDeck ? eighthsText(count) : integerText(count);
    if (!system_->trueLabel.empty())
        labels.trueCount = trueCountText(count, cardsDealt());
    if (!system_->acesLabel.empty())
        labels.acesLeft = integerText(acesLeft());
    labels.bet = bet_;
    return labels;
}

}  // namespace shoewise::model
