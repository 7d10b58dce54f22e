// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace gridora {

// The name shown for a puzzle file: the last path component without its
// ".gdr" (any letter case); "(未定)" stays "(未定)"; a name without ".gdr"
// gives "Error!!".
std::string FileTitleOf(const std::string& path);

// True when `path` ends in ".gdr" in any letter case: a puzzle file.
bool HasPuzzleExtension(std::string_view path);

}  // namespace gridora
