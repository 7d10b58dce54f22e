#include "system/launcher.h"

#include "system/app_paths.h"
#include "system/desktop_registry.h"

namespace gridora {

namespace {

constexpr std::string_view kProgramEnds = "/-_|%&~\" \\^$";

// Removes the double quotes around a program path and the backslashes that
// escape characters inside them, as desktop entries write them.
std::string Unquote(std::string_view text) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::string(text);
  text = text.substr(1, text.size() - 2);
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
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

std::string ProgramPartOf(std::string_view command) {
  while (!command.empty() && command.front() == ' ') command.remove_prefix(1);
  const std::string padded = std::string(command) + "  ";
  std::size_t end = 0;
  while ((end = padded.find(' ', end)) != std::string::npos) {
    if (kProgramEnds.find(padded[end + 1]) != std::string_view::npos) break;
    ++end;
  }
  return Unquote(std::string_view(padded).substr(0, end));
}

void OpenWithAssociatedProgram(App app, const std::string& document, ProgramRegistry& registry,
                               ProgramStarter& starter) {
  const std::string path = ResolveAppPath(document);
  std::string extension = DocumentExtension(path);
  std::string command;
  for (;;) {
    const std::string type = registry.TypeOfExtension(extension);
    if (!type.empty()) command = registry.OpenCommandOf(type);
    if (!command.empty() || extension == ".txt") break;
    extension = ".txt";
  }
  if (command.empty()) {
    app.screen.ShowMessage("このファイルを開くことはできませんでした", "ロード失敗",
                           MessageButtons::Ok, MessageIcon::Information);
    return;
  }
  const std::string program = ProgramPartOf(command);
  if (program.empty() || !starter.Start({program, path})) {
    app.screen.ShowMessage(
        "ブラウザが発見できませんでした。\r\nHTML で書かれたヘルプが表示できません。",
        "ヘルプ表示不可能", MessageButtons::Ok, MessageIcon::Information);
  }
}

void OpenWithAssociatedProgram(App app, const std::string& document) {
  DesktopRegistry registry;
  DetachedStarter starter;
  OpenWithAssociatedProgram(app, document, registry, starter);
}

void ShowHelp(App app) {
  OpenWithAssociatedProgram(app, HelpFilePath());
  app.screen.Yield();
}

}  // namespace gridora
