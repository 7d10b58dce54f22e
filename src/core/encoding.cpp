// SPDX-License-Identifier: MIT
#include "core/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace gridora {

namespace {

std::optional<std::string> Convert(const char* to, const char* from, std::string_view input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string output;
  char buffer[1024];
  char* in = const_cast<char*>(input.data());  // iconv does not write the input
  std::size_t inLeft = input.size();
  bool ok = true;
  while (ok && inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer, static_cast<std::size_t>(out - buffer));
    // E2BIG only means the buffer is full: go round again.
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) ok = false;
  }
  if (ok) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    ok = iconv(cd, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
    output.append(buffer, static_cast<std::size_t>(out - buffer));
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return output;
}

bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace

std::optional<std::string> Utf8ToShiftJis(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> ShiftJisToUtf8(std::string_view sjis) {
  return Convert("UTF-8", "CP932", sjis);
}

std::size_t ShiftJisPrefixLength(std::string_view sjis, std::size_t maxBytes) {
  std::size_t pos = 0;
  while (pos < sjis.size()) {
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(sjis[pos])) ? 2 : 1;
    if (pos + width > maxBytes) break;
    pos += width;
  }
  return std::min(pos, sjis.size());
}

}  // namespace gridora
