#include "app/platform.h"

namespace shoewise {

// Windows itself keeps a topmost window above the others, shows it without activating it and lets it
// place itself: nothing to settle before Qt starts, nothing to report after.
void preparePlatform(int /*argc*/, char** /*argv*/)
{
}

void reportPlatform()
{
}

}  // namespace shoewise
