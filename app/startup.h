#pragma once

#include "app/platform.h"

#include <QApplication>

#include <concepts>
#include <utility>

namespace shoewise {

// Once the application object exists: names the program, installs the layout's style, maps its fonts
// and keeps the layout left to right.
void setUpApplication();

// Everything the program does before it makes its window, in order. The program and whatever shows
// its window (the window, accessibility and scale tests, the start-up and click benchmarks, the page
// pictures) start through here, so that what they check is the start users get; the chart's tests,
// benchmark and generator, which show no window, make a plain application. A caller may bring an
// application class of its own, with further constructor arguments.
template <std::derived_from<QApplication> Application = QApplication> class Startup {
public:
    template <typename... Extra>
    Startup(int& argc, char** argv, Extra&&... extra)
        : prepared_(argc, argv)
        , application_(argc, argv, std::forward<Extra>(extra)...)
    {
        setUpApplication();
    }

    Application& application() { return application_; }

private:
    struct Prepared {
        Prepared(int argc, char** argv) { platform::prepare(argc, argv); }
    };

    Prepared prepared_;
    Application application_;
};

}  // namespace shoewise
