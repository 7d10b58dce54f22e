// SPDX-License-Identifier: MIT
#pragma once
// The edit rules of the settings dialog that are not widget code: the
// hypothesis-limit boxes paired with their scroll bars, and the colour
// boxes with their swatches.

#include <optional>
#include <string>
#include <string_view>

#include "core/cell.h"

namespace gridora {

inline constexpr int kKateiMaxLow = 2;  // smallest hypothesis limit of both boards
inline constexpr int kKateiMax9High = 9;
inline constexpr int kKateiMax16High = 16;
inline constexpr int kChangeSpeedHigh = 8;  // slider positions 0 to 8

// --- A hypothesis-limit box (txtKateiMax) and its scroll bar --------------

// The text the box must take after its scroll bar moved to `value`, or
// nothing when the box already reads as that number.
std::optional<std::string> KateiTextForBar(std::string_view boxText, int value);

// What a change of the box's text means for the pair: the scroll bar takes
// `barValue` (its value when the text read as a number, rounded, lies in
// 2..`barMax`); out of range or unreadable text puts `resetText` (the
// scroll bar's value) back into the box.
struct KateiEdit {
  int barValue;
  std::optional<std::string> resetText;
};
KateiEdit KateiTextChanged(std::string_view boxText, int barValue, int barMax);

// --- A colour box (txtPalette) and its swatch -----------------------------

// A text of seven characters or more is cut to its first six; nothing
// otherwise.
std::optional<std::string> CutPaletteText(std::string_view text);

// The swatch colour of a colour text: the text's leading hexadecimal digits
// (blanks left out; none gives black) as RRGGBB.
Color PaletteSwatchColor(std::string_view text);

// The colour the chooser starts from: the three pairs of HexPairValue.
Color PaletteChooserColor(std::string_view text);

}  // namespace gridora
