// SPDX-License-Identifier: MIT
#pragma once
// The desktop's own records of document types and programs, read through
// GIO: the shared MIME database for the type of a file name, the default
// applications (mimeapps.list and the desktop entries) for the program of
// a type. GIO starts those programs from their desktop entries.

#include <string>
#include <vector>

#include "system/launcher.h"

namespace gridora {

class DesktopRegistry : public ProgramRegistry {
 public:
  std::string TypeOfExtension(const std::string& extension) override;
  std::optional<DesktopProgram> DefaultProgramOf(const std::string& type) override;
  // GIO expands the entry's Exec line with the document's URI (as a path
  // for %f) and provides a terminal when the entry asks for one.
  bool Open(const DesktopProgram& program, const std::string& path) override;
};

// Starts a program without waiting for it.
class DetachedStarter {
 public:
  // Starts argv[0] (searched in PATH when it has no "/") with the arguments
  // that follow, no shell in between. False when it could not be started.
  // The program runs on its own: it is not waited for and leaves no zombie.
  bool Start(const std::vector<std::string>& argv);
};

}  // namespace gridora
