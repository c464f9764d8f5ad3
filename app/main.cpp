#include "app/main_window.h"
#include "app/startup.h"

int main(int argc, char* argv[])
{
    shoewise::Startup startup(argc, argv);
    shoewise::MainWindow window;
    window.show();
    return QApplication::exec();
}
