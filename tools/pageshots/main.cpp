// Saves a picture of the window with each page selected in turn, for looking at the layout:
//   shoewise_pageshots OUTPUT_DIR [BUTTON...]
// Buttons named after the folder are clicked first, so a page can be shown in a given state.
#include "app/main_window.h"
#include "app/startup.h"
#include "ui/page_control.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabBar>

int main(int argc, char* argv[])
{
    shoewise::Startup startup(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        qWarning("usage: shoewise_pageshots OUTPUT_DIR [BUTTON...]");
        return 2;
    }
    QDir out(args.at(1));
    out.mkpath(QStringLiteral("."));

    shoewise::MainWindow form;
    form.show();
    auto* pages = form.findChild<shoewise::PageControl*>(QStringLiteral("PageControl1"));
    // A page makes its buttons the first time it is shown: open every page before clicking.
    for (int i = pages->count() - 1; i >= 0; --i)
        pages->tabBar()->setCurrentIndex(i);
    for (const QString& name : args.mid(2))
        if (auto* button = form.findChild<QPushButton*>(name))
            button->click();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        form.grab().save(out.filePath(
            QStringLiteral("page%1-%2.png").arg(i + 1, 2, 10, QLatin1Char('0')).arg(pages->widget(i)->objectName())));
    }
    return 0;
}
