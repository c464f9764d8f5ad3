// The start-up of the real window, exactly as app/main.cpp makes it, timed by the same probe as the
// bare window.
#include "app/main_window.h"
#include "app/startup.h"
#include "bench/startup_probe.h"

int main(int argc, char* argv[])
{
    const auto atMain = shoewise::bench::Clock::now();
    shoewise::Startup<shoewise::bench::StartupProbe> startup(
        argc, argv, shoewise::bench::launchWallFromEnvironment(), atMain);
    shoewise::MainWindow form;
    startup.application().watch(form);
    form.show();
    return startup.application().run();
}
