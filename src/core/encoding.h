// SPDX-License-Identifier: MIT
#pragma once
// Conversion between the UTF-8 text held in memory and the Shift-JIS (code
// page 932) bytes of the files on disk, through iconv.

#include <optional>
#include <string>
#include <string_view>

namespace gridora {

// UTF-8 to Shift-JIS; nullopt when the text holds a character that has no
// Shift-JIS form or is not valid UTF-8.
std::optional<std::string> Utf8ToShiftJis(std::string_view utf8);

// Shift-JIS to UTF-8; nullopt for bytes that are not valid Shift-JIS.
std::optional<std::string> ShiftJisToUtf8(std::string_view sjis);

// Length of the longest prefix of the Shift-JIS text `sjis` that is at most
// `maxBytes` long and does not end inside a two-byte character.
std::size_t ShiftJisPrefixLength(std::string_view sjis, std::size_t maxBytes);

}  // namespace gridora
