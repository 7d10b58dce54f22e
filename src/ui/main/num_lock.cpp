#include "ui/main/num_lock.h"

#include <X11/XKBlib.h>
#include <QGuiApplication>

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
