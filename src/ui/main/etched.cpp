// SPDX-License-Identifier: MIT
#include "ui/main/etched.h"

namespace gridora::ui {

void PaintTwipsLine(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& color) {
  // fillRect keeps the line exactly one device pixel wide at any pen setting.
  const int left = Px(x1 < x2 ? x1 : x2);
  const int top = Px(y1 < y2 ? y1 : y2);
  const int right = Px(x1 < x2 ? x2 : x1);
  const int bottom = Px(y1 < y2 ? y2 : y1);
  painter.fillRect(left, top, right - left + 1, bottom - top + 1, color);
}

void PaintEtchedHorizontal(QPainter& painter, int y, int x1, int x2, const QColor& shadow,
                           const QColor& highlight) {
  PaintTwipsLine(painter, x1, y, x2, y, shadow);
  PaintTwipsLine(painter, x1, y + kTwipsPerPixel, x2, y + kTwipsPerPixel, highlight);
}

void PaintEtchedVertical(QPainter& painter, int x, int y1, int y2, const QColor& shadow,
                         const QColor& highlight) {
  PaintTwipsLine(painter, x, y1, x, y2, shadow);
  PaintTwipsLine(painter, x + kTwipsPerPixel, y1, x + kTwipsPerPixel, y2, highlight);
}

}  // namespace gridora::ui
