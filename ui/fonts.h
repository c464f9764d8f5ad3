#pragma once

#include <QFont>
#include <QStringList>

namespace shoewise {

// Makes the first installed of the given faces, best first, the application's font: the family
// every caption is laid out in where it is installed, else a face that stands in for it. Called once
// at start-up, after the application object exists; every font below inherits the family.
void useWindowTypeface(const QStringList& faces);

// The window's typeface at the given character height in pixels. Only the size and weight are set;
// the family comes from the widget the font is given to, and so from the application.
QFont windowFont(int pixels, bool bold = false);

}  // namespace shoewise
