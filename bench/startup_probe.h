#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace shoewise::bench {

using Clock = std::chrono::steady_clock;

// Microseconds since the epoch by the wall clock: the one clock the launching shell can read too
// ($EPOCHREALTIME), so that loading the libraries before main is counted in the start-up.
inline std::int64_t wallMicros()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return std::int64_t {now.tv_sec} * 1'000'000 + now.tv_nsec / 1000;
}

inline double millis(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The application object of both start-up programs, so the real window and the bare one are timed
// by the very same code. The first frame is the moment the outermost event during which the watched
// window got a Paint has been handled: by then the whole window is painted and flushed. The program
// then runs a little longer, so that work put off until after the first frame still shows in the peak
// memory, and quits.
class StartupProbe : public QApplication {
public:
    // launchWall: when the shell started the process, in wallMicros(), or 0 if unknown.
    StartupProbe(int& argc, char** argv, std::int64_t launchWall, Clock::time_point atMain)
        : QApplication(argc, argv)
        , launchWall_(launchWall)
        , atMain_(atMain)
        , atMainWall_(
              wallMicros() - std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - atMain).count())
    {
    }

    // Call before the window is shown: on some platforms showing it paints it at once.
    void watch(const QWidget& window) { window_ = &window; }

    // Runs the event loop until shortly after the first frame and prints one line of figures.
    int run()
    {
        beforeExec_ = Clock::now();
        QTimer::singleShot(10'000, this, &QCoreApplication::quit);  // no frame at all: give up
        QApplication::exec();
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        if (!framed_) {
            std::fprintf(stderr, "no frame was painted\n");
            return 1;
        }
        const double launchToMain = launchWall_ > 0 ? static_cast<double>(atMainWall_ - launchWall_) / 1000.0 : 0.0;
        std::printf("startup platform=%s flags=0x%x launch_to_main_ms=%.3f main_to_exec_ms=%.3f "
                    "exec_to_frame_ms=%.3f start_to_frame_ms=%.3f peak_rss_kib=%ld\n",
            qPrintable(platformName()), static_cast<unsigned>(window_->windowFlags().toInt()), launchToMain,
            millis(beforeExec_ - atMain_), millis(firstFrame_ - beforeExec_),
            launchToMain + millis(firstFrame_ - atMain_), usage.ru_maxrss);
        return 0;
    }

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (receiver == window_ && event->type() == QEvent::Paint)
            windowPainted_ = true;
        ++depth_;
        const bool result = QApplication::notify(receiver, event);
        --depth_;
        if (depth_ == 0 && windowPainted_ && !framed_) {
            framed_ = true;
            firstFrame_ = Clock::now();
            QTimer::singleShot(settleMs(), this, &QCoreApplication::quit);
        }
        return result;
    }

private:
    // 300 ms, or SHOEWISE_BENCH_SETTLE_MS: a longer wait leaves time to look at the process from outside.
    static int settleMs()
    {
        const char* value = std::getenv("SHOEWISE_BENCH_SETTLE_MS");
        return value ? std::atoi(value) : 300;
    }

    const QWidget* window_ = nullptr;
    std::int64_t launchWall_;
    Clock::time_point atMain_;
    std::int64_t atMainWall_;
    Clock::time_point beforeExec_ {};
    Clock::time_point firstFrame_ {};
    int depth_ = 0;
    bool windowPainted_ = false;
    bool framed_ = false;
};

// The launch time the shell passes in SHOEWISE_BENCH_LAUNCH_US (${EPOCHREALTIME/./}), or 0.
inline std::int64_t launchWallFromEnvironment()
{
    const char* value = std::getenv("SHOEWISE_BENCH_LAUNCH_US");
    return value ? std::strtoll(value, nullptr, 10) : 0;
}

}  // namespace shoewise::bench
