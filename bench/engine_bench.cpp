// The count engine on a full track (416 cards), where every operation that recomputes walks the most
// history. Each benchmark also counts the heap allocations made inside its timed loop, per operation.
#include "engine/count_track.h"
#include "engine/number_text.h"
#include "tools/heap_counter/heap_counter.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <utility>

namespace {

using namespace shoewise;

// Tags that keep the running count moving both ways, as a real shoe does.
constexpr CountRules Integer {-22, CountStyle::Integer};
constexpr CountRules PerDeck {-22, CountStyle::PerDeck};

CountTrack fullTrack(CountStyle style)
{
    CountTrack track(style == CountStyle::Integer ? Integer : PerDeck);
    for (int i = 0; i < shoe::Cards; ++i)
        track.press(i % 3 - 1);
    return track;
}

// Reports the allocations made between construction and destruction, per iteration.
class AllocationCount {
public:
    explicit AllocationCount(benchmark::State& state)
        : state_(state)
        , start_(shoewise::alloctest::newCalls())
    {
    }
    ~AllocationCount()
    {
        state_.counters["allocs_per_op"] = benchmark::Counter(
            static_cast<double>(shoewise::alloctest::newCalls() - start_), benchmark::Counter::kAvgIterations);
    }
    AllocationCount(const AllocationCount&) = delete;
    AllocationCount& operator=(const AllocationCount&) = delete;

private:
    benchmark::State& state_;
    std::uint64_t start_;
};

void BM_PressFull(benchmark::State& state)
{
    CountTrack track = fullTrack(CountStyle::PerDeck);
    AllocationCount count(state);
    std::int32_t tag = 1;
    for (auto _ : state) {
        track.press(tag);
        tag = -tag;
        benchmark::DoNotOptimize(track);
    }
}
BENCHMARK(BM_PressFull)->Name("press");

void BM_PressAceFull(benchmark::State& state)
{
    CountTrack track = fullTrack(CountStyle::PerDeck);
    AllocationCount count(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(track.pressAce());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PressAceFull)->Name("pressAce");

template <std::size_t... I>
std::array<CountTrack, sizeof...(I)> copies(const CountTrack& track, std::index_sequence<I...> /*unused*/)
{
    return {((void)I, track)...};
}

// Undo and reset change the track, so each is timed on a batch of fresh full copies, refilled
// outside the measured time. The reported time is per operation; the count of rounds is fixed, as the
// library would otherwise scale it to the tiny measured time and refill for minutes.
template <typename Operation> void onFreshFullTracks(benchmark::State& state, Operation operation)
{
    constexpr std::size_t Batch = 64;
    const CountTrack full = fullTrack(CountStyle::PerDeck);
    static auto tracks = copies(full, std::make_index_sequence<Batch> {});
    AllocationCount count(state);
    for (auto _ : state) {
        tracks.fill(full);
        benchmark::ClobberMemory();
        const auto start = std::chrono::steady_clock::now();
        for (CountTrack& track : tracks)
            operation(track);
        benchmark::ClobberMemory();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count() / Batch);
    }
}

void BM_UndoFull(benchmark::State& state)
{
    onFreshFullTracks(state, [](CountTrack& track) { track.undo(); });
}
BENCHMARK(BM_UndoFull)->Name("undo")->UseManualTime()->Iterations(20'000);

void BM_ResetFull(benchmark::State& state)
{
    onFreshFullTracks(state, [](CountTrack& track) { track.reset(); });
}
BENCHMARK(BM_ResetFull)->Name("reset")->UseManualTime()->Iterations(20'000);

void BM_CardsLeftText(benchmark::State& state)
{
    const CountTrack track = fullTrack(CountStyle::Integer);
    AllocationCount count(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(track.cardsLeftText());
}
BENCHMARK(BM_CardsLeftText)->Name("cardsLeftText");

void BM_RunningCountTextInteger(benchmark::State& state)
{
    const CountTrack track = fullTrack(CountStyle::Integer);
    AllocationCount count(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(track.runningCountText(","));
}
BENCHMARK(BM_RunningCountTextInteger)->Name("runningCountText (integer)");

void BM_RunningCountTextPerDeck(benchmark::State& state)
{
    CountTrack track = fullTrack(CountStyle::PerDeck);
    track.undo();  // a count that is not a whole number of decks, so the fraction is written
    AllocationCount count(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(track.runningCountText(","));
}
BENCHMARK(BM_RunningCountTextPerDeck)->Name("runningCountText (per deck)");

void BM_TrueCountText(benchmark::State& state)
{
    CountTrack track = fullTrack(CountStyle::PerDeck);
    track.undo();  // with a deck left, so there is a true count to write
    AllocationCount count(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(track.trueCountText(","));
}
BENCHMARK(BM_TrueCountText)->Name("trueCountText");

void BM_AcesLeftText(benchmark::State& state)
{
    const CountTrack track = fullTrack(CountStyle::PerDeck);
    AllocationCount count(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(track.acesLeftText());
}
BENCHMARK(BM_AcesLeftText)->Name("acesLeftText");

}  // namespace

BENCHMARK_MAIN();
