// SPDX-License-Identifier: MIT
#pragma once
// Where the program's files are: the application folder for what ships with
// it (help, game template), the user's configuration folder for the settings
// file.

#include <string>
#include <string_view>

namespace gridora {

// The application folder, where the files that ship with the program are
// found, without a final "/" ("/" itself for the root):
// ApplicationFolderFor(the running executable's folder, its data folder).
// Falls back to the current folder when the executable cannot be found.
const std::string& ApplicationFolder();

// An installed program keeps its files apart from itself: `dataFromBin`
// ("../share/gridora", set by the build from the install folders) taken
// from `executableFolder` names that folder, and when it exists it is the
// application folder (normalised). A build tree has no such folder: there
// the files lie beside the executable and `executableFolder` is the
// application folder.
std::string ApplicationFolderFor(const std::string& executableFolder, std::string_view dataFromBin);

// True when the running program is an installed one: its application folder
// is the data folder beside its own folder, not its own folder. The system
// then carries the program's desktop entry and MIME type.
bool RunsInstalled();

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

// The program's cache folder: "gridora" in $XDG_CACHE_HOME, or in
// "$HOME/.cache" when that variable is unset, empty or not absolute; ""
// when neither gives an absolute folder.
std::string CacheFolderFor(const char* xdgCacheHome, const char* home);
// The same for the process's environment.
std::string CacheFolder();

// The help document "gridora.html" in the application folder.
std::string HelpFilePath();

}  // namespace gridora
