// SPDX-License-Identifier: MIT
#include "ui/main/window_hints.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace gridora::ui {

namespace {

constexpr Qt::WindowStates kGrown = Qt::WindowFullScreen | Qt::WindowMaximized;

// Some window managers offer full screen to every normal window whatever
// its hints say; a window of one fixed size goes back to its normal state.
class KeepNormalState : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowStateChange) {
      auto* window = static_cast<QWidget*>(watched);
      if (window->windowState() & kGrown) {
        // After the change has been handled, not inside it.
        QTimer::singleShot(0, window,
                           [window] { window->setWindowState(window->windowState() & ~kGrown); });
      }
    }
    return false;
  }
};

}  // namespace

void SetFixedSizeHints(QWidget& window) {
  // CustomizeWindowHint makes the window system take exactly the buttons
  // listed; without it every button is offered.
  Qt::WindowFlags flags = (window.windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
  if (window.windowType() == Qt::Window) flags |= Qt::WindowMinimizeButtonHint;
  window.setWindowFlags(flags);
  window.installEventFilter(new KeepNormalState(&window));
}

}  // namespace gridora::ui
