#include "engine/count_track.h"

#include "engine/true_count.h"

namespace shoewise {

void CountTrack::press(std::int32_t tag)
{
    record(tag, 0);
}

bool CountTrack::pressAce()
{
    if (AcesLeft_ < 1)
        return false;
    record(0, 1);
    return true;
}

void CountTrack::undo()
{
    if (CardsDealt_ > 0)
        --CardsDealt_;
    recompute();
}

void CountTrack::reset()
{
    CardsDealt_ = 0;
    RunningCount_ = rules_->StartCount;
    TrueCount_ = 0.0;
    trueCountHundredths_ = 0;
    AcesLeft_ = AceTotal;
    bet_ = Bet::Player;
}

void CountTrack::record(std::int32_t tag, std::int32_t aceMark)
{
    if (CardsDealt_ < ShoeCards)
        ++CardsDealt_;
    Weights_[static_cast<std::size_t>(CardsDealt_)] = tag;
    AceMarks_[static_cast<std::size_t>(CardsDealt_)] = aceMark;
    recompute();
}

void CountTrack::recompute()
{
    std::int32_t running = rules_->StartCount;
    std::int32_t aces = 0;
    for (std::size_t n = 1; n <= static_cast<std::size_t>(CardsDealt_); ++n) {
        running += Weights_[n];
        aces += AceMarks_[n];
    }
    RunningCount_ = running;
    // Taken from the marks on every operation, so a replaced 416th card cannot leave it stale.
    AcesLeft_ = AceTotal - aces;

    if (rules_->style == CountStyle::PerDeck && hasTrueCount()) {
        TrueCount_ = trueCount(RunningCount_, CardsDealt_);
        trueCountHundredths_ = hundredths(TrueCount_);
    }

    if (RunningCount_ != 0) {
        const bool negative = RunningCount_ < 0;
        if (rules_->betRule == BetRule::BankerBelowZero)
            bet_ = negative ? Bet::Banker : Bet::Player;
        else if (rules_->betRule == BetRule::PlayerBelowZero)
            bet_ = negative ? Bet::Player : Bet::Banker;
    }
}

NumberText CountTrack::cardsLeftText() const
{
    return integerText(cardsLeft());
}

NumberText CountTrack::runningCountText(std::string_view decimalSeparator) const
{
    static_assert(DeckCount == 8, "the per-deck count is written in eighths");
    if (rules_->style == CountStyle::Integer)
        return integerText(RunningCount_);
    return eighthsText(RunningCount_, decimalSeparator);
}

NumberText CountTrack::trueCountText(std::string_view decimalSeparator) const
{
    if (!hasTrueCount())
        return NumberText(NoTrueCountText);
    return hundredthsText(trueCountHundredths_, decimalSeparator);
}

NumberText CountTrack::acesLeftText() const
{
    return integerText(AcesLeft_);
}

}  // namespace shoewise
