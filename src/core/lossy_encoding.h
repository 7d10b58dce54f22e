// SPDX-License-Identifier: MIT
#pragma once
// Shift-JIS <-> UTF-8 conversion that never fails: a puzzle file with one
// stray byte in its comment still opens, and a property typed with a
// character that has no Shift-JIS form still saves. Whatever cannot be
// converted becomes "?", as the platform's own ANSI conversion does.

#include <string>
#include <string_view>

namespace gridora {

// Shift-JIS (code page 932) bytes to UTF-8; each byte that does not start a
// valid character becomes "?".
std::string ShiftJisToUtf8Lossy(std::string_view sjis);

// UTF-8 to Shift-JIS; each character without a Shift-JIS form, and each
// byte that is not valid UTF-8, becomes "?".
std::string Utf8ToShiftJisLossy(std::string_view utf8);

}  // namespace gridora
