// SPDX-License-Identifier: MIT
#include "settings/tools_section.h"

#include <optional>
#include <string>
#include <vector>

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
  ForEachPlaySetting(tools, read);
  if (!IsZoomStep(tools.Zoom)) tools.Zoom = kDefaultZoom;
  return tools;
}

void WriteToolsSection(IniFile& ini, const ToolSettings& tools) {
  bool present = tools != ToolSettings{};
  ToolSettings stored;
  ForEachToolSetting(stored, [&](const char* key, auto&) {
    present = present || ini.Get(kToolsSection, key).has_value();
  });
  if (present) {
    ForEachToolSetting(tools, [&](const char* key, const auto& value) {
      if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, bool>) {
        ini.Set(kToolsSection, key, BoolText(value));
      } else {
        ini.Set(kToolsSection, key, NumberText(value));
      }
    });
  }
  // Play mode's settings one by one, each once it left its default.
  std::vector<bool> defaults;
  ForEachPlaySetting(stored, [&](const char*, const bool& value) { defaults.push_back(value); });
  std::size_t k = 0;
  ForEachPlaySetting(tools, [&](const char* key, const bool& value) {
    if (value != defaults[k++] || ini.Get(kToolsSection, key)) {
      ini.Set(kToolsSection, key, BoolText(value));
    }
  });
}

}  // namespace gridora
