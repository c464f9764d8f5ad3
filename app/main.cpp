#include "app/platform.h"
#include "app/tform1.h"
#include "ui/fonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    shoewise::applyPlatformChoice(argc, argv);
    shoewise::preloadFontConfiguration();
    QApplication app(argc, argv);
    shoewise::reportWaylandStacking();
    shoewise::setUpApplication();
    shoewise::TForm1 form;
    form.show();
    return QApplication::exec();
}
