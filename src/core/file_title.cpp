// SPDX-License-Identifier: MIT
#include "core/file_title.h"

#include <algorithm>
#include <cctype>

#include "core/app_state.h"

namespace gridora {

std::string FileTitleOf(const std::string& path) {
  if (path == kNoFileName) return path;
  const std::size_t slash = path.find_last_of("/\\");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string upper = name;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  // The first ".gdr" of the name ends the title ("q1.gdr.bak" shows q1).
  const std::size_t ext = upper.find(".GDR");
  if (ext == std::string::npos) return "Error!!";
  return name.substr(0, ext);
}

bool HasPuzzleExtension(std::string_view path) {
  constexpr std::string_view kExtension = ".gdr";
  if (path.size() < kExtension.size()) return false;
  return std::equal(
      kExtension.begin(), kExtension.end(), path.end() - kExtension.size(),
      [](char e, char c) { return e == std::tolower(static_cast<unsigned char>(c)); });
}

}  // namespace gridora
