// The start-up of the real window, exactly as app/main.cpp makes it, timed by the same probe as the
// bare window.
#include "app/tform1.h"
#include "bench/startup_probe.h"
#include "ui/fonts.h"

int main(int argc, char* argv[])
{
    const auto atMain = shoewise::bench::Clock::now();
    shoewise::preloadFontConfiguration();
    shoewise::bench::StartupProbe app(argc, argv, shoewise::bench::launchWallFromEnvironment(), atMain);
    shoewise::setUpApplication();
    shoewise::TForm1 form;
    app.watch(form);
    form.show();
    return app.run();
}
