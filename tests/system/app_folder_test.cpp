// SPDX-License-Identifier: MIT
// The application folder, where the program finds the files that ship with
// it: its own folder in a build tree, share/gridora when it is installed.
// The system probe plays the program, in place and copied into an
// installation's bin folder, so the decision is made from the real
// /proc/self/exe each time.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"
#include "system/app_paths.h"
#include "system/desktop_sandbox.h"

namespace gridora::testing {
namespace {

namespace fs = std::filesystem;

// The probe's two lines: the application folder and the help document.
std::pair<std::string, std::string> AppFolderOf(const std::string& probe) {
  DesktopSandbox desktop;
  desktop.ProbePath = probe;
  const std::string out = desktop.Probe({"app-folder"}).out;
  const std::size_t end = out.find('\n');
  if (end == std::string::npos) return {out, ""};
  return {out.substr(0, end), out.substr(end + 1, out.find('\n', end + 1) - end - 1)};
}

TEST(ApplicationFolderTest, buildTreeProgramReadsBesideItself) {
  const std::string probe = GRIDORA_PROBE_PATH;
  const std::string folder = fs::path(probe).parent_path().string();
  const auto [appFolder, help] = AppFolderOf(probe);
  EXPECT_EQ(appFolder, folder);
  EXPECT_EQ(help, folder + "/gridora.html");
  // The build put the data folder there, as the installation does.
  EXPECT_TRUE(fs::is_regular_file(help));
}

TEST(ApplicationFolderTest, installedProgramReadsItsShareFolder) {
  TempDir prefix;
  const fs::path bin = prefix.path() / "usr/bin";
  const fs::path data = (bin / GRIDORA_DATA_FROM_BIN).lexically_normal();
  fs::create_directories(bin);
  fs::create_directories(data);
  WriteBytes((data / "gridora.html").string(), "<html></html>\n");
  const fs::path program = bin / "gridora_system_probe";
  fs::copy_file(GRIDORA_PROBE_PATH, program);

  const auto [appFolder, help] = AppFolderOf(program.string());
  EXPECT_EQ(appFolder, (prefix.path() / "usr/share/gridora").string());
  EXPECT_EQ(help, (prefix.path() / "usr/share/gridora/gridora.html").string());

  // Without the data folder the same program is a build tree's again.
  fs::remove_all(data);
  EXPECT_EQ(AppFolderOf(program.string()).first, bin.string());
}

TEST(ApplicationFolderTest, dataFolderMustBeFolder) {
  TempDir prefix;
  fs::create_directories(prefix.path() / "bin");
  fs::create_directories(prefix.path() / "share");
  const std::string bin = (prefix.path() / "bin").string();
  // A file of that name is no data folder.
  WriteBytes((prefix.path() / "share/gridora").string(), "");
  EXPECT_EQ(ApplicationFolderFor(bin, "../share/gridora"), bin);
  fs::remove(prefix.path() / "share/gridora");
  fs::create_directories(prefix.path() / "share/gridora");
  const std::string installed = (prefix.path() / "share/gridora").string();
  EXPECT_EQ(ApplicationFolderFor(bin, "../share/gridora"), installed);
  EXPECT_EQ(ApplicationFolderFor(bin + "/", "../share/gridora/"), installed);
  EXPECT_EQ(ApplicationFolderFor(bin, ""), bin);
}

}  // namespace
}  // namespace gridora::testing
