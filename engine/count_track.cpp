#include "engine/count_track.h"

#include "engine/true_count.h"

namespace shoewise {

void CountTrack::press(std::int32_t tag)
{
    record(tag, 0);
}

bool CountTrack::pressAce()
{
    if (acesLeft_ < 1)
        return false;
    record(0, 1);
    return true;
}

void CountTrack::undo()
{
    if (cardsDealt_ > 0)
        --cardsDealt_;
    recompute();
}

void CountTrack::reset()
{
    cardsDealt_ = 0;
    runningCount_ = rules_->startCount;
    trueCountHundredths_ = 0;
    acesLeft_ = shoe::Aces;
    bet_ = Bet::Player;
}

void CountTrack::record(std::int32_t tag, std::int32_t aceMark)
{
    if (cardsDealt_ < shoe::Cards)
        ++cardsDealt_;
    weights_[static_cast<std::size_t>(cardsDealt_)] = tag;
    aceMarks_[static_cast<std::size_t>(cardsDealt_)] = aceMark;
    recompute();
}

void CountTrack::recompute()
{
    std::int32_t running = rules_->startCount;
    std::int32_t aces = 0;
    for (std::size_t n = 1; n <= static_cast<std::size_t>(cardsDealt_); ++n) {
        running += weights_[n];
        aces += aceMarks_[n];
    }
    runningCount_ = running;
    // Taken from the marks on every operation, so a replaced 416th card cannot leave it stale.
    acesLeft_ = shoe::Aces - aces;

    if (rules_->style == CountStyle::PerDeck && hasTrueCount()) {
        trueCountHundredths_ = hundredths(trueCount(runningCount_, cardsDealt_));
    }

    if (runningCount_ != 0) {
        const bool negative = runningCount_ < 0;
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
    static_assert(shoe::DeckCount == 8, "the per-deck count is written in eighths");
    if (rules_->style == CountStyle::Integer)
        return integerText(runningCount_);
    return eighthsText(runningCount_, decimalSeparator);
}

NumberText CountTrack::trueCountText(std::string_view decimalSeparator) const
{
    if (!hasTrueCount())
        return NumberText(NoTrueCountText);
    return hundredthsText(trueCountHundredths_, decimalSeparator);
}

NumberText CountTrack::acesLeftText() const
{
    return integerText(acesLeft_);
}

}  // namespace shoewise
