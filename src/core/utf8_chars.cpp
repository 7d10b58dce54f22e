// SPDX-License-Identifier: MIT
#include "core/utf8_chars.h"

namespace gridora {

std::size_t Utf8SequenceLength(std::string_view rest) {
  const auto lead = static_cast<unsigned char>(rest.front());
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  std::size_t n = 1;
  while (n < length && n < rest.size() && (static_cast<unsigned char>(rest[n]) & 0xC0) == 0x80) ++n;
  return n;
}

std::vector<std::string_view> Utf8Chars(std::string_view text) {
  std::vector<std::string_view> chars;
  while (!text.empty()) {
    const std::size_t n = Utf8SequenceLength(text);
    chars.push_back(text.substr(0, n));
    text.remove_prefix(n);
  }
  return chars;
}

}  // namespace gridora
