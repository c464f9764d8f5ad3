#include "app/platform.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* what;
    std::map<std::string, QByteArray> environment;
    std::vector<const char*> args;  // after the program name
    QByteArray platform;
};

TEST(PlatformChoice, RunsOnXWaylandUnlessTheUserChose)
{
    const QByteArray leave;  // Qt's own choice
    const std::map<std::string, QByteArray> gnomeWayland {
        {"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "wayland"}};
    auto with = [&](std::map<std::string, QByteArray> extra) {
        extra.insert(gnomeWayland.begin(), gnomeWayland.end());
        return extra;
    };
    const std::vector<Case> cases {
        {"Wayland session with XWayland", gnomeWayland, {}, "xcb"},
        {"only the session type says Wayland", {{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":0"}}, {}, "xcb"},
        {"only the Wayland socket is given", {{"WAYLAND_DISPLAY", "wayland-1"}, {"DISPLAY", ":1"}}, {}, "xcb"},
        {"Wayland session without XWayland", {{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_SESSION_TYPE", "wayland"}}, {},
            leave},
        {"X11 session", {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, {}, leave},
        {"remote X11 from a text console", {{"DISPLAY", "localhost:10.0"}, {"XDG_SESSION_TYPE", "tty"}}, {}, leave},
        {"nothing at all", {}, {}, leave},
        {"QT_QPA_PLATFORM=wayland", with({{"QT_QPA_PLATFORM", "wayland"}}), {}, leave},
        {"QT_QPA_PLATFORM=offscreen", with({{"QT_QPA_PLATFORM", "offscreen"}}), {}, leave},
        {"an empty QT_QPA_PLATFORM chooses nothing", with({{"QT_QPA_PLATFORM", ""}}), {}, "xcb"},
        {"-platform wayland", gnomeWayland, {"-platform", "wayland"}, leave},
        {"--platform wayland after another argument", gnomeWayland, {"-reverse", "--platform", "wayland"}, leave},
        {"-platform without a value chooses nothing", gnomeWayland, {"-platform"}, "xcb"},
        {"an argument that merely says wayland", gnomeWayland, {"wayland"}, "xcb"},
    };
    for (const Case& c : cases) {
        const shoewise::Environment environment = [&](const char* name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? QByteArray() : found->second;
        };
        std::vector<const char*> argv {"shoewise"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(shoewise::choosePlatform(environment, static_cast<int>(argv.size()), argv.data()).toStdString(),
            c.platform.toStdString())
            << c.what;
    }
}

}  // namespace
