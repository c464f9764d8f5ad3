// Click to repaint: the time from a mouse click on a card-group button of the real window to the
// end of the repaint of the value labels that changed, on one page of each family. Run it on a real
// window system (Xvfb), so that the repaint really reaches a window.
#include "app/main_window.h"
#include "app/startup.h"
#include "systems/catalogue.h"
#include "ui/count_page.h"
#include "ui/page_control.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <ctime>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Clicks = 1000;
constexpr int WarmUpClicks = 20;
// Well below a shoe, so every click changes the cards left and so repaints at least that label.
constexpr int ResetEvery = 100;
constexpr auto GiveUpAfter = std::chrono::seconds(2);

struct Case {
    const char* family;
    std::string_view page;
    std::string_view button;
};

// Notes which of the watched labels have been painted since the last clear().
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::vector<QLabel*> labels)
        : labels_(std::move(labels))
        , painted_(labels_.size(), false)
    {
        for (QLabel* label : labels_)
            label->installEventFilter(this);
    }
    ~PaintWatch() override
    {
        for (QLabel* label : labels_)
            label->removeEventFilter(this);
    }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    const std::vector<QLabel*>& labels() const { return labels_; }
    void clear() { std::fill(painted_.begin(), painted_.end(), false); }
    bool painted(std::size_t i) const { return painted_[i]; }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto it = std::find(labels_.begin(), labels_.end(), watched);
            if (it != labels_.end())
                painted_[static_cast<std::size_t>(it - labels_.begin())] = true;
        }
        return false;
    }

private:
    std::vector<QLabel*> labels_;
    std::vector<bool> painted_;
};

struct Sample {
    Clock::duration total {};
    Clock::duration handler {};  // the part spent inside the click itself
    // The processor time this thread used meanwhile: what the click costs here, without the waits
    // for the X server, which on a busy machine stretch the wall time.
    std::chrono::nanoseconds cpu {};
    bool timedOut = false;
};

std::chrono::nanoseconds threadCpuTime()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// Clicks the button and handles events until every value label whose text the click changed has
// been painted.
Sample clickAndWait(QPushButton& button, PaintWatch& watch)
{
    std::vector<QString> before;
    for (const QLabel* label : watch.labels())
        before.push_back(label->text());
    watch.clear();

    Sample sample;
    const auto cpuStart = threadCpuTime();
    const auto start = Clock::now();
    QTest::mouseClick(&button, Qt::LeftButton);
    sample.handler = Clock::now() - start;
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (watch.labels()[i]->text() != before[i])
            changed.push_back(i);
    auto allPainted = [&] { return std::ranges::all_of(changed, [&](std::size_t i) { return watch.painted(i); }); };
    while (!allPainted()) {
        if (Clock::now() - start > GiveUpAfter) {
            sample.timedOut = true;
            break;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    sample.total = Clock::now() - start;
    sample.cpu = threadCpuTime() - cpuStart;
    return sample;
}

double micros(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

// The value at the given fraction of the sorted samples, nearest rank.
double percentile(std::vector<double> samples, double fraction)
{
    std::ranges::sort(samples);
    auto rank = static_cast<std::size_t>(fraction * static_cast<double>(samples.size()) + 0.999999);
    rank = std::clamp<std::size_t>(rank, 1, samples.size());
    return samples[rank - 1];
}

bool run(shoewise::MainWindow& form, const Case& c)
{
    const shoewise::systems::SystemDef* system = nullptr;
    for (const auto* s : shoewise::systems::Catalogue)
        if (s->page == c.page)
            system = s;
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    auto* page = system ? qobject_cast<shoewise::CountPage*>(pages->widget(system->slot - 1)) : nullptr;
    if (page)
        pages->setCurrentWidget(page);  // its controls are made when it is first shown
    auto* button = page ? page->findChild<QPushButton*>(QString::fromUtf8(c.button)) : nullptr;
    QPushButton* reset = nullptr;
    std::vector<QLabel*> values;
    if (system) {
        for (const auto& def : system->buttons)
            if (def.operation == shoewise::systems::Operation::Reset)
                reset = page->findChild<QPushButton*>(QString::fromUtf8(def.name));
        for (const auto& def : system->labels)
            if (def.role != shoewise::systems::Role::Text)
                values.push_back(page->findChild<QLabel*>(QString::fromUtf8(def.name)));
    }
    if (!button || !reset || values.empty() || std::ranges::count(values, nullptr) > 0) {
        std::fprintf(
            stderr, "%.*s: page, button or labels not found\n", static_cast<int>(c.page.size()), c.page.data());
        return false;
    }

    QTest::qWait(50);
    PaintWatch watch(values);

    std::vector<double> total;
    std::vector<double> handler;
    std::vector<double> cpu;
    int timeouts = 0;
    for (int i = 0; i < WarmUpClicks + Clicks; ++i) {
        if (i % ResetEvery == 0)
            clickAndWait(*reset, watch);
        const Sample sample = clickAndWait(*button, watch);
        if (i < WarmUpClicks)
            continue;
        timeouts += sample.timedOut ? 1 : 0;
        total.push_back(micros(sample.total));
        handler.push_back(micros(sample.handler));
        cpu.push_back(micros(sample.cpu));
    }
    std::printf("click family=%s page=%.*s button=%.*s clicks=%zu median_us=%.1f p99_us=%.1f max_us=%.1f "
                "handler_median_us=%.1f cpu_median_us=%.1f cpu_p99_us=%.1f timeouts=%d\n",
        c.family, static_cast<int>(c.page.size()), c.page.data(), static_cast<int>(c.button.size()), c.button.data(),
        total.size(), percentile(total, 0.5), percentile(total, 0.99), percentile(total, 1.0), percentile(handler, 0.5),
        percentile(cpu, 0.5), percentile(cpu, 0.99), timeouts);
    return timeouts == 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    shoewise::Startup startup(argc, argv);
    shoewise::MainWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QTest::qWait(100);

    const Case cases[] = {
        {"KO", "TabSheet2", "Button5"},
        {"Hi-Lo", "TabSheet3", "Button9"},
        {"Advanced-Omega-II", "TabSheet9", "Button34"},
        {"Baccarat-I", "TabSheet10", "Button41"},
    };
    bool ok = true;
    for (const Case& c : cases)
        ok = run(form, c) && ok;
    std::fflush(stdout);
    return ok ? 0 : 1;
}
