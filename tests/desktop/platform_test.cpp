#include "app/platform_choice_linux.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* what;
    std::map<std::string, QByteArray> environment;
    std::vector<const char*> args;  // after the program name
    QByteArray platform;  // empty: Qt's own choice
};

TEST(PlatformChoice, RunsOnXWaylandUnlessTheUserChose)
{
    const std::map<std::string, QByteArray> wayland {
        {"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}};
    const std::vector<Case> cases {
        {"Wayland session with XWayland", wayland, {}, "xcb"},
        {"only the session type says Wayland", {{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":0"}}, {}, "xcb"},
        {"only the Wayland socket is given", {{"WAYLAND_DISPLAY", "wayland-1"}, {"DISPLAY", ":1"}}, {}, "xcb"},
        {"Wayland session without XWayland", {{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_SESSION_TYPE", "wayland"}}, {},
            {}},
        {"X11 session", {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, {}, {}},
        {"QT_QPA_PLATFORM chosen", {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}}, {},
            {}},
        {"an empty QT_QPA_PLATFORM chooses nothing",
            {{"QT_QPA_PLATFORM", ""}, {"WAYLAND_DISPLAY", "w"}, {"DISPLAY", ":0"}}, {}, "xcb"},
        {"-platform chosen", wayland, {"-platform", "wayland"}, {}},
        {"--platform chosen after another argument", wayland, {"-reverse", "--platform", "wayland"}, {}},
        {"-platform without a value chooses nothing", wayland, {"-platform"}, "xcb"},
    };
    for (const Case& c : cases) {
        const shoewise::platform::Environment environment = [&](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? QByteArray() : found->second;
        };
        std::vector<const char*> argv {"shoewise"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(
            shoewise::platform::choosePlatform(environment, static_cast<int>(argv.size()), argv.data()).toStdString(),
            c.platform.toStdString())
            << c.what;
    }
}

}  // namespace
