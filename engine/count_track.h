#pragma once

#include "engine/number_text.h"

#include <array>
#include <cstdint>

// CountTrack is the whole memory of one counting system: the cards pressed so far, in order, and the
// counts derived from them. Every operation rebuilds the counts from the full history, so a count can
// never drift from the recorded cards. It knows nothing about buttons, labels or which system it
// serves beyond its start value, whether it shows a true count, and its bet rule.
namespace shoewise {

inline constexpr std::int32_t ShoeCards = 416;  // 8 decks of 52
inline constexpr std::int32_t DeckCount = 8;
inline constexpr std::int32_t AceTotal = 32;  // 8 decks of 4 aces

// How the running count reaches its label: as it is, or per deck next to a true count.
enum class CountStyle : std::uint8_t { Integer, PerDeck };

enum class Bet : std::uint8_t { Player, Banker };

// Which way a baccarat page turns the sign of the running count into a bet; zero keeps the last bet.
enum class BetRule : std::uint8_t {
    None,
    BankerBelowZero,  // negative count: banker; positive: player
    PlayerBelowZero,  // negative count: player; positive: banker
};

// Shown in place of the true count when the whole shoe is recorded and no deck is left to divide by.
inline constexpr std::string_view NoTrueCountText = "\u2014";

class CountTrack {
public:
    constexpr CountTrack() = default;
    constexpr CountTrack(std::int32_t startCount, CountStyle style, BetRule betRule = BetRule::None)
        : StartCount_(startCount)
        , style_(style)
        , betRule_(betRule)
        , RunningCount_(startCount)
    {
    }

    // Records one card with the given tag. On a full track the last card's tag is replaced.
    void press(std::int32_t tag);
    // Records an ace (tag 0, ace mark 1) while aces are left; returns false, changing nothing, when
    // none is left.
    bool pressAce();
    // Forgets the last recorded card; on an empty track nothing changes.
    void undo();
    // Starts a fresh shoe. The history is left in place and overwritten by later presses.
    void reset();

    std::int32_t StartCount() const { return StartCount_; }
    CountStyle style() const { return style_; }
    BetRule betRule() const { return betRule_; }
    std::int32_t CardsDealt() const { return CardsDealt_; }
    std::int32_t CardsLeft() const { return ShoeCards - CardsDealt_; }
    std::int32_t RunningCount() const { return RunningCount_; }
    // The last computed true count; meaningful only while hasTrueCount().
    double TrueCount() const { return TrueCount_; }
    // False only on a per-deck track with all 416 cards recorded, where no deck is left.
    bool hasTrueCount() const { return CardsDealt_ < ShoeCards; }
    // TrueCount x 100 rounded exactly to an integer, ties to even.
    std::int64_t trueCountHundredths() const { return TrueCountHundredths_; }
    std::int32_t AcesLeft() const { return AcesLeft_; }
    Bet bet() const { return bet_; }
    const std::array<std::int32_t, ShoeCards + 1>& Weights() const { return Weights_; }
    const std::array<std::int32_t, ShoeCards + 1>& AceMarks() const { return AceMarks_; }

    NumberText cardsLeftText() const;
    NumberText runningCountText(char decimalSeparator = '.') const;
    NumberText trueCountText(char decimalSeparator = '.') const;
    NumberText acesLeftText() const;

private:
    void record(std::int32_t tag, std::int32_t aceMark);
    void recompute();

    std::int32_t StartCount_ = 0;
    CountStyle style_ = CountStyle::Integer;
    BetRule betRule_ = BetRule::None;

    std::int32_t CardsDealt_ = 0;
    std::int32_t RunningCount_ = 0;
    double TrueCount_ = 0.0;
    std::int64_t TrueCountHundredths_ = 0;
    std::int32_t AcesLeft_ = AceTotal;
    Bet bet_ = Bet::Player;
    // Entry n (1..CardsDealt) belongs to the n-th recorded card; entry 0 is never read. Entries above
    // CardsDealt are stale leftovers of undone or reset cards.
    std::array<std::int32_t, ShoeCards + 1> Weights_ {};
    std::array<std::int32_t, ShoeCards + 1> AceMarks_ {};
};

}  // namespace shoewise
