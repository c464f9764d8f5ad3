#pragma once

class QAbstractButton;

namespace shoewise {

// Lets Enter press the button while it has the focus, exactly as Space does: both are the keys that
// activate a focused button on the desktop this window's layout comes from.
void pressOnEnter(QAbstractButton& button);

}  // namespace shoewise
