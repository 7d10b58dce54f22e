#include "core/color_hex.h"

#include <vector>

#include "core/utf8_chars.h"

namespace gridora {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string ColorToHex(Color color) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (int component : {RedOf(color), GreenOf(color), BlueOf(color)}) {
    text += kDigits[component >> 4];
    text += kDigits[component & 0xF];
  }
  return text;
}

int HexPairValue(std::string_view text, int k) {
  if (k < 1 || k > 3) return 0;
  std::vector<std::string_view> chars = Utf8Chars(text);
  if (chars.size() < 6) chars.insert(chars.begin(), 6 - chars.size(), "0");
  const std::size_t first = chars.size() - 6 + 2 * static_cast<std::size_t>(k - 1);
  // A character of several bytes is never a digit.
  const auto digit = [](std::string_view c) { return c.size() == 1 ? HexDigitValue(c[0]) : -1; };
  const int high = digit(chars[first]);
  if (high < 0) return 0;
  const int low = digit(chars[first + 1]);
  return low < 0 ? high : high * 16 + low;
}

}  // namespace gridora
