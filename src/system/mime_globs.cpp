// SPDX-License-Identifier: MIT
#include "system/mime_globs.h"

#include <fnmatch.h>

#include <optional>
#include <set>
#include <sstream>

#include "core/file_io.h"

namespace gridora {

// The system's glob list runs to a few hundred kilobytes.
constexpr std::size_t kMaxGlobsFileBytes = 64u << 20;

namespace {

struct GlobLine {
  std::string type;
  std::string glob;
  bool caseSensitive = false;
};

// "weight:type:glob[:flags[:...]]"; nullopt for comments and broken lines.
std::optional<GlobLine> ParseGlobLine(const std::string& line) {
  if (line.empty() || line.front() == '#') return std::nullopt;
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ':');) fields.push_back(field);
  if (fields.size() < 3) return std::nullopt;
  GlobLine glob{fields[1], fields[2], false};
  if (fields.size() > 3) glob.caseSensitive = fields[3].find("cs") != std::string::npos;
  return glob;
}

}  // namespace

bool MimeGlobMatches(const std::vector<std::string>& mimeFolders, const std::string& fileName) {
  std::set<std::string> withoutGlobs;  // marked __NOGLOBS__ in an earlier folder
  for (const std::string& folder : mimeFolders) {
    const FileBytes globs = ReadWholeFile(folder + "/globs2", kMaxGlobsFileBytes);
    if (globs.status != ReadStatus::Ok) continue;
    const std::string& text = globs.bytes;
    std::set<std::string> markedHere;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
      const auto glob = ParseGlobLine(line);
      if (!glob) continue;
      if (glob->glob == "__NOGLOBS__") {
        markedHere.insert(glob->type);
        continue;
      }
      if (withoutGlobs.count(glob->type) != 0) continue;
      const int flags = glob->caseSensitive ? 0 : FNM_CASEFOLD;
      if (fnmatch(glob->glob.c_str(), fileName.c_str(), flags) == 0) return true;
    }
    withoutGlobs.insert(markedHere.begin(), markedHere.end());
  }
  return false;
}

}  // namespace gridora
