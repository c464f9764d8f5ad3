#pragma once

#include <QAccessible>

class QWidget;

namespace shoewise {

// Presents a widget to assistive tools in the given role instead of the generic one Qt gives a plain
// widget, so that a screen reader reads it out for what it is: the window as a frame with its title,
// a page as a panel with its name, a notification as something to speak. Call it in the widget's
// constructor, before the widget is named: the tools' view of a widget is made once, on first use.
void setAccessibleRole(QWidget& widget, QAccessible::Role role);

}  // namespace shoewise
