#pragma once
// Opening a document with the program the desktop has registered for its
// type, the way the program always has: it finds the program itself and
// starts it with the document, rather than asking a shell to open the file.
//
//   OpenWithAssociatedProgram(app, "/home/u/readme.txt");
//   ShowHelp(app);   // the help document "gridora.html"

#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"

namespace gridora {

// What the desktop knows about document types and the programs that open
// them (see DesktopRegistry in desktop_registry.h).
class ProgramRegistry {
 public:
  virtual ~ProgramRegistry() = default;
  // The type registered for file names ending in `extension` (".txt"), or
  // "" when there is none.
  virtual std::string TypeOfExtension(const std::string& extension) = 0;
  // The command line of the program that opens documents of `type`, or ""
  // when there is none.
  virtual std::string OpenCommandOf(const std::string& type) = 0;
};

// Starts a program without waiting for it.
class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // Starts argv[0] (searched in PATH when it has no "/") with the arguments
  // that follow, no shell in between. False when it could not be started.
  virtual bool Start(const std::vector<std::string>& argv) = 0;
};

// The extension of the document's file name, from its last "." up to the
// next blank (".txt" when the name has none). Dots in folder names do not
// count.
std::string DocumentExtension(std::string_view path);

// The program part of a registered command: the text before the first blank
// that is followed by one of / - _ | % & ~ " blank \ ^ $ (two blanks are
// appended first, so the whole command is the program when no such blank
// is found), with its enclosing double quotes removed.
std::string ProgramPartOf(std::string_view command);

// Starts the program registered for the document's type with the document's
// path (relative names are taken in the application folder) as its one
// argument. An unregistered type falls back to the program for ".txt";
// when even that is missing, or the program cannot be started, the user
// is told in a message box.
void OpenWithAssociatedProgram(App app, const std::string& document);
// The same with the given registry and starter.
void OpenWithAssociatedProgram(App app, const std::string& document, ProgramRegistry& registry,
                               ProgramStarter& starter);

// Opens the help document (HelpFilePath()) and lets pending events run.
void ShowHelp(App app);

}  // namespace gridora
