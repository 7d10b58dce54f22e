#pragma once
// Colours as six hexadecimal digits RRGGBB, red first, the way the settings
// dialog shows them and the HTML export writes them.

#include <string>
#include <string_view>

#include "core/cell.h"

namespace gridora {

// The value of a hexadecimal digit in either case, -1 for any other character.
int HexDigitValue(char c);

// "RRGGBB" in upper-case digits; only the low 24 bits of `color` count.
std::string ColorToHex(Color color);

// Component k (1 red, 2 green, 3 blue) of a colour text: the text is padded
// on the left with "0" to six characters and cut to its last six, and the
// k-th pair of characters is read as a hexadecimal number. A pair that does
// not start with a hexadecimal digit is 0; one whose second character is not
// a hexadecimal digit is the value of its first. Characters, not bytes,
// count, so a text with Japanese in it is cut where the user sees it.
int HexPairValue(std::string_view text, int k);

}  // namespace gridora
