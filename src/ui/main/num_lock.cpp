// SPDX-License-Identifier: MIT
#include "ui/main/num_lock.h"

#include <QGuiApplication>

// Xlib defines macros (Bool, Status, None) that break Qt headers: it comes last.
#include <X11/XKBlib.h>

namespace gridora::ui {

std::optional<bool> NumLockState() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->display()) return std::nullopt;
  Display* display = x11->display();
  const Atom numLock = XInternAtom(display, "Num Lock", False);
  Bool on = False;
  if (!XkbGetNamedIndicator(display, numLock, nullptr, &on, nullptr, nullptr)) return std::nullopt;
  return on == True;
}

}  // namespace gridora::ui
