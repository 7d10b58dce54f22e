// SPDX-License-Identifier: MIT
#include "system/file_association.h"

#include <gio/gio.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/file_io.h"
#include "core/log.h"
#include "system/app_paths.h"
#include "system/ini_file.h"
#include "system/mime_globs.h"

namespace gridora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDefaultGroup = "Default Applications";
constexpr const char* kAddedGroup = "Added Associations";

struct KeyFileDeleter {
  void operator()(GKeyFile* file) const { g_key_file_free(file); }
};
using KeyFile = std::unique_ptr<GKeyFile, KeyFileDeleter>;

struct GFreeDeleter {
  void operator()(void* p) const { g_free(p); }
};
using GText = std::unique_ptr<char, GFreeDeleter>;

// GLib's folders are the ones GIO reads, so they are the ones to write.
fs::path MimeFolder() {
  return fs::path(g_get_user_data_dir()) / "mime";
}
fs::path DesktopEntryPath() {
  return fs::path(g_get_user_data_dir()) / "applications" / kDesktopId;
}
fs::path MimeAppsPath() {
  return fs::path(g_get_user_config_dir()) / "mimeapps.list";
}

std::string MimePackage() {
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"") +
         kGdrMimeType + "\">\n    <comment>" + kGdrDescription +
         "</comment>\n    <glob pattern=\"*.gdr\"/>\n  </mime-type>\n</mime-info>\n";
}

}  // namespace

std::string ExecArgument(std::string_view text) {
  // The characters that make an argument need quotes in an Exec line.
  constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#`()";
  std::string plain;
  for (char c : text) {
    plain += c;
    if (c == '%') plain += '%';  // field codes: a literal "%" is doubled
  }
  if (!text.empty() && text.find_first_of(kReserved) == std::string_view::npos) return plain;
  std::string quoted = "\"";
  for (char c : plain) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

namespace {

// Writes a file of the association; a failure leaves that part undone and
// is logged.
void WriteLogged(const std::string& path, std::string_view bytes) {
  if (const WriteStatus written = WriteFileCreatingFolders(path, bytes); !written)
    LogFailure(LogArea::System, "cannot write " + path, written.error());
}

void SaveKeyFile(GKeyFile* file, const fs::path& path) {
  gsize length = 0;
  const GText data(g_key_file_to_data(file, &length, nullptr));
  if (data) WriteLogged(path.string(), std::string_view(data.get(), length));
}

// Rebuilds the user's MIME database from its package files.
void UpdateMimeDatabase() {
  const std::string folder = MimeFolder().string();
  char* argv[] = {const_cast<char*>("update-mime-database"), const_cast<char*>(folder.c_str()),
                  nullptr};
  g_spawn_sync(nullptr, argv, nullptr,
               static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_STDOUT_TO_DEV_NULL |
                                        G_SPAWN_STDERR_TO_DEV_NULL),
               nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}

void WriteDesktopEntry() {
  KeyFile entry(g_key_file_new());
  const char* group = G_KEY_FILE_DESKTOP_GROUP;
  g_key_file_set_string(entry.get(), group, G_KEY_FILE_DESKTOP_KEY_TYPE, "Application");
  g_key_file_set_string(entry.get(), group, G_KEY_FILE_DESKTOP_KEY_NAME, "Gridora");
  g_key_file_set_string(entry.get(), group, G_KEY_FILE_DESKTOP_KEY_COMMENT,
                        "ナンバープレースを自動的に解くソフト");
  g_key_file_set_string(entry.get(), group, G_KEY_FILE_DESKTOP_KEY_EXEC,
                        (ExecArgument(ExecutablePath()) + " %f").c_str());
  g_key_file_set_string(entry.get(), group, G_KEY_FILE_DESKTOP_KEY_MIME_TYPE,
                        (std::string(kGdrMimeType) + ";").c_str());
  g_key_file_set_string(entry.get(), group, G_KEY_FILE_DESKTOP_KEY_CATEGORIES, "Game;LogicGame;");
  g_key_file_set_boolean(entry.get(), group, G_KEY_FILE_DESKTOP_KEY_TERMINAL, FALSE);
  SaveKeyFile(entry.get(), DesktopEntryPath());
}

// The desktop IDs of a list value ("a.desktop;b.desktop;").
std::vector<std::string> IdList(const IniFile& apps, const char* group) {
  std::vector<std::string> ids;
  const std::string value = apps.Get(group, kGdrMimeType).value_or("");
  for (std::size_t start = 0; start < value.size();) {
    std::size_t end = value.find(';', start);
    if (end == std::string::npos) end = value.size();
    if (end > start) ids.push_back(value.substr(start, end - start));
    start = end + 1;
  }
  return ids;
}

std::string IdListText(const std::vector<std::string>& ids) {
  std::string text;
  for (const std::string& id : ids) text += id + ";";
  return text;
}

// mimeapps.list is edited line by line, so that the user's own lines and
// comments stay exactly as they were.
std::optional<IniFile> LoadMimeApps() {
  auto apps = IniFile::Load(MimeAppsPath().string());
  if (apps) apps->SetNewLine("\n");
  return apps;
}

// Makes this program the user's default for the type; `listed` also puts
// it first among the type's added programs, which a program whose entry the
// system does not know needs to appear in "Open with" lists.
void RegisterDefault(bool listed) {
  auto apps = LoadMimeApps();
  if (!apps) return;
  apps->Set(kDefaultGroup, kGdrMimeType, kDesktopId);
  if (listed) {
    std::vector<std::string> added = IdList(*apps, kAddedGroup);
    std::erase(added, kDesktopId);
    added.insert(added.begin(), kDesktopId);
    apps->Set(kAddedGroup, kGdrMimeType, IdListText(added));
  }
  WriteLogged(MimeAppsPath().string(), apps->Bytes());
}

// True when the user's mimeapps.list makes this program the type's default.
bool IsUserDefault() {
  const auto apps = LoadMimeApps();
  if (!apps) return false;
  const std::vector<std::string> ids = IdList(*apps, kDefaultGroup);
  return !ids.empty() && ids.front() == kDesktopId;
}

// Takes this program's entry out of the lists of `groups` in the file at
// `path`; a file left empty goes.
void RemoveIdFrom(const fs::path& path, std::initializer_list<const char*> groups) {
  std::error_code error;
  if (!fs::exists(path, error)) return;
  auto apps = IniFile::Load(path.string());
  if (!apps) return;
  apps->SetNewLine("\n");
  bool changed = false;
  for (const char* group : groups) {
    std::vector<std::string> ids = IdList(*apps, group);
    if (std::erase(ids, kDesktopId) == 0) continue;
    changed = true;
    if (ids.empty()) {
      apps->Remove(group, kGdrMimeType);
    } else {
      apps->Set(group, kGdrMimeType, IdListText(ids));
    }
  }
  if (!changed) return;
  if (apps->Empty()) {
    fs::remove(path, error);
  } else {
    WriteLogged(path.string(), apps->Bytes());
  }
}

}  // namespace

int IsExtensionAssociated(const std::string& extension) {
  std::vector<std::string> folders = {MimeFolder().string()};
  for (const char* const* dir = g_get_system_data_dirs(); *dir != nullptr; ++dir) {
    folders.push_back((fs::path(*dir) / "mime").string());
  }
  if (!MimeGlobMatches(folders, "x" + extension)) return 0;
  return !RunsInstalled() || IsUserDefault() ? 1 : 0;
}

void SetFileAssociation(Association state) {
  std::error_code error;
  if (RunsInstalled()) {
    if (state == Association::On) {
      RegisterDefault(false);
    } else {
      RemoveIdFrom(MimeAppsPath(), {kDefaultGroup});
    }
    return;
  }
  const fs::path package = MimeFolder() / "packages" / kMimePackageName;
  if (state == Association::On) {
    WriteLogged(package.string(), MimePackage());
    UpdateMimeDatabase();
    WriteDesktopEntry();
    RegisterDefault(true);
    return;
  }
  // The database is rebuilt even when the package was gone already: an
  // earlier run may have been stopped before it did.
  fs::remove(package, error);
  if (fs::exists(MimeFolder() / "packages", error)) UpdateMimeDatabase();
  fs::remove(DesktopEntryPath(), error);
  RemoveIdFrom(MimeAppsPath(), {kDefaultGroup, kAddedGroup});
  // The cache that update-desktop-database builds from the entries is read
  // by GIO and xdg-mime alike; it would still name the removed entry.
  RemoveIdFrom(DesktopEntryPath().parent_path() / "mimeinfo.cache", {"MIME Cache"});
}

}  // namespace gridora
