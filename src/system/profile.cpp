// SPDX-License-Identifier: MIT
#include "system/profile.h"

#include "core/encoding.h"
#include "core/lossy_encoding.h"
#include "system/app_paths.h"
#include "system/ini_file.h"

namespace gridora {

void SetIniFile(AppState& state, std::string_view name) {
  const std::string folder = ConfigFolder();
  // No private folder: an empty path reads as a missing file and every
  // write fails quietly, so the defaults hold for the whole run.
  state.IniPath = folder.empty() ? std::string() : ResolveAppPath(folder, name);
}

std::string ProfileValueText(std::string_view sjis) {
  // The value comes out of a character buffer, which ends at its first NUL.
  sjis = sjis.substr(0, sjis.find('\0'));
  return ShiftJisToUtf8Lossy(sjis.substr(0, ShiftJisPrefixLength(sjis, kIniValueMaxBytes)));
}

std::string ReadIniString(const AppState& state, std::string_view section, std::string_view key) {
  const auto ini = IniFile::Load(state.IniPath);
  if (!ini) return {};
  const auto value = ini->Get(Utf8ToShiftJisLossy(section), Utf8ToShiftJisLossy(key));
  return value ? ProfileValueText(*value) : std::string();
}

WriteStatus WriteIniString(const AppState& state, std::string_view section, std::string_view key,
                           std::string_view text) {
  auto ini = IniFile::Load(state.IniPath);
  if (!ini) return std::make_error_code(std::errc::io_error);
  ini->Set(Utf8ToShiftJisLossy(section), Utf8ToShiftJisLossy(key), Utf8ToShiftJisLossy(text));
  return ini->Save(state.IniPath);
}

}  // namespace gridora
