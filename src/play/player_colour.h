// SPDX-License-Identifier: MIT
#pragma once
// The colour of the player's digits in play mode: one function, so that a
// look of other colours (high contrast) can choose its own.

#include <array>

#include "core/cell.h"

namespace gridora::play {

// The first of a few blues, purples and browns that stands clearly apart
// from each of the three colour classes' colours `soft` (black, green and
// yellow by default, or the user's own), so the player's digits never look
// like givens or solver digits.
Color PlayerDigitColor(const std::array<Color, 3>& soft);

// The colour of the player's notes: the player's colour, a little lighter
// (notes are small and many).
Color PlayerNoteColor(const std::array<Color, 3>& soft);

}  // namespace gridora::play
