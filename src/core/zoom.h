// SPDX-License-Identifier: MIT
#pragma once
// The zoom of the window: the whole window and its dialogs drawn larger by
// a factor on top of the display's own scale, in per cent of the designed
// size. 100 is the designed size and the default.
//
//   ZoomStep(100, +1) == 150;   ZoomStep(300, +1) == 300;
//   ZoomStep(100, -1) == 100;   IsZoomStep(120) == false

#include <array>

namespace gridora {

inline constexpr std::array<int, 4> kZoomSteps = {100, 150, 200, 300};
inline constexpr int kDefaultZoom = 100;

constexpr bool IsZoomStep(int percent) {
  for (int step : kZoomSteps)
    if (step == percent) return true;
  return false;
}

// The next step above (`direction` > 0) or below (< 0) `percent`; the
// largest and the smallest step stay where they are. A value between steps
// goes to the nearest step in that direction.
constexpr int ZoomStep(int percent, int direction) {
  if (direction > 0) {
    for (int step : kZoomSteps)
      if (step > percent) return step;
    return kZoomSteps.back();
  }
  for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it)
    if (*it < percent) return *it;
  return kZoomSteps.front();
}

}  // namespace gridora
