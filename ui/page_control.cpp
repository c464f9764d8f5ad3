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
    // The tab list takes the focus and moves with the arrow keys; its scroll arrows are for the mouse.
    for (auto* arrow : tabBar()->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly))
        arrow->setFocusPolicy(Qt::NoFocus);
}

void PageControl::addPage(CountPage* page)
{
    addTab(page, QString::fromUtf8(page->system().caption));
}

}  // namespace shoewise
