// SPDX-License-Identifier: MIT
#pragma once
// The document named on the command line at start-up.

#include <functional>
#include <string>
#include <vector>

#include "core/app.h"

namespace gridora {

// Opens a document with the program the desktop registers for its type.
using OpenDocumentFunction = std::function<void(const std::string& path)>;

// `args` are the command-line arguments after the program name, already
// split and unquoted. A first argument ending in ".gdr" (any letter case)
// is loaded as a puzzle; a failure shows its message and the empty puzzle
// stays. Any other non-empty first argument goes to `openOther` when one
// is given and is ignored otherwise. Runs before the main window is shown.
void OpenCommandLineDocument(App app, const std::vector<std::string>& args,
                             const OpenDocumentFunction& openOther = {});

}  // namespace gridora
