// A whole session as the program runs it: start, count on a few pages, close the window, leave the
// event loop and end. Under the sanitizer build the leak checker reads the heap at exit, so a widget
// or buffer left behind by start-up, a page or shut-down fails this run.
#include "app/main_window.h"
#include "app/startup.h"
#include "open_pages.h"
#include "ui/page_control.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    shoewise::Startup startup(argc, argv);

    auto* form = new shoewise::MainWindow;
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();

    int clicks = 0;
    QTimer::singleShot(0, form, [form, &clicks] {
        shoewise::testing::openEveryPage(*form);
        for (const char* name : {"Button5", "Button9", "Button38", "Button38", "Button85", "Button83", "Button29",
                 "Button26", "Button80", "Button66"}) {
            auto* button = form->findChild<QPushButton*>(QString::fromLatin1(name));
            if (!button)
                continue;
            shoewise::testing::pageControl(*form)->setCurrentWidget(button->parentWidget());
            QTest::mouseClick(button, Qt::LeftButton);
            ++clicks;
        }
        form->grab();  // paint every part once, the chart included
        form->close();
    });
    const int code = QApplication::exec();
    return code == 0 && clicks == 10 ? 0 : 1;
}
