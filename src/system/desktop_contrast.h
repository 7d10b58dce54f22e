// SPDX-License-Identifier: MIT
#pragma once
// The desktop's high-contrast switch. GNOME (and the desktops that share its
// settings) keep it in GSettings as org.gnome.desktop.a11y.interface
// high-contrast; the accessibility panel of the desktop flips it.
//
//   DesktopContrastWatch watch([](bool on) { ... });   // every change
//   bool on = DesktopHighContrast();

#include <functional>

namespace gridora {

// The switch as the desktop holds it now; false where the desktop's schema
// is not installed.
bool DesktopHighContrast();

// Calls `changed` with the new state whenever the switch changes, while
// the watch lives. The changes arrive through GLib's main loop, which Qt's
// event loop runs on this platform.
class DesktopContrastWatch {
 public:
  explicit DesktopContrastWatch(std::function<void(bool on)> changed);
  ~DesktopContrastWatch();
  DesktopContrastWatch(const DesktopContrastWatch&) = delete;
  DesktopContrastWatch& operator=(const DesktopContrastWatch&) = delete;

 private:
  static void OnChanged(void* settings, const char* key, void* self);
  std::function<void(bool)> changed_;
  void* settings_ = nullptr;  // GSettings*, null without the schema
  unsigned long handler_ = 0;
};

}  // namespace gridora
