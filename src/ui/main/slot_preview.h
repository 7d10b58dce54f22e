// SPDX-License-Identifier: MIT
#pragma once
// The miniature of a board (a memory or answer slot, or the board itself)
// that the launcher shows under its buttons: one 8 x 8 glyph per cell from
// the glyph strip, colour classes left out.

#include <QImage>

#include "core/cell.h"

namespace gridora::ui {

// The glyph strip: 17 glyphs of 8 x 8 pixels, glyph d at x = 8 d.
QImage DigitGlyphs();

// N x N glyphs of the first N x N cells of `codes` (N = `boardSize`):
// 72 x 72 pixels for 9 x 9. A 16 x 16 board (128 x 128) is scaled down to
// the same 72 x 72, so it fits the launcher under its buttons.
QImage SlotMiniature(const BoardCodes& codes, int boardSize, const QImage& glyphs);

}  // namespace gridora::ui
