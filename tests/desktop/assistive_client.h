#pragma once

class QWidget;

namespace shoewise::testing {

// Does what an assistive tool's first request to the window does where the platform's accessibility
// bridge waits for one before it comes on. Each platform has its own, in a file the build chooses.
void connectAssistiveClient(QWidget& window);

}  // namespace shoewise::testing
