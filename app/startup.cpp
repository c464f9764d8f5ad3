#include "app/startup.h"

#include "program.h"
#include "ui/fonts.h"

namespace shoewise {

void setUpApplication()
{
    setUpPlatform();
    QApplication::setApplicationName(QString::fromUtf8(program::Name));
    QApplication::setApplicationDisplayName(QString::fromUtf8(program::Name));
    QApplication::setApplicationVersion(QString::fromUtf8(program::Version));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(program::AppId));
    useWindowTypeface();
    // Every control stands at fixed pixels, left to right. Painters take the application's direction,
    // so -reverse or a right-to-left language would otherwise mirror the tabs and reorder captions
    // such as "10,J,Q,K,A".
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

}  // namespace shoewise
