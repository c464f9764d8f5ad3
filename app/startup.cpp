#include "app/startup.h"

#include "app/platform.h"
#include "program.h"
#include "ui/fonts.h"
#include "ui/layout_style.h"

namespace shoewise {

void setUpApplication()
{
    platform::setUp();
    // Over the platform's own style, before any widget asks for one: every platform lays the pages
    // out by the same metrics.
    QApplication::setStyle(new LayoutStyle);
    QApplication::setApplicationName(QString::fromUtf8(program::Name));
    QApplication::setApplicationDisplayName(QString::fromUtf8(program::Name));
    QApplication::setApplicationVersion(QString::fromUtf8(program::Version));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(program::AppId));
    platform::prepareFaces();
    useWindowTypeface(platform::windowFaces());
    // Every control stands at fixed pixels, left to right. Painters take the application's direction,
    // so -reverse or a right-to-left language would otherwise mirror the tabs and reorder captions
    // such as "10,J,Q,K,A".
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace shoewise
