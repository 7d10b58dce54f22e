// SPDX-License-Identifier: MIT
// Runs one system-service operation in a process of its own, so that a test
// can give it a HOME and XDG folders of its own (GLib reads them once per
// process). Prints what the user would have seen and what GIO now knows.
//
//   system_probe associate 1|0
//   system_probe associate-after-upgrade   replace its own file, then associate
//   system_probe is-associated .gdr
//   system_probe toggle            is-associated .gdr before, after on, after off
//   system_probe default x.gdr     the type, default application and its Exec
//   system_probe open <document>
//   system_probe help
//   system_probe sysinfo
//   system_probe launch <path>     open <path> as a file manager would
//   system_probe app-folder        the application folder and the help path
//
// Started with anything else (as the program of a ".gdr" association is),
// it records its arguments like the argv recorder.

#include <gio/gio.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/recording_screen.h"
#include "system/app_paths.h"
#include "system/argv_record.h"
#include "system/file_association.h"
#include "system/launcher.h"
#include "system/version_info.h"

namespace {

void PrintMessages(const gridora::RecordingScreen& screen) {
  for (const auto& m : screen.messages) {
    std::printf("MESSAGE %s|%s\n", m.title.c_str(), m.text.c_str());
  }
}

void PrintDefault(const char* fileName) {
  gboolean uncertain = TRUE;
  char* type = g_content_type_guess(fileName, nullptr, 0, &uncertain);
  std::printf("TYPE %s\n", uncertain ? "" : type);
  GAppInfo* app = g_app_info_get_default_for_type(type, FALSE);
  if (app) {
    std::printf("APP %s\nEXEC %s\n", g_app_info_get_id(app), g_app_info_get_commandline(app));
    g_object_unref(app);
  }
  g_free(type);
}

// Opens `path` the way a file manager does: GIO's default application for
// its type, started by GIO from the desktop entry's Exec line.
void LaunchAsDesktopDoes(const char* path) {
  GFile* file = g_file_new_for_path(path);
  char* uri = g_file_get_uri(file);
  GError* error = nullptr;
  if (!g_app_info_launch_default_for_uri(uri, nullptr, &error)) {
    std::printf("LAUNCH FAILED %s\n", error->message);
    g_error_free(error);
  }
  g_free(uri);
  g_object_unref(file);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace gridora;
  if (argc < 2) return testing::RecordArguments(argc, argv);
  const std::string command = argv[1];
  const char* arg = argc > 2 ? argv[2] : "";
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  if (command == "associate") {
    SetFileAssociation(std::atoi(arg) == 1 ? Association::On : Association::Off);
  } else if (command == "associate-after-upgrade") {
    // A new file renamed over the running one, as a package upgrade does.
    const std::string self = std::filesystem::read_symlink("/proc/self/exe");
    std::filesystem::copy_file(self, self + ".new");
    std::filesystem::rename(self + ".new", self);
    SetFileAssociation(Association::On);
  } else if (command == "toggle") {
    const int before = IsExtensionAssociated(".gdr");
    SetFileAssociation(Association::On);
    const int on = IsExtensionAssociated(".gdr");
    SetFileAssociation(Association::Off);
    std::printf("%d %d %d\n", before, on, IsExtensionAssociated(".gdr"));
  } else if (command == "is-associated") {
    std::printf("%d\n", IsExtensionAssociated(arg));
  } else if (command == "default") {
    PrintDefault(arg);
  } else if (command == "open") {
    OpenWithAssociatedProgram(app, arg);
  } else if (command == "help") {
    ShowHelp(app);
    std::printf("YIELDS %ld\n", screen.yieldCount);
  } else if (command == "sysinfo") {
    StartSysInfo(app);
  } else if (command == "launch") {
    LaunchAsDesktopDoes(arg);
  } else if (command == "app-folder") {
    std::printf("%s\n%s\n", ApplicationFolder().c_str(), HelpFilePath().c_str());
  } else {
    return testing::RecordArguments(argc, argv);
  }
  PrintMessages(screen);
  return 0;
}
