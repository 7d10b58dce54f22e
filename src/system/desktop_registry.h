#pragma once
// The desktop's own records of document types and programs, read through
// GIO: the shared MIME database for the type of a file name, the default
// applications (mimeapps.list and the desktop entries) for the program of
// a type. Programs are started with GLib, without a shell.

#include "system/launcher.h"

namespace gridora {

class DesktopRegistry : public ProgramRegistry {
 public:
  std::string TypeOfExtension(const std::string& extension) override;
  // The Exec line of the type's default application.
  std::string OpenCommandOf(const std::string& type) override;
};

class DetachedStarter : public ProgramStarter {
 public:
  // The program runs on its own: it is not waited for and leaves no zombie.
  bool Start(const std::vector<std::string>& argv) override;
};

}  // namespace gridora
