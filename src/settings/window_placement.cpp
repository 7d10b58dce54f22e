// SPDX-License-Identifier: MIT
#include "settings/window_placement.h"

#include <algorithm>
#include <cmath>

namespace gridora {

namespace {

bool TopEdgeReachable(double left, double top, double width, const TwipsRect& screen) {
  // A window a little above the screen still shows most of its title bar,
  // which is enough to take hold of it.
  const bool rowInside =
      top >= screen.top - kGripTwips / 2 && top + kGripTwips <= screen.top + screen.height;
  const double overlap =
      std::min(left + width, screen.left + screen.width) - std::max(left, screen.left);
  return rowInside && overlap >= std::min(kGripTwips, width);
}

}  // namespace

WindowPosition PlaceMainWindow(double left, double top, double width, double height,
                               const std::vector<TwipsRect>& screens) {
  if (screens.empty()) return {left, top};
  if (std::isfinite(left) && std::isfinite(top)) {
    for (const TwipsRect& screen : screens) {
      if (TopEdgeReachable(left, top, width, screen)) return {left, top};
    }
  }
  const TwipsRect& primary = screens.front();
  return {primary.left + (primary.width - width) / 2, primary.top + (primary.height - height) / 2};
}

}  // namespace gridora
