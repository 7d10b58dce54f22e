// SPDX-License-Identifier: MIT
#include "core/color_hex.h"

namespace gridora {

namespace {

// The value of a hexadecimal digit in either case, or -1.
int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string ColorToHex(Color color) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const int component : {RedOf(color), GreenOf(color), BlueOf(color)}) {
    text += kDigits[component >> 4];
    text += kDigits[component & 0xF];
  }
  return text;
}

int HexPairValue(std::string_view text, int k) {
  if (k < 1 || k > 3) return 0;
  // Counted in characters, not bytes: every character outside ASCII stands
  // as one "?", which is no hexadecimal digit either.
  std::string chars;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      chars += c;
    } else if (byte >= 0xC0) {
      chars += '?';  // lead byte of a UTF-8 sequence; continuation bytes add nothing
    }
  }
  std::string six(chars.size() < 6 ? 6 - chars.size() : 0, '0');
  six += chars.size() > 6 ? chars.substr(chars.size() - 6) : chars;
  const int high = HexDigitValue(six[2 * k - 2]);
  if (high < 0) return 0;
  const int low = HexDigitValue(six[2 * k - 1]);
  return low < 0 ? high : high * 16 + low;
}

}  // namespace gridora
