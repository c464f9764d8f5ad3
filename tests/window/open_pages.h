#pragma once

#include "app/main_window.h"
#include "ui/count_page.h"
#include "ui/page_control.h"

#include <QTabBar>

namespace shoewise::testing {

// The window's page control and the page of a slot (1-based), found as any control is: by name.
inline PageControl* pageControl(const QWidget& form)
{
    return form.findChild<PageControl*>(QStringLiteral("PageControl1"));
}
inline CountPage* pageOfSlot(const QWidget& form, int slot)
{
    return qobject_cast<CountPage*>(pageControl(form)->widget(slot - 1));
}

// Opens every page by its tab, as a user would, last to first so the first page ends up on show. A
// page makes its controls only the first time it is shown, so whatever looks them up opens it first.
inline void openEveryPage(MainWindow& form)
{
    QTabBar* tabs = pageControl(form)->tabBar();
    for (int index = tabs->count() - 1; index >= 0; --index)
        tabs->setCurrentIndex(index);
}

}  // namespace shoewise::testing
