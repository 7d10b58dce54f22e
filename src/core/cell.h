// SPDX-License-Identifier: MIT
#pragma once
// Cell codes, board indexes and colours shared by every part of the program.

#include <array>
#include <cstdint>

namespace gridora {

// A cell code is digit + 128 x colour class. Digit 0 is an empty cell.
using CellCode = std::uint16_t;

inline constexpr int kMaxCells = 256;     // 16 x 16, the largest board
inline constexpr int kMaxDigit = 16;      // the largest digit of any board
inline constexpr int kClassStep = 128;    // code distance between colour classes
inline constexpr int kColourClasses = 3;  // black, green, yellow

// Colour classes of a cell code.
inline constexpr int kClassBlack = 0;   // entered by the user or read from a file
inline constexpr int kClassGreen = 1;   // placed by the solver
inline constexpr int kClassYellow = 2;  // solver digit that differs between solutions

using BoardCodes = std::array<CellCode, kMaxCells>;

constexpr int DigitOf(int code) {
  return code % kClassStep;
}
constexpr int ClassOf(int code) {
  return code / kClassStep;
}
constexpr CellCode MakeCode(int digit, int colourClass) {
  return static_cast<CellCode>(digit + kClassStep * colourClass);
}

// True for the codes the model may hold: digit 0 to 16 in class 0 to 2.
constexpr bool IsValidCode(int code) {
  return code >= 0 && DigitOf(code) <= kMaxDigit && ClassOf(code) < kColourClasses;
}

// Box side of a board: 3 for 9 x 9, 4 for 16 x 16.
constexpr int BoxSideOf(int boardSize) {
  return boardSize == 16 ? 4 : 3;
}

// A colour is R + 256 x G + 65536 x B, each component 0 to 255.
using Color = std::uint32_t;

constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
}
constexpr int RedOf(Color c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Color c) {
  return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int BlueOf(Color c) {
  return static_cast<int>(c >> 16 & 0xFF);
}

}  // namespace gridora
