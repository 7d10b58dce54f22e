// SPDX-License-Identifier: MIT
#pragma once
// A desktop of its own for one test: a HOME with XDG data and configuration
// folders, "system" folders standing in for /usr/share and /etc/xdg, and a
// bin folder. The system probe runs in it as a separate process, so neither
// the test nor GLib's per-process caches see the real user's desktop.

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_dir.h"

namespace gridora::testing {

struct ProbeResult {
  int status = -1;
  std::string out;
};

class DesktopSandbox {
 public:
  DesktopSandbox() {
    for (const char* folder : {"home/.local/share", "home/.config", "sys/share/applications",
                               "sys/share/mime/packages", "sys/etc", "bin"}) {
      std::filesystem::create_directories(dir_ / folder);
    }
    SearchPath = dir_ / "bin:/usr/bin:/bin";
  }

  std::string Path(const std::string& name) const { return dir_ / name; }
  std::string DataHome() const { return dir_ / "home/.local/share"; }
  std::string ConfigHome() const { return dir_ / "home/.config"; }
  std::string RecordPath() const { return dir_ / "argv.txt"; }
  // PATH of the probe; tests may narrow it.
  std::string SearchPath;
  // The probe program to run.
  std::string ProbePath = GRIDORA_PROBE_PATH;

  // A MIME type of the "system" database for file names matching `glob`.
  void AddSystemType(const std::string& type, const std::string& glob) {
    systemTypes_ +=
        "  <mime-type type=\"" + type + "\"><glob pattern=\"" + glob + "\"/></mime-type>\n";
    WriteBytes(dir_ / "sys/share/mime/packages/test.xml",
               "<?xml version=\"1.0\"?>\n<mime-info "
               "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n" +
                   systemTypes_ + "</mime-info>\n");
    RunUpdateMimeDatabase(dir_ / "sys/share/mime");
  }

  // A MIME package of the "system" database, named `name`.
  void AddSystemMimePackage(const std::string& name, const std::string& bytes) {
    WriteBytes(dir_ / ("sys/share/mime/packages/" + name), bytes);
    RunUpdateMimeDatabase(dir_ / "sys/share/mime");
  }

  // A desktop entry of the "system" applications folder.
  // `extraLines` ("Terminal=true\n") go at its end.
  void AddSystemEntry(const std::string& id, const std::string& exec,
                      const std::string& mimeTypes = "", const std::string& extraLines = "") {
    WriteBytes(dir_ / ("sys/share/applications/" + id),
               "[Desktop Entry]\nType=Application\nName=" + id + "\nExec=" + exec +
                   "\nMimeType=" + mimeTypes + "\n" + extraLines);
  }

  // Makes `id` the default application of `type` in the user's mimeapps.list.
  void SetDefault(const std::string& type, const std::string& id) {
    defaults_ += type + "=" + id + "\n";
    WriteBytes(ConfigHome() + "/mimeapps.list", "[Default Applications]\n" + defaults_);
  }

  // Runs the system probe with `args` in this desktop.
  ProbeResult Probe(const std::vector<std::string>& args) const {
    std::vector<std::string> argv = {ProbePath};
    argv.insert(argv.end(), args.begin(), args.end());
    const ProbeResult result = Run(argv);
    // A sanitizer finding in the probe shows as a failed exit.
    EXPECT_EQ(result.status, 0) << "probe " << args.front() << " failed";
    return result;
  }

  // Runs `argv` (the program searched in PATH) in this desktop; its standard
  // output and its wait status.
  ProbeResult Run(const std::vector<std::string>& argv) const {
    std::vector<std::string> env = {
        "HOME=" + (dir_ / "home"),
        "XDG_DATA_HOME=" + DataHome(),
        "XDG_CONFIG_HOME=" + ConfigHome(),
        "XDG_CACHE_HOME=" + (dir_ / "home/.cache"),
        "XDG_DATA_DIRS=" + (dir_ / "sys/share"),
        "XDG_CONFIG_DIRS=" + (dir_ / "sys/etc"),
        "PATH=" + SearchPath,
        "GRIDORA_ARGV_RECORD=" + RecordPath(),
        "GIO_USE_VFS=local",
        "GSETTINGS_BACKEND=memory",
    };
    for (const char* pass : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS", "TMPDIR"}) {
      if (const char* value = std::getenv(pass)) env.push_back(std::string(pass) + "=" + value);
    }
    ProbeResult result;
    char* out = nullptr;
    GError* error = nullptr;
    const auto argvPtrs = Pointers(argv);
    const auto envPtrs = Pointers(env);
    if (!g_spawn_sync(nullptr, const_cast<char**>(argvPtrs.data()),
                      const_cast<char**>(envPtrs.data()),
                      static_cast<GSpawnFlags>(G_SPAWN_STDERR_TO_DEV_NULL | G_SPAWN_SEARCH_PATH),
                      nullptr, nullptr, &out, nullptr, &result.status, &error)) {
      ADD_FAILURE() << argv.front() << " did not start: " << error->message;
      g_error_free(error);
      return result;
    }
    result.out = out ? out : "";
    g_free(out);
    return result;
  }

  // The arguments the recorder was started with, once it has written them;
  // nullopt when nothing was started within `seconds`.
  std::optional<std::vector<std::string>> WaitForRecord(int seconds = 20) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!std::filesystem::exists(RecordPath())) {
      if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::vector<std::string> args;
    std::string text = ReadBytes(RecordPath());
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1) {
      args.push_back(text.substr(start, end - start));
    }
    std::filesystem::remove(RecordPath());
    return args;
  }

  // True when no program was started for a while.
  bool NothingStarted() const {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return !std::filesystem::exists(RecordPath());
  }

 private:
  static std::vector<const char*> Pointers(const std::vector<std::string>& texts) {
    std::vector<const char*> pointers;
    for (const std::string& text : texts) pointers.push_back(text.c_str());
    pointers.push_back(nullptr);
    return pointers;
  }

  static void RunUpdateMimeDatabase(const std::string& folder) {
    const std::vector<std::string> argv = {"update-mime-database", folder};
    const auto pointers = Pointers(argv);
    int status = -1;
    ASSERT_TRUE(
        g_spawn_sync(nullptr, const_cast<char**>(pointers.data()), nullptr,
                     static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_STDOUT_TO_DEV_NULL),
                     nullptr, nullptr, nullptr, nullptr, &status, nullptr));
    ASSERT_EQ(status, 0);
  }

  TempDir dir_;
  std::string systemTypes_;
  std::string defaults_;
};

}  // namespace gridora::testing
