#pragma once

#include "app/platform.h"

#include <QApplication>

#include <concepts>
#include <utility>

namespace shoewise {

// Once the application object exists: names the program, installs the layout's style, maps its fonts
// and keeps the layout left to right.
void setUpApplication();

// Everything the program does before it makes its window, in order. The program, its tests, its
// benchmarks and its tools all start through here, so that what they check is the start users get.
// A caller may bring an application class of its own, with further constructor arguments.
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
