#include "app/platform.h"
#include "app/platform_choice_linux.h"
#include "program.h"

#include <QGuiApplication>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <future>
#include <string_view>
#include <system_error>

namespace shoewise::platform {

namespace {

// Qt takes its own options with one dash or two.
bool platformArgument(int argc, const char* const* argv)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "-platform" || arg == "--platform")
            return true;
    }
    return false;
}

// The reading of the font configuration begun by prepare(), until prepareFaces() waits for it.
std::future<void>& configurationRead()
{
    static std::future<void> read;
    return read;
}

}  // namespace

// A Wayland client can neither keep itself above other windows, nor be shown without taking the
// focus, nor place itself; on a Wayland session with XWayland the window therefore runs on X11.
QByteArray choosePlatform(const Environment& environment, int argc, const char* const* argv)
{
    const bool chosen = !environment("QT_QPA_PLATFORM").isEmpty() || platformArgument(argc, argv);
    const bool wayland = !environment("WAYLAND_DISPLAY").isEmpty() || environment("XDG_SESSION_TYPE") == "wayland";
    if (chosen || !wayland || environment("DISPLAY").isEmpty())
        return {};
    return QByteArrayLiteral("xcb");
}

// The system's font configuration is read on a second thread while the application object connects
// to the display. Only fontconfig's own reading: Qt's font database is not safe off the main thread.
void prepare(int argc, char** argv)
{
    const QByteArray platform = choosePlatform([](const char* name) { return qgetenv(name); }, argc, argv);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    if (configurationRead().valid())
        return;
    try {
        configurationRead() = std::async(std::launch::async, [] { FcInit(); });
    } catch (const std::system_error&) {
        // No second thread to be had: Qt reads the configuration itself when it first needs a font.
    }
}

void setUp()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        std::fprintf(stderr, "%s: on Wayland, keeping this window above other windows is left to the compositor\n",
            program::Name);
}

// Qt's first font look-up would read the whole configuration again if the reading still ran.
void prepareFaces()
{
    if (configurationRead().valid())
        configurationRead().get();
}

// Debian has no alias for the face the captions were laid out in; the proportional Japanese gothic
// face stands in for it.
QStringList windowFaces()
{
    return {QString::fromUtf8(program::WindowsFaceJapanese), QString::fromUtf8(program::LinuxFace)};
}

}  // namespace shoewise::platform
