// SPDX-License-Identifier: MIT
#pragma once
// The profile functions behind the settings file: SetIniFile names the file,
// ReadIniString and WriteIniString read and write one value of it. Text is
// UTF-8 here and Shift-JIS in the file.

#include <string>
#include <string_view>

#include "core/app_state.h"
#include "core/file_io.h"

namespace gridora {

// The longest value ReadIniString returns, in Shift-JIS bytes.
inline constexpr std::size_t kIniValueMaxBytes = 199;

// IniPath := `name` in the user's configuration folder (ConfigFolder()), or
// `name` itself when it is an absolute path. The folder is created by the
// first write.
void SetIniFile(AppState& state, std::string_view name);

// The value of `key` in `section` of the file IniPath: at most 199 bytes of
// Shift-JIS, never ending inside a double-byte character, and ending at a
// NUL byte. "" for a missing file, section or key; a byte that is not
// Shift-JIS reads as "?".
std::string ReadIniString(const AppState& state, std::string_view section, std::string_view key);

// Writes the value of `key` in `section` of the file IniPath, creating the
// file when it is missing. A character with no Shift-JIS form is written as
// "?". False, with the cause, when the file could not be written.
WriteStatus WriteIniString(const AppState& state, std::string_view section, std::string_view key,
                           std::string_view text);

// The UTF-8 form of a value read from the file: cut at its first NUL and to
// 199 bytes at a character boundary first; a byte that is not Shift-JIS
// becomes "?".
std::string ProfileValueText(std::string_view sjis);

}  // namespace gridora
