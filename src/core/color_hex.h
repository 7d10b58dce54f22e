// SPDX-License-Identifier: MIT
#pragma once
// The six-digit text form of a colour: "RRGGBB", red first, as the settings
// dialog shows it and the HTML export writes it.

#include <string>
#include <string_view>

#include "core/cell.h"

namespace gridora {

// "RRGGBB" in upper-case hexadecimal, two digits per component; only the low
// 24 bits of `color` count (Rgb(255, 255, 192) -> "FFFFC0").
std::string ColorToHex(Color color);

// Component `k` of a colour text: 1 red, 2 green, 3 blue. The text is padded
// on the left with "0" to six characters and cut to its last six; the pair
// 2k - 1, 2k is read as hexadecimal. A pair that does not start with a
// hexadecimal digit reads 0; one whose second character is not a
// hexadecimal digit reads the first digit's value. Any other `k` reads 0.
int HexPairValue(std::string_view text, int k);

}  // namespace gridora
