// SPDX-License-Identifier: MIT
#include "system/desktop_registry.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

namespace gridora {

namespace {

struct GFreeDeleter {
  void operator()(void* p) const { g_free(p); }
};
using GText = std::unique_ptr<char, GFreeDeleter>;

struct GObjectDeleter {
  void operator()(void* p) const { g_object_unref(p); }
};

}  // namespace

std::string DesktopRegistry::TypeOfExtension(const std::string& extension) {
  gboolean uncertain = TRUE;
  const std::string name = "x" + extension;
  const GText type(g_content_type_guess(name.c_str(), nullptr, 0, &uncertain));
  if (!type || uncertain || g_content_type_is_unknown(type.get())) return {};
  return type.get();
}

std::optional<DesktopProgram> DesktopRegistry::DefaultProgramOf(const std::string& type) {
  const std::unique_ptr<GAppInfo, GObjectDeleter> app(
      g_app_info_get_default_for_type(type.c_str(), FALSE));
  if (!app || !G_IS_DESKTOP_APP_INFO(app.get())) return std::nullopt;
  const char* id = g_app_info_get_id(app.get());
  if (id == nullptr) return std::nullopt;
  const bool terminal = g_desktop_app_info_get_boolean(G_DESKTOP_APP_INFO(app.get()),
                                                       G_KEY_FILE_DESKTOP_KEY_TERMINAL);
  return DesktopProgram{id, terminal};
}

bool DesktopRegistry::Open(const DesktopProgram& program, const std::string& path) {
  const std::unique_ptr<GDesktopAppInfo, GObjectDeleter> app(
      g_desktop_app_info_new(program.id.c_str()));
  if (!app) return false;
  const std::unique_ptr<GFile, GObjectDeleter> file(g_file_new_for_path(path.c_str()));
  const GText uri(g_file_get_uri(file.get()));
  GList uris = {uri.get(), nullptr, nullptr};
  GError* error = nullptr;
  // GLib starts the program through an intermediate child that it reaps at
  // once, so nothing is left to wait for.
  const gboolean started = g_app_info_launch_uris(G_APP_INFO(app.get()), &uris, nullptr, &error);
  if (error) g_error_free(error);
  return started;
}

bool DetachedStarter::Start(const std::vector<std::string>& argv) {
  if (argv.empty() || argv[0].empty()) return false;
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  GError* error = nullptr;
  const gboolean started =
      g_spawn_async(nullptr, args.data(), nullptr,
                    static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_STDIN_FROM_DEV_NULL),
                    nullptr, nullptr, nullptr, &error);
  if (error) g_error_free(error);
  return started;
}

}  // namespace gridora
