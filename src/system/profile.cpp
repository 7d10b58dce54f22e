#include "system/profile.h"

#include <algorithm>

#include "core/encoding.h"
#include "system/app_paths.h"
#include "system/ini_file.h"

namespace gridora {

namespace {

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

void SetIniFile(AppState& state, std::string_view name) {
  state.IniPath = ResolveAppPath(ConfigFolder(), name);
}

std::string ShiftJisOrQuestionMarks(std::string_view text) {
  if (auto whole = Utf8ToShiftJis(text)) return *whole;
  // Rare: go character by character so that only the offending ones are lost.
  std::string sjis;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t width =
        std::min(Utf8Length(static_cast<unsigned char>(text[pos])), text.size() - pos);
    const auto one = Utf8ToShiftJis(text.substr(pos, width));
    sjis += one ? *one : "?";
    pos += width;
  }
  return sjis;
}

std::string ProfileValueText(std::string_view sjis) {
  const auto utf8 = ShiftJisToUtf8(sjis.substr(0, ShiftJisPrefixLength(sjis, kIniValueMaxBytes)));
  return utf8 ? *utf8 : std::string();
}

std::string ReadIniString(const AppState& state, std::string_view section, std::string_view key) {
  const auto ini = IniFile::Load(state.IniPath);
  if (!ini) return {};
  const auto value = ini->Get(ShiftJisOrQuestionMarks(section), ShiftJisOrQuestionMarks(key));
  return value ? ProfileValueText(*value) : std::string();
}

bool WriteIniString(const AppState& state, std::string_view section, std::string_view key,
                    std::string_view text) {
  auto ini = IniFile::Load(state.IniPath);
  if (!ini) return false;
  ini->Set(ShiftJisOrQuestionMarks(section), ShiftJisOrQuestionMarks(key),
           ShiftJisOrQuestionMarks(text));
  return ini->Save(state.IniPath);
}

}  // namespace gridora
