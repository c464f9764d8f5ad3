#include "app/platform.h"

#include "ui/fonts.h"

#include <QGuiApplication>

#include <cstdio>
#include <string_view>

namespace shoewise {

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

}  // namespace

QByteArray choosePlatform(const Environment& environment, int argc, const char* const* argv)
{
    const bool chosen = !environment("QT_QPA_PLATFORM").isEmpty() || platformArgument(argc, argv);
    const bool wayland = !environment("WAYLAND_DISPLAY").isEmpty() || environment("XDG_SESSION_TYPE") == "wayland";
    if (chosen || !wayland || environment("DISPLAY").isEmpty())
        return {};
    return QByteArrayLiteral("xcb");
}

void preparePlatform(int argc, char** argv)
{
    const QByteArray platform = choosePlatform([](const char* name) { return qgetenv(name); }, argc, argv);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    preloadFontConfiguration();
}

void setUpPlatform()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        std::fputs("Shoewise: on Wayland, keeping this window above other windows is left to the compositor\n", stderr);
}

}  // namespace shoewise
