#pragma once

#include <QByteArray>

#include <functional>

namespace shoewise {

// Looks up an environment variable; empty when it is unset.
using Environment = std::function<QByteArray(const char* name)>;

// Linux: the platform to ask Qt for, or empty to leave Qt's own choice. A Wayland client can neither keep
// itself above other windows, nor be shown without taking the focus, nor place itself; on a Wayland
// session with XWayland the window therefore runs on X11, unless the user chose a platform.
QByteArray choosePlatform(const Environment& environment, int argc, const char* const* argv);

// Each platform's own steps of the start-up, in a file of its own that the build chooses.

// Before the application object exists. Linux: applies choosePlatform() to this process and begins
// reading the font configuration.
void preparePlatform(int argc, char** argv);

// Once the application object exists. Linux: one line on standard error if the window ended up on
// Wayland. Windows: gives push-button captions the room the layout was drawn for, and looks up the
// image plugins.
void setUpPlatform();

}  // namespace shoewise
