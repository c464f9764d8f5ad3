#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An independent account of what every page must show after any run of presses. It states every
// system's tags, start value and label names afresh and shares nothing with the program's tables or
// engine, so that a wrong tag, a wrong label name or a wrong rounding in the program shows up as a
// difference.
namespace shoewise::model {

inline constexpr int Shoe = 416;
inline constexpr int Aces = 32;

enum class Press : std::uint8_t { Card, Ace, Undo, Reset };

enum class BetRule : std::uint8_t { None, BankerWhenNegative, PlayerWhenNegative };

enum class Side : std::uint8_t { Player, Banker };

struct Button {
    std::string_view name;
    Press press;
    int tag;  // read by card presses only
};

struct System {
    int slot;
    std::string_view id;  // usable in a test name
    std::string_view page;
    int startCount;
    bool perDeck;  // running count shown per deck next to a true count
    BetRule betRule;
    std::vector<Button> buttons;
    // Value label names; empty when the page has no such label.
    std::string_view cardsLeftLabel;
    std::string_view runningLabel;
    std::string_view trueLabel;
    std::string_view acesLabel;
    std::string_view betLabel;
};

// All fourteen systems, in slot order.
const std::vector<System>& systems();

// ±significand / 2^shift: a double, held exactly as integers.
struct Binary {
    bool negative = false;
    std::uint64_t significand = 0;
    int shift = 0;
};

// The double nearest to numerator / denominator (denominator > 0), ties to even.
Binary nearestDouble(std::int64_t numerator, std::int64_t denominator);
double toDouble(const Binary& value);
// The integer nearest to the exact value x 100, ties to even.
std::int64_t hundredths(const Binary& value);

std::string integerText(std::int64_t value);
std::string eighthsText(std::int64_t runningCount);  // the exact shortest decimal of runningCount / 8
std::string hundredthsText(std::int64_t hundredths);
std::string trueCountText(std::int64_t runningCount, int cardsDealt);

inline constexpr std::string_view NoTrueCount = "\u2014";
std::string_view betText(Side side);

// What the value labels of one page must read.
struct Labels {
    std::string cardsLeft;
    std::string running;
    std::string trueCount;  // empty when the page has no true count
    std::string acesLeft;  // empty when the page counts no aces
    Side bet = Side::Player;
};

// One page's shoe as a plain stack of the cards that count: what undo removes and reset forgets
// simply is not there any more.
class Track {
public:
    explicit Track(const System& system)
        : system_(&system)
    {
        cards_.reserve(Shoe);
    }

    void apply(const Button& button);

    int cardsDealt() const { return static_cast<int>(cards_.size()); }
    std::int64_t runningCount() const;
    int acesLeft() const;
    Side bet() const { return bet_; }
    Labels labels() const;

private:
    struct Card {
        int tag;
        bool ace;
    };
    void deal(Card card);
    void turnBet();

    const System* system_;
    std::vector<Card> cards_;
    Side bet_ = Side::Player;
};

}  // namespace shoewise::model
