// SPDX-License-Identifier: MIT
#pragma once
// The miniature of a board (a memory or answer slot, or the board itself)
// that the launcher shows under its buttons: one 8 x 8 glyph per cell from
// the glyph strip, colour classes left out.

#include <QImage>

#include "core/cell.h"

namespace gridora::ui {

// The glyph strip: 17 glyphs of 8 x 8 pixels, glyph d at x = 8 d; at
// `scale` 2 or 3 the same glyphs drawn at that scale (8 `scale` pixels).
QImage DigitGlyphs(int scale = 1);

// N x N glyphs of the first N x N cells of `codes` (N = `boardSize`):
// 72 x 72 pixels for 9 x 9. A 16 x 16 board (128 x 128) is scaled down to
// the same 72 x 72, so it fits the launcher under its buttons. With the
// glyphs of a `scale`, the picture has `scale` device pixels per pixel
// (its device pixel ratio), the same 72 x 72 in pixels.
QImage SlotMiniature(const BoardCodes& codes, int boardSize, const QImage& glyphs, int scale = 1);

}  // namespace gridora::ui
