#pragma once

#include <QFont>
#include <QStringList>

namespace shoewise {

// Linux: reads the system's font configuration on a second thread. Called first thing in main, before
// the application object, so that the reading overlaps with connecting to the display.
// useWindowTypeface() waits for it: Qt's first font look-up would otherwise read it all over again.
void preloadFontConfiguration();

// The faces the window may be drawn in, best first, once the platform has them ready: on Linux once
// the configuration is read, on Windows once the face shipped with the program is registered.
// Each platform has its own, in a file the build chooses.
QStringList windowFaces();

// Makes the window's typeface the application's font: the family every caption is laid out in where
// it is installed, else the proportional Japanese gothic face that stands in for it on Linux. Called
// once at start-up, after the application object exists; every font below inherits the family.
void useWindowTypeface();

// The window's typeface at the given character height in pixels. Only the size and weight are set;
// the family comes from the widget the font is given to, and so from the application.
QFont windowFont(int pixels, bool bold = false);

}  // namespace shoewise
