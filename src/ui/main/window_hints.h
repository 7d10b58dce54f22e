// SPDX-License-Identifier: MIT
#pragma once
// Window manager hints for windows of one fixed size.

class QWidget;

namespace gridora::ui {

// Asks the window manager for a title bar with the system menu, minimise
// (top-level windows only) and close, but no maximise: a window that cannot
// grow offers neither maximise nor full screen. A window manager that
// makes it full screen or maximised anyway sees it return to normal.
void SetFixedSizeHints(QWidget& window);

}  // namespace gridora::ui
