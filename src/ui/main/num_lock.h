// SPDX-License-Identifier: MIT
#pragma once
// The Num Lock state, where the windowing system tells it.

#include <optional>

namespace gridora::ui {

// True or false on an X11 display; nullopt where the platform gives no way
// to ask (Wayland, offscreen).
std::optional<bool> NumLockState();

}  // namespace gridora::ui
