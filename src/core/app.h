// SPDX-License-Identifier: MIT
#pragma once
// App: the state and the screen, handed together to every operation.

#include "core/app_state.h"
#include "core/screen_port.h"

namespace gridora {

struct App {
  AppState& state;
  ScreenPort& screen;
};

}  // namespace gridora
