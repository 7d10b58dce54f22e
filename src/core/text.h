// SPDX-License-Identifier: MIT
#pragma once
// Text forms of numbers, Booleans and colours used in messages, the puzzle
// file and the settings file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gridora {

// Signed decimal text with one leading blank for a non-negative number:
// 9 -> " 9", -3 -> "-3", 0 -> " 0".
std::string NumberText(std::int64_t value);

// The same form for a single-precision value: the fraction is written only
// when the value is not whole (1234 -> " 1234", 7.5 -> " 7.5", -0.25 -> "-.25").
std::string SingleText(float value);

// The number at the start of `text`: blanks anywhere are skipped, "&H"
// starts a hexadecimal and "&O" an octal number, a decimal may carry a sign,
// a fraction and an exponent. Text that does not start with a number reads 0.
double ReadNumber(std::string_view text);

// Whether the number at the start of `text` is other than 0, also when it
// is too large for ReadNumber to hold ("1e999" is not 0, though it reads 0).
bool ReadsAsNonZero(std::string_view text);

// Rounds to the nearest integer, a half going to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Values outside the 64-bit range saturate.
std::int64_t RoundHalfEven(double value);

// ReadNumber rounded half to even.
std::int64_t ReadInteger(std::string_view text);

// Whole-text conversions, stricter than ReadNumber:
// The whole of `text` (blanks around it allowed) as a number: a decimal with
// sign, fraction and exponent, or "&H" hexadecimal, or "&O" octal. nullopt
// when anything else is in the text, including an empty text.
std::optional<double> ConvertNumber(std::string_view text);

// "True" or "False" in any letter case, or a number (0 false, any other
// true, also one too large to hold); nullopt for anything else.
std::optional<bool> ConvertBoolean(std::string_view text);

// "True" or "False".
const char* BoolText(bool value);

// `text` as markup text (HTML, or an XML attribute value): "&", "<", ">" and
// "\"" written as character references; with `breaksToo` also line feed,
// carriage return and tab, which an attribute value would otherwise lose.
std::string EscapeMarkup(std::string_view text, bool breaksToo = false);

}  // namespace gridora
