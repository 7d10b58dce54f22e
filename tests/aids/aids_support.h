// SPDX-License-Identifier: MIT
#pragma once
// Boards for the aids tests, written row by row as puzzle lines are.

#include <initializer_list>
#include <string>
#include <string_view>

#include "solver/solver_support.h"

namespace gridora::testing {

// The rows given, each filled up with empty cells, then empty rows up to
// `size`: Rows({"53..7", "6..195..."}).
inline BoardCodes Rows(std::initializer_list<std::string_view> rows, int size = 9) {
  std::string line;
  for (const std::string_view row : rows) {
    line += row;
    line.resize(line.size() + static_cast<std::size_t>(size) - row.size(), '.');
  }
  line.resize(static_cast<std::size_t>(size * size), '.');
  return BoardOf(line);
}

// The digits of a mask as the characters of a puzzle line: "124", "9abg".
inline std::string MaskText(unsigned mask) {
  static constexpr char kChars[] = ".123456789abcdefg";
  std::string text;
  for (int d = 1; d <= 16; ++d) {
    if ((mask & (1u << (d - 1))) != 0) text += kChars[d];
  }
  return text;
}

}  // namespace gridora::testing
