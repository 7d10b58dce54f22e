#include "core/command_line.h"

#include <algorithm>
#include <cctype>

#include "core/puzzle_file.h"

namespace gridora {

namespace {

bool EndsWithGdr(const std::string& path) {
  constexpr std::string_view kExtension = ".gdr";
  if (path.size() < kExtension.size()) return false;
  return std::equal(
      kExtension.begin(), kExtension.end(),
      path.end() - static_cast<std::ptrdiff_t>(kExtension.size()), path.end(),
      [](char e, char c) { return e == std::tolower(static_cast<unsigned char>(c)); });
}

}  // namespace

void OpenCommandLineDocument(App app, const std::vector<std::string>& args,
                             const OpenDocumentFunction& openOther) {
  if (args.empty() || args.front().empty()) return;
  const std::string& path = args.front();
  // The whole argument is the path: a folder named "x.gdr" on the way to
  // the file is just part of it.
  if (EndsWithGdr(path)) {
    LoadPuzzleFile(app, path);
  } else if (openOther) {
    openOther(path);
  }
}

}  // namespace gridora
