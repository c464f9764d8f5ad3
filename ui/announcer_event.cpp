#include "ui/announcer.h"

#include <QAccessible>

namespace shoewise {

// From the notification itself: screen readers drop a second event of a kind that comes from an
// application within a moment of the first (Orca 48 within 0.1 s), unless it comes from a
// notification or from the focus. Assertive: a count still being spoken is stale once the next press
// is made, and is cut short for the new one.
void Announcer::announce(const QString& text)
{
    QAccessibleAnnouncementEvent event(this, text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
}

}  // namespace shoewise
