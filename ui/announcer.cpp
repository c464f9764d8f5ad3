#include "ui/announcer.h"

#include "ui/accessible_role.h"

namespace shoewise {

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    setAccessibleRole(*this, QAccessible::Notification);
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();  // until there is something to say; shown with its parent, it would say nothing
}

}  // namespace shoewise
