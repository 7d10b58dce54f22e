// SPDX-License-Identifier: MIT
#include "settings/config_rules.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

#include "core/color_hex.h"
#include "core/text.h"
#include "core/utf8_chars.h"

namespace gridora {

std::optional<std::string> KateiTextForBar(std::string_view boxText, int value) {
  if (ReadNumber(boxText) == value) return std::nullopt;
  return NumberText(value);
}

KateiEdit KateiTextChanged(std::string_view boxText, int barValue, int barMax) {
  const std::int64_t v = ReadInteger(boxText);
  if (v < kKateiMaxLow || v > barMax) return {barValue, NumberText(barValue)};
  return {static_cast<int>(v), std::nullopt};
}

std::optional<std::string> CutPaletteText(std::string_view text) {
  const auto chars = Utf8Chars(text);
  if (chars.size() < 7) return std::nullopt;
  return std::string(text.substr(0, static_cast<std::size_t>(chars[6].data() - text.data())));
}

Color PaletteSwatchColor(std::string_view text) {
  // The leading hexadecimal digits as one number, blanks left out; the last
  // six digits are RRGGBB (the box holds six characters at most anyway).
  std::string digits;
  for (const char c : text) {
    if (c != ' ' && c != '\t') digits += c;
  }
  digits.resize(std::min(digits.size(), digits.find_first_not_of("0123456789ABCDEFabcdef")));
  if (digits.size() > 6) digits.erase(0, digits.size() - 6);
  std::uint32_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return Rgb(static_cast<int>(value >> 16), static_cast<int>(value >> 8), static_cast<int>(value));
}

Color PaletteChooserColor(std::string_view text) {
  return Rgb(HexPairValue(text, 1), HexPairValue(text, 2), HexPairValue(text, 3));
}

}  // namespace gridora
