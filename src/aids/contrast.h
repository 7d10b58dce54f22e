// SPDX-License-Identifier: MIT
#pragma once
// Contrast of two colours as the web's accessibility guidelines measure it,
// and the colours of the high-contrast look of the board.
//
//   ContrastRatio(Rgb(255, 255, 255), Rgb(0, 0, 0))   // 21
//   HighContrastDigit(DigitKind::Solver).color        // yellow
//   HighContrastDigit(DigitKind::Player).underline    // true

#include "aids/cell_speech.h"
#include "core/cell.h"

namespace gridora {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double RelativeLuminance(Color color);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 to 21.
double ContrastRatio(Color a, Color b);

// Enhanced contrast of the guidelines, for text of any size.
inline constexpr double kEnhancedContrast = 7.0;

// How a digit of one kind is drawn in the high-contrast look. The kinds
// differ in colour and in more than colour: the puzzle's digits are white
// and bold, the player's cyan and underlined, the solver's yellow and plain.
struct DigitLook {
  Color color;
  bool bold;
  bool underline;
};
DigitLook HighContrastDigit(DigitKind kind);

// The backgrounds a high-contrast cell can have.
enum class CellGround {
  Plain,        // the board
  Highlighted,  // a cell of the focused digit
  HintFocus,    // a cell a hint is about
  HintSupport,  // a cell that makes a hint work
};
Color HighContrastGround(CellGround ground);

// The other colours of the high-contrast board.
inline constexpr Color kHighContrastLines = Rgb(255, 255, 255);      // box lines and frame
inline constexpr Color kHighContrastFineLines = Rgb(160, 160, 160);  // lines between cells
inline constexpr Color kHighContrastCandidates = Rgb(200, 200, 200);
// The player's colour (play mode): the player's digits and notes.
inline constexpr Color kHighContrastPlayer = Rgb(0, 255, 255);
// The player's notes. The candidates keep their full contrast beside them
// (they are not made fainter, as on the normal board): nothing of the look
// falls under the enhanced contrast.
inline constexpr Color kHighContrastNotes = kHighContrastPlayer;
inline constexpr Color kHighContrastAlert = Rgb(255, 170, 170);  // a repeated digit
inline constexpr Color kHighContrastCaption = Rgb(255, 255, 0);  // headings of the panel

}  // namespace gridora
