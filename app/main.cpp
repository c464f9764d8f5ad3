#include "app/tform1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    shoewise::setUpApplication();
    shoewise::TForm1 form;
    form.show();
    return QApplication::exec();
}
