// SPDX-License-Identifier: MIT
#include "system/version_info.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

#include "system/desktop_registry.h"
#include "version.h"

namespace gridora {

namespace {

// Programs that show what the machine is made of, best first.
constexpr const char* kSysInfoEntries[] = {
    "org.kde.kinfocenter.desktop",
    "hardinfo.desktop",
    "gnome-info-overview-panel.desktop",
    "gnome-system-monitor.desktop",
};
constexpr const char* kSysInfoPrograms[] = {"kinfocenter", "hardinfo", "gnome-system-monitor"};

struct GObjectDeleter {
  void operator()(void* p) const { g_object_unref(p); }
};

bool LaunchEntry(const char* desktopId) {
  std::string exec;
  if (!GetKeyValue(desktopId, G_KEY_FILE_DESKTOP_KEY_EXEC, exec)) return false;
  const std::unique_ptr<GDesktopAppInfo, GObjectDeleter> app(g_desktop_app_info_new(desktopId));
  return app && g_app_info_launch(G_APP_INFO(app.get()), nullptr, nullptr, nullptr);
}

}  // namespace

std::string VersionText(int major, int minor, int revision) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

std::string VersionText() {
  return VersionText(kVersionMajor, kVersionMinor, kVersionPatch);
}

std::string VersionBoxCaption() {
  return "Gridoraのバージョン情報";
}

bool GetKeyValue(const std::string& desktopId, const std::string& key, std::string& value) {
  value.clear();
  const std::unique_ptr<GDesktopAppInfo, GObjectDeleter> app(
      g_desktop_app_info_new(desktopId.c_str()));
  if (!app) return false;
  char* text = g_desktop_app_info_get_string(app.get(), key.c_str());
  if (!text) return false;
  value = text;
  g_free(text);
  return true;
}

void StartSysInfo(App app) {
  for (const char* entry : kSysInfoEntries) {
    if (LaunchEntry(entry)) return;
  }
  DetachedStarter starter;
  for (const char* program : kSysInfoPrograms) {
    char* found = g_find_program_in_path(program);
    if (!found) continue;
    const bool started = starter.Start({found});
    g_free(found);
    if (started) return;
  }
  app.screen.ShowMessage("現時点ではｼｽﾃﾑ情報を使用できません", "Gridora", MessageButtons::Ok,
                         MessageIcon::None);
}

}  // namespace gridora
