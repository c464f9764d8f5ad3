#include "reference_model.h"

#include "app/main_window.h"
#include "tests/window/open_pages.h"
#include "ui/count_page.h"
#include "ui/page_control.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// Drives the real window with many random runs of clicks per page and compares every value label
// with the reference model after every click. Knobs (environment):
//   SHOEWISE_MODEL_SEED            base seed (default below); a failure prints it
//   SHOEWISE_MODEL_SEQUENCES       random sequences per page (default: the build's setting of that name)
//   SHOEWISE_MODEL_SHRINK_SECONDS  time allowed for shrinking a failure
namespace shoewise::modeltest {
namespace {

using model::Press;

constexpr std::uint64_t DefaultSeed = 20240417;
constexpr std::uint64_t DefaultSequences = SHOEWISE_MODEL_DEFAULT_SEQUENCES;
constexpr std::uint64_t DefaultShrinkSeconds = 120;
// How often, in clicks, the untouched pages are compared as well; also at the end of every sequence.
constexpr std::size_t CrossCheckEvery = 64;

std::uint64_t setting(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    if (!value || !*value)
        return fallback;
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(value, &end, 0);
    return end && *end == '\0' ? parsed : fallback;
}

// SplitMix64: tiny, and the same numbers on every platform and standard library.
class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : state_(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }
    std::size_t between(std::size_t low, std::size_t high) { return low + below(high - low + 1); }

private:
    std::uint64_t state_;
};

std::uint64_t sequenceSeed(std::uint64_t seed, int slot, std::uint64_t sequence)
{
    Rng mix(seed ^ (static_cast<std::uint64_t>(slot) << 48) ^ sequence);
    mix.next();
    return mix.next();
}

using Ops = std::vector<std::uint8_t>;  // indices into a system's buttons

// The buttons of one system sorted by what they do.
struct Keys {
    std::vector<std::uint8_t> cards;
    std::optional<std::uint8_t> ace;
    std::uint8_t undo = 0;
    std::uint8_t reset = 0;

    explicit Keys(const model::System& system)
    {
        for (std::size_t i = 0; i < system.buttons.size(); ++i) {
            const auto index = static_cast<std::uint8_t>(i);
            switch (system.buttons[i].press) {
            case Press::Card: cards.push_back(index); break;
            case Press::Ace: ace = index; break;
            case Press::Undo: undo = index; break;
            case Press::Reset: reset = index; break;
            }
        }
    }
};

// Percentages of card, ace, undo and reset presses; the ace share goes to cards where there is no
// ace button.
struct Mix {
    int card, ace, undo, reset;
};

void append(Ops& ops, const Keys& keys, Rng& rng, std::size_t count, Mix mix)
{
    for (std::size_t i = 0; i < count; ++i) {
        auto roll = static_cast<int>(rng.below(100));
        if ((roll -= mix.undo) < 0)
            ops.push_back(keys.undo);
        else if ((roll -= mix.reset) < 0)
            ops.push_back(keys.reset);
        else if ((roll -= mix.ace) < 0 && keys.ace)
            ops.push_back(*keys.ace);
        else
            ops.push_back(keys.cards[rng.below(keys.cards.size())]);
    }
}

Ops generate(const Keys& keys, Rng& rng)
{
    Ops ops;
    // Mostly from an empty track; otherwise on top of whatever the last sequence left.
    if (rng.below(4) != 0)
        ops.push_back(keys.reset);
    const std::size_t kind = rng.below(100);
    if (kind < 30) {  // short and mixed
        append(ops, keys, rng, rng.between(1, 40), {70, 10, 15, 5});
    } else if (kind < 48) {  // longer, mostly cards
        append(ops, keys, rng, rng.between(40, 250), {80, 6, 12, 2});
    } else if (kind < 60) {  // past a full shoe, so the last card gets replaced
        append(ops, keys, rng, rng.between(430, 560), {93, 3, 4, 0});
    } else if (kind < 68) {  // fill the shoe, then stay around full
        append(ops, keys, rng, 416, {97, 3, 0, 0});
        append(ops, keys, rng, rng.between(30, 150), {40, 15, 45, 0});
    } else if (kind < 83) {  // undo and reset, often on an empty track
        append(ops, keys, rng, rng.between(1, 60), {35, 5, 45, 15});
    } else if (keys.ace) {  // run out of aces, so later ones are refused
        append(ops, keys, rng, rng.between(40, 140), {25, 55, 20, 0});
    } else {
        append(ops, keys, rng, rng.between(1, 80), {75, 0, 20, 5});
    }
    return ops;
}

std::string quoted(const QString& text)
{
    return '"' + text.toStdString() + '"';
}

// The real window and, per page, the widgets the model speaks about.
class Window {
public:
    Window()
        : form_(std::make_unique<MainWindow>())
    {
        form_->show();
        testing::openEveryPage(*form_);
        for (const model::System& system : model::systems())
            pages_.push_back(resolve(system));
    }

    const std::string& setupError() const { return setupError_; }

    void select(int slot)
    {
        CountPage* page = pages_.at(index(slot)).page;
        if (testing::pageControl(*form_)->currentWidget() != page)
            testing::pageControl(*form_)->setCurrentWidget(page);
    }

    void click(int slot, std::uint8_t button)
    {
        QTest::mouseClick(pages_[index(slot)].buttons[button], Qt::LeftButton);
    }

    // The first value label of the page that differs from the model, if any.
    std::optional<std::string> mismatch(int slot, const model::Labels& expected) const
    {
        const Page& page = pages_[index(slot)];
        std::optional<std::string> found;
        auto compare = [&](QLabel* label, const std::string& text, const char* what) {
            if (found || !label)
                return;
            const QString shown = label->text();
            if (shown != QString::fromStdString(text))
                found = std::string(page.system->page) + " " + label->objectName().toStdString() + " (" + what
                    + "): expected \"" + text + "\", shown " + quoted(shown);
        };
        compare(page.cardsLeft, expected.cardsLeft, "cards left");
        compare(page.running, expected.running, "running count");
        compare(page.trueCount, expected.trueCount, "true count");
        compare(page.aces, expected.acesLeft, "aces left");
        if (!found && page.bet) {
            compare(page.bet, std::string(model::betText(expected.bet)), "bet");
            const QColor want = expected.bet == model::Side::Player ? QColor(0, 0, 255) : QColor(255, 0, 0);
            const QColor shown = page.bet->palette().color(QPalette::Window);
            if (!found && shown != want)
                found = std::string(page.system->page) + " " + page.bet->objectName().toStdString()
                    + " (bet colour): expected " + want.name().toStdString() + ", shown " + shown.name().toStdString();
        }
        return found;
    }

    // Every page but `slot` must still show its start state.
    std::optional<std::string> othersChanged(int slot) const
    {
        for (const model::System& system : model::systems()) {
            if (system.slot == slot)
                continue;
            if (auto found = mismatch(system.slot, startLabels().at(index(system.slot))))
                return "untouched page changed: " + *found;
        }
        return std::nullopt;
    }

private:
    struct Page {
        const model::System* system = nullptr;
        CountPage* page = nullptr;
        std::vector<QPushButton*> buttons;
        QLabel* cardsLeft = nullptr;
        QLabel* running = nullptr;
        QLabel* trueCount = nullptr;
        QLabel* aces = nullptr;
        QLabel* bet = nullptr;
    };

    static std::size_t index(int slot) { return static_cast<std::size_t>(slot - 1); }

    static const std::vector<model::Labels>& startLabels()
    {
        static const std::vector<model::Labels> labels = [] {
            std::vector<model::Labels> all;
            for (const model::System& system : model::systems())
                all.push_back(model::Track(system).labels());
            return all;
        }();
        return labels;
    }

    Page resolve(const model::System& system)
    {
        Page page;
        page.system = &system;
        page.page = testing::pageOfSlot(*form_, system.slot);
        const QString pageName = QString::fromUtf8(system.page);
        if (!page.page || page.page->objectName() != pageName) {
            setupError_ += "slot " + std::to_string(system.slot) + " is not " + std::string(system.page) + "; ";
            page.page = form_->findChild<CountPage*>(pageName);
        }
        if (!page.page) {
            setupError_ += "no page " + std::string(system.page) + "; ";
            return page;
        }
        auto find = [&]<typename T>(std::string_view name, T*) -> T* {
            if (name.empty())
                return nullptr;
            const QString objectName = QString::fromUtf8(name);
            T* widget = page.page->findChild<T*>(objectName);
            if (!widget)
                setupError_ += std::string(system.page) + " has no " + std::string(name) + "; ";
            return widget;
        };
        for (const model::Button& button : system.buttons)
            page.buttons.push_back(find(button.name, static_cast<QPushButton*>(nullptr)));
        page.cardsLeft = find(system.cardsLeftLabel, static_cast<QLabel*>(nullptr));
        page.running = find(system.runningLabel, static_cast<QLabel*>(nullptr));
        page.trueCount = find(system.trueLabel, static_cast<QLabel*>(nullptr));
        page.aces = find(system.acesLabel, static_cast<QLabel*>(nullptr));
        page.bet = find(system.betLabel, static_cast<QLabel*>(nullptr));
        return page;
    }

    std::unique_ptr<MainWindow> form_;
    std::vector<Page> pages_;
    std::string setupError_;
};

struct Failure {
    std::size_t clicks;  // how many clicks of the run had been made when it showed
    std::string what;
};

// Replays clicks on one page of a brand-new window, comparing after every one of them.
std::optional<Failure> replay(const model::System& system, const Ops& ops)
{
    Window window;
    if (!window.setupError().empty())
        return Failure {0, window.setupError()};
    window.select(system.slot);
    model::Track track(system);
    for (std::size_t i = 0; i < ops.size(); ++i) {
        window.click(system.slot, ops[i]);
        track.apply(system.buttons[ops[i]]);
        if (auto found = window.mismatch(system.slot, track.labels()))
            return Failure {i + 1, *found};
        if ((i + 1) % CrossCheckEvery == 0)
            if (auto found = window.othersChanged(system.slot))
                return Failure {i + 1, *found};
    }
    if (auto found = window.othersChanged(system.slot))
        return Failure {ops.size(), *found};
    return std::nullopt;
}

// Removes ever smaller chunks while the rest still fails, within the time allowed.
Ops shrink(const model::System& system, Ops ops, std::chrono::steady_clock::time_point deadline, bool& finished)
{
    finished = false;
    for (std::size_t chunk = ops.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t at = 0; at < ops.size();) {
            if (std::chrono::steady_clock::now() > deadline)
                return ops;
            Ops candidate = ops;
            const std::size_t end = std::min(at + chunk, candidate.size());
            candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(at),
                candidate.begin() + static_cast<std::ptrdiff_t>(end));
            if (replay(system, candidate))
                ops = std::move(candidate);
            else
                at += chunk;
        }
    }
    finished = true;
    return ops;
}

// Turns ever smaller chunks into presses of one plain card while the run still fails, so that what
// matters stands out from the filler.
Ops simplify(const model::System& system, Ops ops, std::uint8_t plain, std::chrono::steady_clock::time_point deadline,
    bool& finished)
{
    finished = false;
    for (std::size_t chunk = std::max<std::size_t>(ops.size() / 2, 1); chunk >= 1; chunk /= 2) {
        for (std::size_t at = 0; at < ops.size(); at += chunk) {
            if (std::chrono::steady_clock::now() > deadline)
                return ops;
            Ops candidate = ops;
            const std::size_t end = std::min(at + chunk, candidate.size());
            std::fill(candidate.begin() + static_cast<std::ptrdiff_t>(at),
                candidate.begin() + static_cast<std::ptrdiff_t>(end), plain);
            if (candidate != ops && replay(system, candidate))
                ops = std::move(candidate);
        }
    }
    finished = true;
    return ops;
}

std::string describe(const model::System& system, const Ops& ops)
{
    std::ostringstream out;
    for (std::size_t i = 0; i < ops.size();) {
        std::size_t run = 1;
        while (i + run < ops.size() && ops[i + run] == ops[i])
            ++run;
        out << (i ? " " : "") << system.buttons[ops[i]].name;
        if (run > 1)
            out << "*" << run;
        i += run;
    }
    return out.str();
}

class PageFollowsTheModel : public ::testing::TestWithParam<int> {
protected:
    const model::System& system() const { return model::systems().at(static_cast<std::size_t>(GetParam() - 1)); }

    // Finds the shortest run of clicks, from a fresh window, that still goes wrong, and reports it.
    void report(const Ops& log, std::size_t sequenceStart, std::uint64_t sequence, const std::string& first)
    {
        const auto deadline = std::chrono::steady_clock::now()
            + std::chrono::seconds(setting("SHOEWISE_MODEL_SHRINK_SECONDS", DefaultShrinkSeconds));
        // The failing sequence alone first; then more and more of what came before, since stale
        // history left by earlier sequences may be what it needs.
        std::size_t begin = sequenceStart;
        Ops failing(log.begin() + static_cast<std::ptrdiff_t>(begin), log.end());
        bool reproduced = replay(system(), failing).has_value();
        while (!reproduced && begin > 0) {
            const std::size_t length = 2 * (log.size() - begin);
            begin = length < log.size() ? log.size() - length : 0;
            failing.assign(log.begin() + static_cast<std::ptrdiff_t>(begin), log.end());
            reproduced = replay(system(), failing).has_value();
        }

        std::ostringstream message;
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        message << system().page << " (slot " << system().slot << ", " << system().id
                << ") differs from the model.\n  seed " << seed_ << ", sequence #" << sequence << ", click "
                << log.size() << " of this window; rerun: SHOEWISE_MODEL_SEED=" << seed_
                << " SHOEWISE_MODEL_SEQUENCES=" << sequence + 1 << " model_tests --gtest_filter='"
                << test->test_suite_name() << "." << test->name() << "'\n  first seen: " << first << "\n";
        if (!reproduced) {
            // Then it depends on more than these clicks; the tail of the run is the best lead.
            constexpr std::size_t tail = 1000;
            const Ops last(log.end() - static_cast<std::ptrdiff_t>(std::min(tail, log.size())), log.end());
            message << "  not reproduced on a fresh window; the last " << last.size() << " of " << log.size()
                    << " clicks were:\n    " << describe(system(), last);
            ADD_FAILURE() << message.str();
            return;
        }
        bool finished = false;
        Ops shortest = shrink(system(), failing, deadline, finished);
        if (finished)
            shortest = simplify(system(), shortest, Keys(system()).cards.front(), deadline, finished);
        if (finished)
            shortest = shrink(system(), shortest, deadline, finished);
        const std::optional<Failure> failure = replay(system(), shortest);
        message << "  shortest failing sequence" << (finished ? "" : " found in the time allowed") << " ("
                << shortest.size() << " clicks on a fresh window):\n    " << describe(system(), shortest) << "\n";
        if (failure)
            message << "  after click " << failure->clicks << ": " << failure->what;
        ADD_FAILURE() << message.str();
    }

    std::uint64_t seed_ = setting("SHOEWISE_MODEL_SEED", DefaultSeed);
};

TEST_P(PageFollowsTheModel, RandomClicks)
{
    const model::System& sys = system();
    const std::uint64_t sequences = setting("SHOEWISE_MODEL_SEQUENCES", DefaultSequences);
    const Keys keys(sys);
    ASSERT_FALSE(keys.cards.empty());

    Window window;
    ASSERT_EQ(window.setupError(), "");
    window.select(sys.slot);
    if (auto found = window.othersChanged(0)) {
        ADD_FAILURE() << "start state: " << *found;
        return;
    }

    model::Track track(sys);
    Ops log;
    std::size_t checkedSequences = 0;
    struct {
        std::size_t full = 0, refusedAces = 0, emptyUndos = 0;
    } edges;
    const auto started = std::chrono::steady_clock::now();
    for (std::uint64_t sequence = 0; sequence < sequences; ++sequence) {
        Rng rng(sequenceSeed(seed_, sys.slot, sequence));
        const Ops ops = generate(keys, rng);
        const std::size_t sequenceStart = log.size();
        for (std::uint8_t op : ops) {
            const Press press = sys.buttons[op].press;
            edges.full += track.cardsDealt() == model::Shoe && (press == Press::Card || press == Press::Ace);
            edges.refusedAces += press == Press::Ace && track.acesLeft() == 0;
            edges.emptyUndos += press == Press::Undo && track.cardsDealt() == 0;
            window.click(sys.slot, op);
            track.apply(sys.buttons[op]);
            log.push_back(op);
            std::optional<std::string> found = window.mismatch(sys.slot, track.labels());
            if (!found && log.size() % CrossCheckEvery == 0)
                found = window.othersChanged(sys.slot);
            if (found)
                return report(log, sequenceStart, sequence, *found);
        }
        if (auto found = window.othersChanged(sys.slot))
            return report(log, sequenceStart, sequence, *found);
        ++checkedSequences;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("[   model  ] %s: %zu sequences, %zu clicks checked in %.1f s (seed %llu); presses on a full shoe "
                "%zu, refused aces %zu, undos on an empty track %zu\n",
        std::string(sys.id).c_str(), checkedSequences, log.size(), seconds, static_cast<unsigned long long>(seed_),
        edges.full, edges.refusedAces, edges.emptyUndos);
    // The edges are where faults hide; a run that never reached them proves little.
    if (sequences >= 200) {
        EXPECT_GT(edges.full, 0u);
        EXPECT_GT(edges.emptyUndos, 0u);
        if (keys.ace) {
            EXPECT_GT(edges.refusedAces, 0u);
        }
    }
    RecordProperty("sequences", static_cast<int>(checkedSequences));
    RecordProperty("clicks", static_cast<int>(log.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageFollowsTheModel, ::testing::Range(1, 15), [](const ::testing::TestParamInfo<int>& info) {
        const model::System& system = model::systems().at(static_cast<std::size_t>(info.param - 1));
        const std::string number = std::to_string(info.param);
        return "Slot" + std::string(number.size() < 2 ? "0" : "") + number + "_" + std::string(system.id);
    });

}  // namespace
}  // namespace shoewise::modeltest
