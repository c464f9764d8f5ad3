#pragma once

#include <QStringList>

class QWindow;

// What each platform provides to the start-up. Every platform defines all of it in a file of its own,
// which the build chooses; nothing else in the program knows which platform it runs on.
namespace shoewise::platform {

// Before the application object exists: chooses Qt's platform where the program does, and starts
// anything that can overlap with connecting to the display.
void prepare(int argc, char** argv);

// Once the application object exists, before any window is made.
void setUp();

// Makes the faces of windowFaces() ready to be looked up. Once, after setUp().
void prepareFaces();

// The faces the window may be drawn in, best first; the last is always available once
// prepareFaces() has run.
QStringList windowFaces();

// The window is about to be shown, without taking the focus: it must not be left asking for
// attention instead. Once for each window, before it is first mapped.
void showWithoutAttention(QWindow& window);

}  // namespace shoewise::platform
