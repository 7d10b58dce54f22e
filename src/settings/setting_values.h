#pragma once
// Reading the values of the settings file: the lenient numeric read, the
// strict whole-text conversions, and the Booleans of the oldest files.

#include <optional>
#include <string_view>

namespace gridora {

// The whole of `text` (blanks around it allowed) as a number: a decimal with
// sign, fraction and exponent, or "&H" hexadecimal, or "&O" octal. nullopt
// when anything else is in the text, including an empty text.
std::optional<double> ConvertNumber(std::string_view text);

// "True" or "False" in any letter case, or a number (0 false, any other
// true); nullopt for anything else.
std::optional<bool> ConvertBoolean(std::string_view text);

// A Boolean of a version-1.2 file: the numeric read of `text`, 0 for true
// and anything else for false.
bool OldFileBoolean(std::string_view text);

// A rounded number inside [low, high], or nullopt when `value` is missing
// or outside.
std::optional<int> InRange(std::optional<double> value, int low, int high);

}  // namespace gridora
