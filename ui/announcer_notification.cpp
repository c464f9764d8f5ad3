#include "ui/announcer.h"

#include <QAccessible>

namespace shoewise {

void Announcer::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
    if (raiseValueChange_) {
        QAccessibleValueChangeEvent event(parentWidget(), text);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace shoewise
