#include "ui/page_control.h"

#include "ui/count_page.h"

#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>

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

    // The pages are laid out for a 4-pixel frame on each side; the page stack makes up whatever the
    // style's own frame leaves of it, on each side by itself, as some styles' frames are uneven.
    constexpr int pageFrame = 4;
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    const QRect pane = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
    const QRect contents = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this);
    const int left = std::max(0, pageFrame - (contents.left() - pane.left()));
    const int right = std::max(0, pageFrame - (pane.right() - contents.right()));
    if (auto* stack = findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly))
        stack->setContentsMargins(left, 0, right, 0);
}

void PageControl::addPage(CountPage* page)
{
    addTab(page, QString::fromUtf8(page->system().caption));
}

}  // namespace shoewise
