// SPDX-License-Identifier: MIT
#pragma once
// Opening a document with the program the desktop has chosen for its type.
// The program is picked the way this program always has (the type of the
// extension, that type's default application, the text program for a name
// without a type) and started by GIO from its desktop entry, so the Exec
// line is expanded as desktop entries define it and the document is only
// ever an argument.
//
//   OpenWithAssociatedProgram(app, "/home/u/readme.txt");
//   ShowHelp(app);   // the help page "gridora.html" in the web browser

#include <optional>
#include <string>
#include <string_view>

#include "core/app.h"

namespace gridora {

// An application of the desktop, named by its desktop ID.
struct DesktopProgram {
  std::string id;
  // Terminal=true: it needs a terminal around it.
  bool needsTerminal = false;
  bool operator==(const DesktopProgram&) const = default;
};

// What the desktop knows about document types and the programs that open
// them (see DesktopRegistry in desktop_registry.h).
class ProgramRegistry {
 public:
  virtual ~ProgramRegistry() = default;
  // The type registered for file names ending in `extension` (".txt"), or
  // "" when there is none.
  virtual std::string TypeOfExtension(const std::string& extension) = 0;
  // The default application of `type` (a MIME type or a URI scheme handler
  // such as "x-scheme-handler/https"), if there is one.
  virtual std::optional<DesktopProgram> DefaultProgramOf(const std::string& type) = 0;
  // Starts `program` with the document at `path` without waiting for it;
  // false when it could not be started.
  virtual bool Open(const DesktopProgram& program, const std::string& path) = 0;
};

// The extension of the document's file name, from its last "." up to the
// next blank (".txt" when the name has none). Dots in folder names do not
// count.
std::string DocumentExtension(std::string_view path);

// Starts the program chosen for the document's type with the document's
// path (relative names are taken in the application folder). A name whose
// extension has no type falls back to the type of ".txt"; when even that is
// missing the user is told "このファイルを開くことはできませんでした". A type
// without a default application, or a program that cannot be started, gives
// the message "ヘルプ表示不可能".
void OpenWithAssociatedProgram(App app, const std::string& document);
// The same with the given registry.
void OpenWithAssociatedProgram(App app, const std::string& document, ProgramRegistry& registry);

// Opens the help page (HelpFilePath()) in the user's web browser: the
// default handler of https links, else that of HTML pages, leaving out
// programs that need a terminal. With none left, or none that starts, the
// user gets the message "ヘルプ表示不可能". Then lets pending events run.
void ShowHelp(App app);
// The same with the given registry and help page.
void ShowHelp(App app, ProgramRegistry& registry, const std::string& page);

}  // namespace gridora
