// SPDX-License-Identifier: MIT
#include "core/lossy_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

#include "core/utf8_chars.h"

namespace gridora {

namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Bytes to drop after a conversion error at the start of `rest`.
using SkipLength = std::size_t (*)(std::string_view rest);

std::size_t OneByte(std::string_view) {
  return 1;
}

std::string Convert(const char* to, const char* from, std::string_view input, SkipLength skip) {
  if (IsAscii(input)) return std::string(input);  // both encodings keep ASCII as it is
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    std::string replaced(input);
    for (char& c : replaced) {
      if (static_cast<unsigned char>(c) >= 0x80) c = '?';
    }
    return replaced;
  }
  std::string output;
  char buffer[1024];
  char* in = const_cast<char*>(input.data());  // iconv does not write the input
  std::size_t inLeft = input.size();
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    output.append(buffer, static_cast<std::size_t>(out - buffer));
    if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // EILSEQ (no such character) or EINVAL (cut at the end): replace and go on.
    const std::size_t drop = std::min(inLeft, skip(std::string_view(in, inLeft)));
    output += '?';
    in += drop;
    inLeft -= drop;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  }
  char* out = buffer;
  std::size_t outLeft = sizeof buffer;
  iconv(cd, nullptr, nullptr, &out, &outLeft);
  output.append(buffer, static_cast<std::size_t>(out - buffer));
  iconv_close(cd);
  return output;
}

}  // namespace

std::string ShiftJisToUtf8Lossy(std::string_view sjis) {
  return Convert("UTF-8", "CP932", sjis, OneByte);
}

std::string Utf8ToShiftJisLossy(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8, Utf8SequenceLength);
}

}  // namespace gridora
