// SPDX-License-Identifier: MIT
#pragma once
// Where the main window goes when it is asked to sit at a stored position:
// a settings file carried from another display can hold a position that no
// screen of this one shows.

#include <vector>

namespace gridora {

// A rectangle in twips.
struct TwipsRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

struct WindowPosition {
  double left = 0;
  double top = 0;
};

// How much of the window's top edge must lie on a screen so that the user
// can still take hold of it: 40 pixels.
inline constexpr double kGripTwips = 600;

// (left, top) when a window of `width` x `height` placed there has its
// title bar on one of `screens`: its top edge at most half of kGripTwips
// above the screen and kGripTwips above its bottom, with at least
// kGripTwips of it inside (or the whole window, when it is narrower); otherwise the window centred
// on `screens[0]`, the primary screen. With no screens at all, (left, top).
WindowPosition PlaceMainWindow(double left, double top, double width, double height,
                               const std::vector<TwipsRect>& screens);

}  // namespace gridora
