#include "ui/page_control.h"

#include "ui/count_page.h"

#include <QTabBar>
#include <QToolButton>

namespace shoewise {

PageControl::PageControl(QWidget* parent)
    : QTabWidget(parent)
{
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    setDocumentMode(false);
    tabBar()->setExpanding(false);
    for (Scroll direction : {Scroll::Earlier, Scroll::Later})
        if (QToolButton* arrow = scrollArrow(direction))
            arrow->setFocusPolicy(Qt::NoFocus);
}

QToolButton* PageControl::scrollArrow(Scroll direction) const
{
    // Qt's own names for them: a control given to a tab with setTabButton() is no arrow.
    return tabBar()->findChild<QToolButton*>(
        direction == Scroll::Earlier ? QStringLiteral("ScrollLeftButton") : QStringLiteral("ScrollRightButton"),
        Qt::FindDirectChildrenOnly);
}

void PageControl::addPage(CountPage* page)
{
    addTab(page, QString::fromUtf8(page->system().caption));
}

}  // namespace shoewise
