// SPDX-License-Identifier: MIT
#pragma once
// Zooming the whole program: every window, menu and dialog is drawn by a
// factor on top of the display's own scale, the way a display with more
// dots per inch draws it. Qt keeps the layout in logical pixels, so the
// twips geometry stays as designed and is multiplied exactly; text, lines
// and the board are drawn at the full resolution of the screen.
//
//   ApplyZoom(200);   // twice the designed size, on top of QT_SCALE_FACTOR

#include <QAction>
#include <QMenu>
#include <array>

namespace gridora::ui {

// The factor the program was started with (QT_SCALE_FACTOR, 1 when unset):
// the zoom multiplies it.
double BaseScaleFactor();

// Draws every window at `percent` per cent. Windows that are already on
// the screen get native windows at the new scale: they are hidden and shown
// again with their top-left corner where it was, moved back onto their
// screen when they would no longer fit. Call it outside of any event
// handler of the windows concerned (the window queues it).
void ApplyZoom(int percent);

// The menu "表示倍率(&Z)" of the tools menu: one checkable item for each
// zoom step, then "拡大" (Ctrl++) and "縮小" (Ctrl+-).
struct ZoomMenu {
  QMenu* menu = nullptr;
  std::array<QAction*, 4> steps{};  // kZoomSteps, in order
  QAction* zoomIn = nullptr;
  QAction* zoomOut = nullptr;
};
ZoomMenu BuildZoomMenu(QMenu& tools);
// Puts the check mark on the step of `percent`.
void UpdateZoomChecks(const ZoomMenu& menu, int percent);

}  // namespace gridora::ui
