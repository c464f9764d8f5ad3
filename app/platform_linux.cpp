#include "app/platform.h"
#include "app/platform_choice_linux.h"
#include "program.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <fontconfig/fontconfig.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <memory>
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

// An X server's reply, which its receiver frees.
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t {XCB_ATOM_NONE};
}

// KWin refuses the focus to a new window whose user time is 0, as Qt gives a window shown without
// activation, and marks it as demanding attention instead unless it is a dock, splash, notification
// or the like (X11Window::manage(), allowWindowActivation()); Plasma's task bar then highlights it
// until it is clicked. The window's own _NET_WM_STATE says so. A client may change its own state
// (EWMH), so the window asks the window manager to take that mark away again, once each time it is
// mapped: the program itself never asks for attention.
class AttentionFilter final : public QObject, public QAbstractNativeEventFilter {
public:
    AttentionFilter(xcb_connection_t* connection, QWindow& window)
        : QObject(&window)
        , connection_(connection)
        , window_(static_cast<xcb_window_t>(window.winId()))
        , state_(atom(connection, "_NET_WM_STATE"))
        , attention_(atom(connection, "_NET_WM_STATE_DEMANDS_ATTENTION"))
    {
        const std::unique_ptr<xcb_query_tree_reply_t, FreeReply> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window_), nullptr));
        if (tree)
            root_ = tree->root;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/) override
    {
        if (eventType != "xcb_generic_event_t" || root_ == XCB_WINDOW_NONE)
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const int type = event->response_type & ~0x80;  // whether a client sent it does not matter
        if (type == XCB_PROPERTY_NOTIFY) {
            const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (armed_ && change->window == window_ && change->atom == state_ && asksAttention()) {
                armed_ = false;
                calm();
            }
        } else if (type == XCB_UNMAP_NOTIFY) {
            if (reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window == window_)
                armed_ = true;
        }
        return false;  // Qt reads the window's state too
    }

private:
    bool asksAttention() const
    {
        const std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply(xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window_, state_, XCB_ATOM_ATOM, 0, 64), nullptr));
        if (!reply || reply->format != 32)
            return false;
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const auto* end = atoms + reply->value_len;  // counted in items of the format's size
        return std::find(atoms, end, attention_) != end;
    }

    void calm() const
    {
        xcb_client_message_event_t request {};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = window_;
        request.type = state_;
        request.data.data32[0] = 0;  // _NET_WM_STATE_REMOVE
        request.data.data32[1] = attention_;
        request.data.data32[3] = 1;  // from an application
        xcb_send_event(connection_, 0, root_, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
            reinterpret_cast<const char*>(&request));
        xcb_flush(connection_);
    }

    xcb_connection_t* connection_;
    xcb_window_t window_;
    xcb_atom_t state_;
    xcb_atom_t attention_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    bool armed_ = true;
};

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

// Only on X11: a Wayland compositor keeps no such mark a client could read or take away.
void showWithoutAttention(QWindow& window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    QCoreApplication::instance()->installNativeEventFilter(new AttentionFilter(x11->connection(), window));
}

}  // namespace shoewise::platform
