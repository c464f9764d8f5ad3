#include "ui/announcer.h"

namespace shoewise {

void Announcer::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}

}  // namespace shoewise
