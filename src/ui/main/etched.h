// SPDX-License-Identifier: MIT
#pragma once
// Etched separator lines: a one-pixel line in the shadow colour with a
// one-pixel line in the highlight colour next to it, so the pair looks cut
// into the surface. Coordinates are in twips and converted here.

#include <QColor>
#include <QPainter>

#include "ui/main/board_geometry.h"

namespace gridora::ui {

// Paints one line of a pair, from (x1, y1) to (x2, y2) in twips, one pixel wide.
void PaintTwipsLine(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& color);

// A horizontal pair: shadow line at y, highlight line 15 twips below.
void PaintEtchedHorizontal(QPainter& painter, int y, int x1, int x2, const QColor& shadow,
                           const QColor& highlight);
// A vertical pair: shadow line at x, highlight line 15 twips to the right.
void PaintEtchedVertical(QPainter& painter, int x, int y1, int y2, const QColor& shadow,
                         const QColor& highlight);

}  // namespace gridora::ui
