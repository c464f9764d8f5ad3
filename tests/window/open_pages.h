#pragma once

#include "app/tform1.h"
#include "ui/page_control.h"

#include <QTabBar>

namespace shoewise::testing {

// Opens every page by its tab, as a user would, last to first so the first page ends up on show. A
// page makes its controls only the first time it is shown, so whatever looks them up opens it first.
inline void openEveryPage(TForm1& form)
{
    QTabBar* tabs = form.pageControl()->tabBar();
    for (int index = tabs->count() - 1; index >= 0; --index)
        tabs->setCurrentIndex(index);
}

}  // namespace shoewise::testing
