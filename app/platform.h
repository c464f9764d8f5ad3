#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>

// What each platform provides to the start-up. Every platform defines all of it in a file of its own,
// which the build chooses; nothing else in the program knows which platform it runs on.
namespace shoewise::platform {

// Looks up an environment variable; empty when it is unset.
using Environment = std::function<QByteArray(const char* name)>;

// The Qt platform the program asks for in the given environment and with the given arguments, or
// empty to leave Qt's own choice. The user's own choice is always left standing.
QByteArray choosePlatform(const Environment& environment, int argc, const char* const* argv);

// Before the application object exists: applies choosePlatform() to this process and starts anything
// that can overlap with connecting to the display.
void prepare(int argc, char** argv);

// Once the application object exists, before any window is made.
void setUp();

// Makes the faces of windowFaces() ready to be looked up. Once, after setUp().
void prepareFaces();

// The faces the window may be drawn in, best first; the last is always available once
// prepareFaces() has run.
QStringList windowFaces();

}  // namespace shoewise::platform
