#include "app/main_window.h"

#include "app/platform.h"
#include "program.h"

#include "systems/catalogue.h"
#include "ui/accessible_role.h"
#include "ui/auto_size_label.h"
#include "ui/chart/chart_panel.h"
#include "ui/count_page.h"
#include "ui/fonts.h"
#include "ui/page_control.h"
#include "window_icons.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace shoewise {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Flags)
{
    setObjectName(QStringLiteral("Form1"));
    setAccessibleRole(*this, QAccessible::Window);  // a frame, whose title a screen reader reads out
    setWindowTitle(QString::fromUtf8(program::Name));
    QIcon icon;
    for (const icons::Icon& pixels : icons::WindowIcons) {
        icon.addPixmap(QPixmap::fromImage(QImage(pixels.pixels, pixels.size, pixels.size, QImage::Format_RGBA8888)));
    }
    setWindowIcon(icon);
    setFixedSize(ClientSize);
    setFont(windowFont(12));
    // Shown on top of the table software without taking the keyboard away from it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette buttonFace = palette();
    buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
    setPalette(buttonFace);

    pageControl_ = new PageControl(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setGeometry(8, 8, 313, 505);
    for (const systems::SystemDef* system : systems::Catalogue)
        pageControl_->addPage(new CountPage(*system, pageControl_));
    pageControl_->setCurrentIndex(0);

    chart_ = new ChartPanel(this);
    chart_->setObjectName(QStringLiteral("Image1"));
    chart_->move(328, 8);

    footer_ = new AutoSizeLabel(QStringLiteral("%1 Ver.%2  %3")
                                    .arg(QString::fromUtf8(program::Name), QString::fromUtf8(program::Version),
                                        QString::fromUtf8(program::Authors)),
        QRect(248, 520, 423, 21), Qt::AlignLeft, windowFont(21, true), this);
    footer_->setObjectName(QStringLiteral("Label16"));

    centreOnScreen();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!windowHandle())
        return;
    if (!attentionKept_) {
        attentionKept_ = true;
        platform::showWithoutAttention(*windowHandle());
    }
    // The window manager's frame is only known once it has taken the window on; centre again then.
    if (!frameCentred_)
        windowHandle()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        frameCentred_ = true;
        centreOnScreen();
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Full screen, like maximising, would stretch a layout fixed in pixels: back to the normal window.
    if (event->type() == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowFullScreen))
        setWindowState(windowState() & ~Qt::WindowFullScreen);
}

void MainWindow::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The whole window, frame and title bar included, is centred, not just its client area.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QRect outer
        = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size().grownBy(frame), screen->availableGeometry());
    const QPoint client = outer.topLeft() + QPoint(frame.left(), frame.top());
    if (client != geometry().topLeft())
        setGeometry(QRect(client, size()));
}

}  // namespace shoewise
