#pragma once

#include "engine/number_text.h"
#include "engine/shoe.h"

#include <array>
#include <cstdint>

// CountTrack is the whole memory of one counting system: the cards pressed so far, in order, and the
// counts derived from them. Every operation rebuilds the counts from the full history, so a count can
// never drift from the recorded cards. It knows nothing about buttons, labels or which system it
// serves beyond its start value, whether it shows a true count, and its bet rule.
namespace shoewise {

// How the running count reaches its label: as it is, or per deck next to a true count.
enum class CountStyle : std::uint8_t { Integer, PerDeck };

enum class Bet : std::uint8_t { Player, Banker };

// Which way a baccarat page turns the sign of the running count into a bet; zero keeps the last bet.
enum class BetRule : std::uint8_t {
    None,
    BankerBelowZero,  // negative count: banker; positive: player
    PlayerBelowZero,  // negative count: player; positive: banker
};

// What a counting system tells its track: where the running count starts, how it is shown and how it
// turns into a bet. Systems keep these in their constant tables; a track refers to its system's.
struct CountRules {
    std::int32_t startCount = 0;
    CountStyle style = CountStyle::Integer;
    BetRule betRule = BetRule::None;
};

// Shown in place of the true count when the whole shoe is recorded and no deck is left to divide by.
inline constexpr std::string_view NoTrueCountText = "\u2014";

class CountTrack {
public:
    // Starts empty. The rules are referred to, not copied, so they must outlive the track.
    constexpr explicit CountTrack(const CountRules& rules)
        : rules_(&rules)
        , runningCount_(rules.startCount)
    {
    }
    CountTrack(const CountRules&&) = delete;

    // Records one card with the given tag. On a full track the last card's tag is replaced.
    void press(std::int32_t tag);
    // Records an ace (tag 0, ace mark 1) while aces are left; returns false, changing nothing, when
    // none is left.
    bool pressAce();
    // Forgets the last recorded card; on an empty track nothing changes.
    void undo();
    // Starts a fresh shoe. The history is left in place and overwritten by later presses.
    void reset();

    std::int32_t cardsDealt() const { return cardsDealt_; }
    std::int32_t cardsLeft() const { return shoe::Cards - cardsDealt_; }
    std::int32_t runningCount() const { return runningCount_; }
    // False once the whole shoe is recorded: no deck is left to divide the running count by.
    bool hasTrueCount() const { return cardsDealt_ < shoe::Cards; }
    std::int32_t acesLeft() const { return acesLeft_; }
    Bet bet() const { return bet_; }

    NumberText cardsLeftText() const;
    NumberText runningCountText(std::string_view decimalSeparator = ".") const;
    NumberText trueCountText(std::string_view decimalSeparator = ".") const;
    NumberText acesLeftText() const;

private:
    void record(std::int32_t tag, std::int32_t aceMark);
    void recompute();

    const CountRules* rules_;

    std::int32_t cardsDealt_ = 0;
    std::int32_t runningCount_ = 0;
    std::int64_t trueCountHundredths_ = 0;
    std::int32_t acesLeft_ = shoe::Aces;
    Bet bet_ = Bet::Player;
    // Entry n (1..cardsDealt) belongs to the n-th recorded card; entry 0 is never read. Entries above
    // cardsDealt are stale leftovers of undone or reset cards.
    std::array<std::int32_t, shoe::Cards + 1> weights_ {};
    std::array<std::int32_t, shoe::Cards + 1> aceMarks_ {};
};

}  // namespace shoewise
