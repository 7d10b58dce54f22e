#include "ui/main/window_hints.h"

#include <QWidget>

namespace gridora::ui {

void SetFixedSizeHints(QWidget& window) {
  // CustomizeWindowHint makes the window system take exactly the buttons
  // listed; without it every button is offered.
  Qt::WindowFlags flags = (window.windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
  if (window.windowType() == Qt::Window) flags |= Qt::WindowMinimizeButtonHint;
  window.setWindowFlags(flags);
}

}  // namespace gridora::ui
