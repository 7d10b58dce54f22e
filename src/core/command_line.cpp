// SPDX-License-Identifier: MIT
#include "core/command_line.h"

#include "core/file_title.h"
#include "core/puzzle_file.h"

namespace gridora {

void OpenCommandLineDocument(App app, const std::vector<std::string>& args,
                             const OpenDocumentFunction& openOther) {
  if (args.empty() || args.front().empty()) return;
  const std::string& path = args.front();
  // The whole argument is the path: a folder named "x.gdr" on the way to
  // the file is just part of it.
  if (HasPuzzleExtension(path)) {
    LoadPuzzleFile(app, path);
  } else if (openOther) {
    openOther(path);
  }
}

}  // namespace gridora
