// SPDX-License-Identifier: MIT
#pragma once
// The section "[Tools]" of the settings file: the settings of the added
// tools (core/tool_settings.h). A file without the section reads as the
// defaults, and a file that never had a tool turned on gets no section, so
// the file stays byte for byte what it was without the tools.

#include "core/tool_settings.h"
#include "system/ini_file.h"

namespace gridora {

// The tool settings stored in `ini`; a missing or unreadable value keeps
// the default.
ToolSettings ReadToolsSection(const IniFile& ini);

// Writes every tool setting into `ini` when the file has the section
// already or a setting differs from its default.
void WriteToolsSection(IniFile& ini, const ToolSettings& tools);

}  // namespace gridora
