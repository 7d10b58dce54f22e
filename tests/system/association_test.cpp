// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "system/desktop_sandbox.h"
#include "system/file_association.h"

namespace gridora::testing {
namespace {

constexpr const char* kExpectedPackage =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    "  <mime-type type=\"application/x-gridora\">\n"
    "    <comment>ﾅﾝﾊﾞｰﾌﾟﾚｰｽ ﾃﾞｰﾀﾌｧｲﾙ</comment>\n"
    "    <glob pattern=\"*.gdr\"/>\n"
    "  </mime-type>\n"
    "</mime-info>\n";

namespace fs = std::filesystem;

// How often the desktop's "Open with" list (the type's registered
// applications, as `gio mime` prints them) names this program.
int TimesListed(const DesktopSandbox& box) {
  const std::string out = box.Run({"gio", "mime", "application/x-gridora"}).out;
  const std::size_t start = out.find("Registered applications:");
  if (start == std::string::npos) return 0;
  const std::string listed = out.substr(start, out.find("Recommended applications:") - start);
  int times = 0;
  for (std::size_t at = 0;
       (at = listed.find("\torg.gridora.Gridora.desktop\n", at)) != std::string::npos; ++at) {
    ++times;
  }
  return times;
}

// The regular files below `folder`.
std::vector<std::string> FilesBelow(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_directory()) files.push_back(entry.path().string());
  }
  return files;
}

class AssociationTest : public ::testing::Test {
 protected:
  DesktopSandbox box;
  std::string Package() const { return box.DataHome() + "/mime/packages/org.gridora.Gridora.xml"; }
  std::string Entry() const { return box.DataHome() + "/applications/org.gridora.Gridora.desktop"; }
  std::string MimeApps() const { return box.ConfigHome() + "/mimeapps.list"; }
  std::string Associated() const { return box.Probe({"is-associated", ".gdr"}).out; }
};

TEST_F(AssociationTest, turningOnRegistersTypeEntryAndDefaultOfThisProgram) {
  box.AddSystemType("text/plain", "*.txt");
  EXPECT_EQ(Associated(), "0\n");
  ASSERT_EQ(box.Probe({"associate", "1"}).status, 0);
  EXPECT_EQ(Associated(), "1\n");
  EXPECT_EQ(ReadBytes(Package()), kExpectedPackage);
  // A path without blanks or other special characters is not quoted.
  EXPECT_EQ(box.Probe({"default", "x.gdr"}).out,
            std::string("TYPE application/x-gridora\nAPP org.gridora.Gridora.desktop\n"
                        "EXEC ") +
                GRIDORA_PROBE_PATH + " %f\n");
  // The rebuilt database carries the description.
  EXPECT_NE(
      ReadBytes(box.DataHome() + "/mime/application/x-gridora.xml").find("ﾅﾝﾊﾞｰﾌﾟﾚｰｽ ﾃﾞｰﾀﾌｧｲﾙ"),
      std::string::npos);
  EXPECT_EQ(ReadBytes(MimeApps()),
            "[Default Applications]\napplication/x-gridora=org.gridora.Gridora.desktop\n"
            "[Added Associations]\napplication/x-gridora=org.gridora.Gridora.desktop;\n");
  EXPECT_EQ(TimesListed(box), 1);
}

// The program as its package installs it into the sandbox's "system"
// folders: the executable in bin/ with the data folder beside it, the
// desktop entry and the MIME package of dist/, and the caches rebuilt as
// the package's triggers do. The probe plays the program.
std::string InstallIntoSystem(DesktopSandbox& box) {
  const fs::path bin = box.Path("sys/bin");
  fs::create_directories(bin);
  fs::create_directories((bin / GRIDORA_DATA_FROM_BIN).lexically_normal());
  const std::string program = (bin / "gridora").string();
  fs::copy_file(GRIDORA_PROBE_PATH, program);
  std::string entry = ReadBytes(GRIDORA_DIST_DIR "/org.gridora.Gridora.desktop.in");
  const std::string exec = "@CMAKE_INSTALL_FULL_BINDIR@/gridora";
  entry.replace(entry.find(exec), exec.size(), program);
  WriteBytes(box.Path("sys/share/applications/org.gridora.Gridora.desktop"), entry);
  box.AddSystemMimePackage("org.gridora.Gridora.xml",
                           ReadBytes(GRIDORA_DIST_DIR "/org.gridora.Gridora.xml"));
  EXPECT_EQ(box.Run({"update-desktop-database", box.Path("sys/share/applications")}).status, 0);
  box.ProbePath = program;
  return program;
}

// Installed, the system carries the type and the entry: the check box only
// makes the program the user's default in mimeapps.list, and off gives the
// user that file back byte for byte. "Open with" lists the system's entry
// once throughout.
TEST_F(AssociationTest, installedProgramOnlySetsTheUsersDefault) {
  const std::string program = InstallIntoSystem(box);
  box.AddSystemEntry("other.desktop", "other %f", "application/x-gridora;");
  constexpr const char* kLine = "application/x-gridora=org.gridora.Gridora.desktop\n";
  struct Case {
    std::string before;  // "" for no file
    std::string on;
  };
  const std::vector<Case> cases = {
      {"", std::string("[Default Applications]\n") + kLine},
      {"# mine\n[Added Associations]\ntext/plain=other.desktop;\n\n"
       "[Default Applications]\ntext/plain=other.desktop\n\n[Removed Associations]\n"
       "image/png=other.desktop",
       std::string("# mine\n[Added Associations]\ntext/plain=other.desktop;\n\n"
                   "[Default Applications]\ntext/plain=other.desktop\n") +
           kLine + "\n[Removed Associations]\nimage/png=other.desktop"},
      {"[Added Associations]\napplication/x-gridora=other.desktop;\n",
       std::string("[Added Associations]\napplication/x-gridora=other.desktop;\n"
                   "[Default Applications]\n") +
           kLine},
  };
  const std::string query[] = {"xdg-mime", "query", "default", "application/x-gridora"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    if (!c.before.empty()) WriteBytes(MimeApps(), c.before);
    EXPECT_EQ(Associated(), "0\n");
    EXPECT_EQ(TimesListed(box), 1);

    ASSERT_EQ(box.Probe({"associate", "1"}).status, 0);
    EXPECT_EQ(ReadBytes(MimeApps()), c.on);
    EXPECT_EQ(Associated(), "1\n");
    EXPECT_EQ(
        box.Probe({"default", "x.gdr"}).out,
        "TYPE application/x-gridora\nAPP org.gridora.Gridora.desktop\nEXEC " + program + " %f\n");
    EXPECT_EQ(box.Run({std::begin(query), std::end(query)}).out, "org.gridora.Gridora.desktop\n");
    EXPECT_EQ(TimesListed(box), 1);
    EXPECT_EQ(FilesBelow(box.DataHome()), std::vector<std::string>{});

    ASSERT_EQ(box.Probe({"associate", "0"}).status, 0);
    if (c.before.empty()) {
      EXPECT_FALSE(fs::exists(MimeApps()));
    } else {
      EXPECT_EQ(ReadBytes(MimeApps()), c.before);
    }
    EXPECT_EQ(Associated(), "0\n");
    EXPECT_EQ(TimesListed(box), 1);
    EXPECT_EQ(FilesBelow(box.DataHome()), std::vector<std::string>{});
    fs::remove(MimeApps());
  }
}

TEST_F(AssociationTest, turningOffRemovesOnlyWhatWasAdded) {
  box.AddSystemType("text/plain", "*.txt");
  const std::string otherPackage = box.DataHome() + "/mime/packages/other.xml";
  WriteBytes(otherPackage,
             "<?xml version=\"1.0\"?>\n<mime-info "
             "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"application/x-other\"><glob pattern=\"*.oth\"/></mime-type>\n"
             "</mime-info>\n");
  const std::string otherEntry = box.DataHome() + "/applications/other.desktop";
  WriteBytes(otherEntry, "[Desktop Entry]\nType=Application\nName=o\nExec=o %f\n");
  WriteBytes(MimeApps(),
             "# mine\n[Default Applications]\ntext/plain=other.desktop\n\n"
             "[Added Associations]\napplication/x-gridora=other.desktop;\n");

  ASSERT_EQ(box.Probe({"associate", "1"}).status, 0);
  ASSERT_EQ(box.Probe({"associate", "1"}).status, 0);  // twice: still one registration
  EXPECT_EQ(ReadBytes(MimeApps()),
            "# mine\n[Default Applications]\ntext/plain=other.desktop\n"
            "application/x-gridora=org.gridora.Gridora.desktop\n\n"
            "[Added Associations]\n"
            "application/x-gridora=org.gridora.Gridora.desktop;other.desktop;\n");
  EXPECT_EQ(box.Probe({"is-associated", ".oth"}).out, "1\n");

  ASSERT_EQ(box.Probe({"associate", "0"}).status, 0);
  EXPECT_EQ(Associated(), "0\n");
  EXPECT_FALSE(std::filesystem::exists(Package()));
  EXPECT_FALSE(std::filesystem::exists(Entry()));
  EXPECT_EQ(ReadBytes(MimeApps()),
            "# mine\n[Default Applications]\ntext/plain=other.desktop\n\n"
            "[Added Associations]\napplication/x-gridora=other.desktop;\n");
  EXPECT_TRUE(std::filesystem::exists(otherPackage));
  EXPECT_TRUE(std::filesystem::exists(otherEntry));
  EXPECT_EQ(box.Probe({"is-associated", ".oth"}).out, "1\n");
}

TEST_F(AssociationTest, mimeAppsListThatOnlyHeldTheAssociationGoesWithIt) {
  ASSERT_EQ(box.Probe({"associate", "1"}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(MimeApps()));
  EXPECT_TRUE(std::filesystem::exists(Entry()));
  ASSERT_EQ(box.Probe({"associate", "0"}).status, 0);
  EXPECT_FALSE(std::filesystem::exists(MimeApps()));
  EXPECT_EQ(Associated(), "0\n");
  // Any state but 1 removes; with nothing there it changes nothing.
  ASSERT_EQ(box.Probe({"associate", "2"}).status, 0);
  EXPECT_FALSE(std::filesystem::exists(Entry()));
}

TEST(ExecArgumentTest, quotedOnlyWhenAReservedCharacterIsThere) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/usr/bin/gridora", "/usr/bin/gridora"},
      {"/opt/grid-ora_1.0/+x=y,z", "/opt/grid-ora_1.0/+x=y,z"},
      {"/opt/100%/g", "/opt/100%%/g"},
      {"/my games/g", "\"/my games/g\""},
      {"/a\"b`c$d\\e/g", "\"/a\\\"b\\`c\\$d\\\\e/g\""},
      {"/it's/g", "\"/it's/g\""},
      {"/a~b/g", "\"/a~b/g\""},
      {"/x(1)/g;#*?<>|&", "\"/x(1)/g;#*?<>|&\""},
      {"/100% sure/g", "\"/100%% sure/g\""},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(ExecArgument(path), expected) << path;
}

// A rebuild or an upgrade replaces the program file while it runs; the entry
// must still name the file, not the kernel's "(deleted)" mark.
TEST_F(AssociationTest, programReplacedWhileRunningIsNamedByItsPath) {
  const std::string probe = box.Path("bin/gridora");
  std::filesystem::copy_file(GRIDORA_PROBE_PATH, probe);
  std::filesystem::permissions(probe, std::filesystem::perms::owner_all);
  box.ProbePath = probe;
  ASSERT_EQ(box.Probe({"associate-after-upgrade"}).status, 0);
  EXPECT_EQ(box.Probe({"default", "x.gdr"}).out,
            "TYPE application/x-gridora\nAPP org.gridora.Gridora.desktop\nEXEC " + probe + " %f\n");
}

// A desktop that ran update-desktop-database while the association was on
// keeps a cache that names the entry; after off, neither GIO nor xdg-mime
// may name it.
TEST_F(AssociationTest, offLeavesNoCacheThatNamesTheProgram) {
  ASSERT_EQ(box.Probe({"associate", "1"}).status, 0);
  ASSERT_EQ(box.Run({"update-desktop-database", box.DataHome() + "/applications"}).status, 0);
  const std::string query[] = {"xdg-mime", "query", "default", "application/x-gridora"};
  EXPECT_EQ(box.Run({std::begin(query), std::end(query)}).out, "org.gridora.Gridora.desktop\n");
  ASSERT_EQ(box.Probe({"associate", "0"}).status, 0);
  EXPECT_EQ(box.Run({std::begin(query), std::end(query)}).out, "");
  const ProbeResult gio = box.Run({"gio", "mime", "application/x-gridora"});
  EXPECT_EQ(gio.status, 0);
  EXPECT_EQ(gio.out.find("org.gridora"), std::string::npos) << gio.out;
  EXPECT_EQ(ReadBytes(box.DataHome() + "/mime/globs2").find("gdr"), std::string::npos);
}

// The settings dialog asks again in the same run: the answer must not come
// from GIO's cache of the MIME database.
TEST_F(AssociationTest, sameProcessSeesTheChangeAtOnce) {
  EXPECT_EQ(box.Probe({"toggle"}).out, "0 1 0\n");
}

// The desktop, not our own code, reads the entry and starts the program.
TEST_F(AssociationTest, desktopOpensGdrFileWithThisProgramEvenFromAnOddFolder) {
  // A copy, not a link: the entry names the running executable's real path.
  const std::string folder = box.Path("my \"odd\" $HOME `x`");
  std::filesystem::create_directories(folder);
  const std::string probe = folder + "/probe";
  std::filesystem::copy_file(GRIDORA_PROBE_PATH, probe);
  std::filesystem::permissions(probe, std::filesystem::perms::owner_all);
  box.ProbePath = probe;
  ASSERT_EQ(box.Probe({"associate", "1"}).status, 0);
  const std::string document = box.Path("a puzzle.gdr");
  WriteBytes(document, "Gridora\x83\x66\x81\x5B\x83\x5E ver 2.1\r\n");
  const ProbeResult launch = box.Probe({"launch", document});
  ASSERT_EQ(launch.out, "");
  const auto started = box.WaitForRecord();
  ASSERT_TRUE(started);
  EXPECT_EQ(*started, (std::vector<std::string>{probe, document}));
}

}  // namespace
}  // namespace gridora::testing
