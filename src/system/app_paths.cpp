// SPDX-License-Identifier: MIT
#include "system/app_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace gridora {

namespace fs = std::filesystem;

std::string WithoutDeletedMark(std::string link) {
  // The kernel marks the link of a program file that was removed or
  // replaced while it runs; a rebuild or an upgrade put a new file there.
  constexpr std::string_view kMark = " (deleted)";
  std::error_code error;
  if (link.ends_with(kMark) && !fs::exists(link, error)) link.resize(link.size() - kMark.size());
  return link;
}

std::string ExecutablePath() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  return error ? std::string() : WithoutDeletedMark(exe.string());
}

std::string ApplicationFolderFor(const std::string& executableFolder,
                                 std::string_view dataFromBin) {
  std::error_code error;
  const fs::path data = (fs::path(executableFolder) / dataFromBin).lexically_normal();
  if (dataFromBin.empty() || !fs::is_directory(data, error)) return executableFolder;
  std::string folder = data.string();
  if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

const std::string& ApplicationFolder() {
  // The executable does not move while the program runs.
  static const std::string folder = [] {
    const fs::path exe = ExecutablePath();
    if (!exe.empty() && exe.has_parent_path()) {
      return ApplicationFolderFor(exe.parent_path().string(), GRIDORA_DATA_FROM_BIN);
    }
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string(".") : current.string();
  }();
  return folder;
}

bool RunsInstalled() {
  const fs::path exe = ExecutablePath();
  return !exe.empty() && exe.has_parent_path() && ApplicationFolder() != exe.parent_path().string();
}

std::string ResolveAppPath(std::string_view folder, std::string_view name) {
  if (!name.empty() && name.front() == '/') return std::string(name);
  std::string path(folder);
  if (path.empty() || path.back() != '/') path += '/';
  return path + std::string(name);
}

std::string ResolveAppPath(std::string_view name) {
  return ResolveAppPath(ApplicationFolder(), name);
}

namespace {

// "gridora" in the folder an XDG variable names, or in `fallback` (such as
// ".config") under the home folder.
std::string XdgFolderFor(const char* xdgValue, const char* home, std::string_view fallback) {
  // Relative values of the XDG variables are invalid and must be ignored.
  if (xdgValue != nullptr && xdgValue[0] == '/') return ResolveAppPath(xdgValue, "gridora");
  // Without a home there is no private place: a shared folder such as /tmp
  // would let another user plant a link that our next save writes through.
  if (home == nullptr || home[0] != '/') return "";
  return ResolveAppPath(ResolveAppPath(home, fallback), "gridora");
}

const char* HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] != '/') {
    // No usable HOME (a service, a stripped environment): the account's own.
    const passwd* account = ::getpwuid(::getuid());
    if (account != nullptr) home = account->pw_dir;
  }
  return home;
}

}  // namespace

std::string ConfigFolderFor(const char* xdgConfigHome, const char* home) {
  return XdgFolderFor(xdgConfigHome, home, ".config");
}

std::string ConfigFolder() {
  return ConfigFolderFor(std::getenv("XDG_CONFIG_HOME"), HomeFolder());
}

std::string CacheFolderFor(const char* xdgCacheHome, const char* home) {
  return XdgFolderFor(xdgCacheHome, home, ".cache");
}

std::string CacheFolder() {
  return CacheFolderFor(std::getenv("XDG_CACHE_HOME"), HomeFolder());
}

std::string HelpFilePath() {
  return ResolveAppPath("gridora.html");
}

}  // namespace gridora
