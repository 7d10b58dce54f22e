// SPDX-License-Identifier: MIT
#include "settings/tools_section.h"

#include <map>
#include <optional>
#include <string>

#include "core/text.h"

namespace gridora {

ToolSettings ReadToolsSection(const IniFile& ini) {
  ToolSettings tools;
  const auto read = [&](const char* key, auto& value) {
    const std::optional<std::string> text = ini.Get(kToolsSection, key);
    if (!text) return;
    if constexpr (std::is_same_v<std::remove_reference_t<decltype(value)>, bool>) {
      value = ConvertBoolean(*text).value_or(value);
    } else {
      value = static_cast<int>(ReadInteger(*text));
    }
  };
  ForEachToolSetting(tools, read);
  ForEachSparseToolSetting(tools, read);
  if (!IsZoomStep(tools.Zoom)) tools.Zoom = kDefaultZoom;
  return tools;
}

void WriteToolsSection(IniFile& ini, const ToolSettings& tools) {
  bool present = tools != ToolSettings{};
  ToolSettings stored;
  ForEachToolSetting(stored, [&](const char* key, auto&) {
    present = present || ini.Get(kToolsSection, key).has_value();
  });
  if (!present) return;
  const auto write = [&](const char* key, const auto& value) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, bool>) {
      ini.Set(kToolsSection, key, BoolText(value));
    } else {
      ini.Set(kToolsSection, key, NumberText(value));
    }
  };
  ForEachToolSetting(tools, write);
  ToolSettings defaults;
  std::map<std::string, int> initial;
  ForEachSparseToolSetting(
      defaults, [&](const char* key, auto& value) { initial[key] = static_cast<int>(value); });
  ForEachSparseToolSetting(tools, [&](const char* key, const auto& value) {
    if (static_cast<int>(value) != initial[key] || ini.Get(kToolsSection, key).has_value())
      write(key, value);
  });
}

}  // namespace gridora
