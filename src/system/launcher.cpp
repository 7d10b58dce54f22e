// SPDX-License-Identifier: MIT
#include "system/launcher.h"

#include "system/app_paths.h"
#include "system/desktop_registry.h"

namespace gridora {

namespace {

void ShowCannotStart(App app) {
  app.screen.ShowMessage(
      "ブラウザが発見できませんでした。\r\nHTML で書かれたヘルプが表示できません。",
      "ヘルプ表示不可能", MessageButtons::Ok, MessageIcon::Information);
}

}  // namespace

std::string DocumentExtension(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return ".txt";
  // Words after a blank ("song.mp3 (copy)") are not part of the extension.
  const std::string_view extension = name.substr(dot);
  return std::string(extension.substr(0, extension.find(' ')));
}

void OpenWithAssociatedProgram(App app, const std::string& document, ProgramRegistry& registry) {
  const std::string path = ResolveAppPath(document);
  const std::string extension = DocumentExtension(path);
  std::string type = registry.TypeOfExtension(extension);
  if (type.empty() && extension != ".txt") type = registry.TypeOfExtension(".txt");
  if (type.empty()) {
    app.screen.ShowMessage("このファイルを開くことはできませんでした", "ロード失敗",
                           MessageButtons::Ok, MessageIcon::Information);
    return;
  }
  // A type without a program is not sent on to the text program: nothing
  // was registered to open this document.
  const std::optional<DesktopProgram> program = registry.DefaultProgramOf(type);
  if (!program || !registry.Open(*program, path)) ShowCannotStart(app);
}

void OpenWithAssociatedProgram(App app, const std::string& document) {
  DesktopRegistry registry;
  OpenWithAssociatedProgram(app, document, registry);
}

void ShowHelp(App app, ProgramRegistry& registry, const std::string& page) {
  bool started = false;
  // An editor that is the default for HTML is no help viewer, and one that
  // needs a terminal cannot show a page at all.
  for (const char* type : {"x-scheme-handler/https", "text/html"}) {
    const std::optional<DesktopProgram> program = registry.DefaultProgramOf(type);
    if (program && !program->needsTerminal && registry.Open(*program, page)) {
      started = true;
      break;
    }
  }
  if (!started) ShowCannotStart(app);
  app.screen.Yield();
}

void ShowHelp(App app) {
  DesktopRegistry registry;
  ShowHelp(app, registry, HelpFilePath());
}

}  // namespace gridora
