#include "tests/desktop/assistive_client.h"

#include <QWidget>

#include <windows.h>

namespace shoewise::testing {

namespace {

// UiaRootObjectId: mingw-w64's uiautomationcoreapi.h does not compile as C++ (a parameter is named
// `new`).
constexpr LPARAM UiaRoot = -25;

}  // namespace

// Qt's UI Automation bridge comes on with the first request for a window's UI Automation root, as
// sent by a screen reader, Narrator or any other client.
void connectAssistiveClient(QWidget& window)
{
    SendMessageW(reinterpret_cast<HWND>(window.winId()), WM_GETOBJECT, 0, UiaRoot);
}

}  // namespace shoewise::testing
