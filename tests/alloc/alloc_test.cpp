#include "tools/heap_counter/heap_counter.h"

#include "engine/count_track.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string_view>
#include <vector>

// The engine runs on every click; it must never reach for the heap, neither to count nor to form a
// label's text.
namespace shoewise::alloctest {
namespace {

// Where test blocks and results go, so that the optimiser can drop neither the allocations of the
// control nor the calls under measurement.
void* volatile sink = nullptr;
volatile std::int64_t resultSink = 0;

template <typename Work> std::uint64_t newCallsDuring(Work&& work)
{
    const std::uint64_t before = newCalls();
    work();
    return newCalls() - before;
}

// Without this the engine tests below would pass even if the counting did not work.
TEST(HeapCounter, CountsEveryFormOfNewAndDelete)
{
    struct alignas(64) Block {
        char bytes[64];
    };
    const std::uint64_t news = newCalls();
    const std::uint64_t deletes = deleteCalls();
    {
        std::vector<int> values(1000, 1);
        sink = values.data();
    }
    EXPECT_EQ(newCalls() - news, 1u);
    int* array = new int[8];
    sink = array;
    delete[] array;
    Block* block = new Block;
    sink = block;
    delete block;
    Block* blocks = new Block[3];
    sink = blocks;
    delete[] blocks;
    int* maybe = new (std::nothrow) int(7);
    sink = maybe;
    delete maybe;
    // Through pointers, so that these very overloads are called.
    void* (*alignedNew)(std::size_t, std::align_val_t, const std::nothrow_t&) noexcept = ::operator new;
    void (*alignedDelete)(void*, std::align_val_t, const std::nothrow_t&) noexcept = ::operator delete;
    void* raw = alignedNew(16, std::align_val_t {32}, std::nothrow);
    sink = raw;
    alignedDelete(raw, std::align_val_t {32}, std::nothrow);
    EXPECT_EQ(newCalls() - news, 6u);
    EXPECT_EQ(deleteCalls() - deletes, 6u);
}

// A fixed pseudo-random stream, the same on every run.
class Stream {
public:
    std::uint32_t next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }

private:
    std::uint32_t state_ = 12345;
};

// One track of each kind the pages use.
constexpr CountRules Rules[5] = {
    {-22, CountStyle::Integer},
    {-16, CountStyle::Integer},
    {0, CountStyle::PerDeck},
    {0, CountStyle::PerDeck, BetRule::BankerBelowZero},
    {0, CountStyle::PerDeck, BetRule::PlayerBelowZero},
};
struct Tracks {
    CountTrack all[5] = {
        CountTrack(Rules[0]), CountTrack(Rules[1]), CountTrack(Rules[2]), CountTrack(Rules[3]), CountTrack(Rules[4])};
};

// Full tracks, replaced last cards, exhausted and refused aces, undos down to and past empty, resets,
// with the track's state folded into the result after every step.
std::int64_t exercise(CountTrack& track, bool withTexts)
{
    Stream stream;
    std::int64_t result = 0;
    auto observe = [&] {
        result += track.runningCount() * 3 + track.acesLeft() + track.cardsDealt();
        if (withTexts) {
            for (std::string_view separator : {".", ",", "\u066b"}) {
                result += static_cast<std::int64_t>(track.runningCountText(separator).view().size());
                result += static_cast<std::int64_t>(track.trueCountText(separator).view().size());
            }
            result += static_cast<std::int64_t>(track.cardsLeftText().view().size());
            result += static_cast<std::int64_t>(track.acesLeftText().view().size());
        }
    };
    for (int i = 0; i < 430; ++i) {
        track.press(+3);
        observe();
    }
    for (int i = 0; i < 40; ++i) {
        track.pressAce();
        observe();
    }
    for (int step = 0; step < 6000; ++step) {
        const std::uint32_t roll = stream.next() % 100;
        if (roll < 60)
            track.press(static_cast<std::int32_t>(stream.next() % 7) - 3);
        else if (roll < 75)
            track.pressAce();
        else if (roll < 97)
            track.undo();
        else if (roll < 98)
            track.reset();
        else
            for (int i = 0; i < 450; ++i)
                track.press(-3);
        observe();
    }
    for (int i = 0; i < 3; ++i) {
        track.reset();
        track.undo();
        observe();
    }
    return result;
}

TEST(EngineHeap, TrackOperationsAllocateNothing)
{
    Tracks tracks;
    std::int64_t result = 0;
    const std::uint64_t news = newCallsDuring([&] {
        for (CountTrack& track : tracks.all)
            result += exercise(track, false);
    });
    resultSink = result;
    EXPECT_EQ(news, 0u);
}

TEST(EngineHeap, LabelTextsAllocateNothing)
{
    Tracks tracks;
    std::int64_t result = 0;
    const std::uint64_t news = newCallsDuring([&] {
        for (CountTrack& track : tracks.all)
            result += exercise(track, true);
    });
    resultSink = result;
    EXPECT_EQ(news, 0u);
    // The texts were really formed: the full track shows the dash, an empty one the start values.
    CountTrack& perDeck = tracks.all[2];
    for (int i = 0; i < 416; ++i)
        perDeck.press(+1);
    EXPECT_EQ(perDeck.trueCountText().view(), "\u2014");
    EXPECT_EQ(tracks.all[0].runningCountText().view(), "-22");
}

}  // namespace
}  // namespace shoewise::alloctest
