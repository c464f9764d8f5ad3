#include "ui/page_control.h"

#include "ui/count_page.h"

#include <QTabBar>

namespace shoewise {

PageControl::PageControl(QWidget* parent)
    : QTabWidget(parent)
{
    setUsesScrollButtons(true);
    setElideMode(Qt::ElideNone);
    setDocumentMode(false);
    tabBar()->setExpanding(false);
}

void PageControl::addPage(CountPage* page)
{
    addTab(page, QString::fromUtf8(page->system().caption));
}

}  // namespace shoewise
