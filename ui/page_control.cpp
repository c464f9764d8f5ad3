#include "ui/page_control.h"

#include "ui/count_page.h"

#include <QStackedWidget>
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
    // The pages are laid out for a 305-pixel client area inside a 4-pixel frame; this style draws a
    // 2-pixel one, so the page stack takes the other two on each side.
    if (auto* stack = findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly))
        stack->setContentsMargins(2, 0, 2, 0);
}

void PageControl::addPage(CountPage* page)
{
    const auto& caption = page->system().caption;
    addTab(page, QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

CountPage* PageControl::page(int index) const
{
    return qobject_cast<CountPage*>(widget(index));
}

}  // namespace shoewise
