#pragma once
// Where the program's files are: the folder of the executable for what ships
// with it (game template, help), the user's configuration folder for the
// settings file.

#include <string>
#include <string_view>

namespace gridora {

// The folder of the running executable, without a final "/"  ("/" itself for
// the root). Falls back to the current folder when it cannot be found.
const std::string& ApplicationFolder();

// The full path of the running executable ("" when it cannot be found),
// also after its file was replaced while it runs.
std::string ExecutablePath();
// `link` (the target of /proc/self/exe) without the " (deleted)" the
// kernel adds once the file is gone, unless a file of that name exists.
std::string WithoutDeletedMark(std::string link);

// `name` unchanged when it is an absolute path; otherwise `folder`, a "/"
// unless the folder already ends with one, and `name`.
std::string ResolveAppPath(std::string_view folder, std::string_view name);
// The same in the application folder.
std::string ResolveAppPath(std::string_view name);

// The program's configuration folder: "gridora" in $XDG_CONFIG_HOME, or in
// "$HOME/.config" when that variable is unset, empty or not absolute. Null
// arguments stand for unset variables. "" when neither gives an absolute
// folder: then the program keeps no settings file.
std::string ConfigFolderFor(const char* xdgConfigHome, const char* home);
// The same for the process's environment.
std::string ConfigFolder();

// The help document "gridora.html": next to the executable, or in
// "../share/gridora" from it as an installed program has it. When neither
// exists, the path next to the executable.
std::string HelpFilePath();

}  // namespace gridora
