#include "engine/count_track.h"

#include <gtest/gtest.h>

namespace shoewise {
namespace {

constexpr CountRules Ko {-22, CountStyle::Integer};
constexpr CountRules HiLo {0, CountStyle::PerDeck};
constexpr CountRules BaccaratI {0, CountStyle::PerDeck, BetRule::BankerBelowZero};
constexpr CountRules BaccaratII {0, CountStyle::PerDeck, BetRule::PlayerBelowZero};

CountTrack ko()
{
    return CountTrack(Ko);
}

CountTrack hiLo()
{
    return CountTrack(HiLo);
}

TEST(CountTrack, RebuildsTheRunningCountFromTheHistory)
{
    CountTrack track = ko();
    track.press(+1);
    track.press(-1);
    track.press(0);
    EXPECT_EQ(track.cardsDealt(), 3);
    EXPECT_EQ(track.runningCount(), -22);
    track.undo();
    track.undo();
    EXPECT_EQ(track.cardsLeft(), 415);
    EXPECT_EQ(track.runningCount(), -21);
    // The undone cards' tags stay behind, unread, until a press overwrites them.
    track.press(+1);
    EXPECT_EQ(track.runningCount(), -20);
}

TEST(CountTrack, UndoOnAnEmptyTrackChangesNothing)
{
    CountTrack track = ko();
    track.undo();
    EXPECT_EQ(track.cardsDealt(), 0);
    EXPECT_EQ(track.runningCount(), -22);
    EXPECT_EQ(track.runningCountText().view(), "-22");
    EXPECT_EQ(track.cardsLeftText().view(), "416");
}

TEST(CountTrack, ResetKeepsTheHistoryButNeverReadsIt)
{
    CountTrack track = ko();
    for (int i = 0; i < 5; ++i)
        track.press(+1);
    track.reset();
    EXPECT_EQ(track.cardsDealt(), 0);
    EXPECT_EQ(track.runningCount(), -22);
    track.undo();
    EXPECT_EQ(track.cardsDealt(), 0);
    EXPECT_EQ(track.runningCount(), -22);
    track.press(-1);
    EXPECT_EQ(track.runningCount(), -23);
}

TEST(CountTrack, FullTrackReplacesTheLastTag)
{
    CountTrack track = ko();
    for (int i = 0; i < 416; ++i)
        track.press(+1);
    EXPECT_EQ(track.cardsLeft(), 0);
    EXPECT_EQ(track.runningCount(), 394);
    track.press(-1);
    EXPECT_EQ(track.cardsDealt(), 416);
    EXPECT_EQ(track.runningCount(), 392);
    track.undo();
    EXPECT_EQ(track.cardsDealt(), 415);
    EXPECT_EQ(track.runningCount(), 393);
}

TEST(CountTrack, PerDeckTextsAndTrueCount)
{
    CountTrack track = hiLo();
    EXPECT_EQ(track.runningCountText().view(), "0");
    EXPECT_EQ(track.trueCountText().view(), "0");
    track.press(-1);
    EXPECT_EQ(track.runningCountText().view(), "-0.125");
    EXPECT_EQ(track.trueCountText().view(), "-0.13");
    track.reset();
    EXPECT_EQ(track.trueCountText().view(), "0");
}

TEST(CountTrack, NoDeckLeftShowsADashInsteadOfFaulting)
{
    CountTrack track = hiLo();
    for (int i = 0; i < 415; ++i)
        track.press(+1);
    EXPECT_EQ(track.trueCountText().view(), "21580");
    track.press(+1);
    EXPECT_FALSE(track.hasTrueCount());
    EXPECT_EQ(track.cardsLeftText().view(), "0");
    EXPECT_EQ(track.runningCountText().view(), "52");
    EXPECT_EQ(track.trueCountText().view(), NoTrueCountText);
    track.undo();
    EXPECT_EQ(track.trueCountText().view(), "21580");
}

TEST(CountTrack, AcesAreCountedFromTheirMarks)
{
    CountTrack track = hiLo();
    EXPECT_TRUE(track.pressAce());
    EXPECT_EQ(track.acesLeft(), 31);
    EXPECT_EQ(track.runningCount(), 0);
    track.press(+1);
    EXPECT_EQ(track.acesLeft(), 31);
    track.undo();
    track.undo();
    EXPECT_EQ(track.acesLeft(), 32);

    for (int i = 0; i < 32; ++i)
        EXPECT_TRUE(track.pressAce());
    EXPECT_EQ(track.acesLeft(), 0);
    EXPECT_FALSE(track.pressAce());
    EXPECT_EQ(track.cardsDealt(), 32);
    track.undo();
    EXPECT_EQ(track.acesLeft(), 1);
    EXPECT_TRUE(track.pressAce());

    track.reset();
    EXPECT_EQ(track.acesLeft(), 32);
    track.press(+2);  // overwrites card 1's mark; the stale marks above stay unread
    EXPECT_EQ(track.acesLeft(), 32);
}

TEST(CountTrack, AFullTrackNeverDisagreesWithItsMarks)
{
    CountTrack track = hiLo();
    for (int i = 0; i < 415; ++i)
        track.press(0);
    EXPECT_TRUE(track.pressAce());  // the 416th card
    EXPECT_EQ(track.acesLeft(), 31);
    EXPECT_EQ(track.trueCountText().view(), NoTrueCountText);
    track.press(+1);  // replaces that ace
    EXPECT_EQ(track.acesLeft(), 32);
    EXPECT_TRUE(track.pressAce());  // and back
    EXPECT_EQ(track.acesLeft(), 31);
    EXPECT_EQ(track.cardsDealt(), 416);
}

TEST(CountTrack, BetFollowsTheSignAndHoldsAtZero)
{
    CountTrack first(BaccaratI);
    CountTrack second(BaccaratII);
    const Bet expectedFirst[] = {Bet::Banker, Bet::Banker, Bet::Player, Bet::Player};
    const Bet expectedSecond[] = {Bet::Player, Bet::Player, Bet::Banker, Bet::Banker};
    const int tags[] = {-2, +1, +2, -1};  // counts -2, -1, +1, 0
    for (int i = 0; i < 4; ++i) {
        first.press(tags[i]);
        second.press(tags[i]);
        EXPECT_EQ(first.bet(), expectedFirst[i]) << i;
        EXPECT_EQ(second.bet(), expectedSecond[i]) << i;
    }
    for (int i = 0; i < 4; ++i)
        first.undo();
    EXPECT_EQ(first.bet(), Bet::Banker);  // count 0 on the empty track keeps the last bet
    first.reset();
    EXPECT_EQ(first.bet(), Bet::Player);
}

}  // namespace
}  // namespace shoewise
