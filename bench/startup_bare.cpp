// The yardsticks for the start-up of Shoewise, timed by the same probe: a plain window of the same
// size and window flags with nothing in it, or, with --label, with one line of Japanese and Latin text
// in the face Shoewise draws with, which shows what merely starting the font machinery costs.
#include "app/main_window.h"
#include "bench/startup_probe.h"
#include "program.h"

#include <QLabel>

#include <cstring>

int main(int argc, char* argv[])
{
    const auto atMain = shoewise::bench::Clock::now();
    const bool withLabel = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    shoewise::bench::StartupProbe app(argc, argv, shoewise::bench::launchWallFromEnvironment(), atMain);
    QWidget window(nullptr, shoewise::MainWindow::Flags);
    window.setFixedSize(shoewise::MainWindow::ClientSize);
    if (withLabel) {
        auto* label = new QLabel(QStringLiteral("リセット Shoewise"), &window);
        QFont font(QString::fromUtf8(shoewise::program::LinuxFace));
        font.setPixelSize(24);
        label->setFont(font);
        label->move(8, 8);
    }
    app.watch(window);
    window.show();
    return app.run();
}
