// Opening documents for real: GIO finds the default application in a
// sandboxed desktop, the program is started, and the argv recorder tells
// which program ran and with what.

#include <gtest/gtest.h>

#include "system/desktop_sandbox.h"

namespace gridora::testing {
namespace {

class OpenDocumentEndToEndTest : public ::testing::Test {
 protected:
  DesktopSandbox box;
  std::string plain;   // a viewer path without blanks
  std::string spaced;  // the same viewer in a folder with blanks

  void SetUp() override {
    plain = box.Path("bin/recorder");
    spaced = box.Path("my tools/recorder");
    std::filesystem::create_directories(box.Path("my tools"));
    std::filesystem::create_symlink(GRIDORA_RECORDER_PATH, plain);
    std::filesystem::create_symlink(GRIDORA_RECORDER_PATH, spaced);
    box.AddSystemType("text/plain", "*.txt");
    box.AddSystemType("text/html", "*.html");
    box.AddSystemType("application/x-spaced", "*.spc");
    box.AddSystemType("application/x-broken", "*.brk");
    box.AddSystemEntry("plain.desktop", plain + " %f");
    box.AddSystemEntry("spaced.desktop", "\"" + spaced + "\" -n %f");
    box.AddSystemEntry("bare.desktop", plain);
    // GIO only offers programs that exist and may be run; this one cannot
    // start because its interpreter is missing.
    WriteBytes(box.Path("bin/broken"), "#!/nonexistent/interpreter\n");
    std::filesystem::permissions(box.Path("bin/broken"), std::filesystem::perms::owner_all);
    box.AddSystemEntry("broken.desktop", box.Path("bin/broken") + " %f");
    box.SetDefault("text/html", "plain.desktop");
    box.SetDefault("application/x-spaced", "spaced.desktop");
    box.SetDefault("text/plain", "bare.desktop");
    box.SetDefault("application/x-broken", "broken.desktop");
  }

  std::vector<std::string> Opened(const std::string& document) {
    const ProbeResult result = box.Probe({"open", document});
    EXPECT_EQ(result.out, "");
    const auto argv = box.WaitForRecord();
    return argv ? *argv : std::vector<std::string>{};
  }
};

TEST_F(OpenDocumentEndToEndTest, commandWithoutBlankInProgramPath) {
  const std::string doc = box.Path("page.html");
  EXPECT_EQ(Opened(doc), (std::vector<std::string>{plain, doc}));
}

TEST_F(OpenDocumentEndToEndTest, quotedProgramPathWithBlanksAndSwitch) {
  const std::string doc = box.Path("data.spc");
  EXPECT_EQ(Opened(doc), (std::vector<std::string>{spaced, doc}));
}

TEST_F(OpenDocumentEndToEndTest, commandWithoutArgumentsIsTheWholeProgram) {
  const std::string doc = box.Path("notes.txt");
  EXPECT_EQ(Opened(doc), (std::vector<std::string>{plain, doc}));
}

TEST_F(OpenDocumentEndToEndTest, unregisteredOrMissingExtensionOpensAsText) {
  const std::string unknown = box.Path("a.unknown");
  EXPECT_EQ(Opened(unknown), (std::vector<std::string>{plain, unknown}));
  const std::string bare = box.Path("README");
  EXPECT_EQ(Opened(bare), (std::vector<std::string>{plain, bare}));
}

TEST_F(OpenDocumentEndToEndTest, fileNameCannotRunACommand) {
  const std::string doc = box.Path("x\"; touch pwned; echo \"$(touch pwned2).html");
  EXPECT_EQ(Opened(doc), (std::vector<std::string>{plain, doc}));
  EXPECT_FALSE(std::filesystem::exists(box.Path("pwned")));
  EXPECT_FALSE(std::filesystem::exists(box.Path("pwned2")));
}

TEST_F(OpenDocumentEndToEndTest, programThatCannotStartIsReported) {
  const ProbeResult result = box.Probe({"open", box.Path("a.brk")});
  EXPECT_EQ(result.out,
            "MESSAGE ヘルプ表示不可能|ブラウザが発見できませんでした。\r\n"
            "HTML で書かれたヘルプが表示できません。\n");
  EXPECT_TRUE(box.NothingStarted());
}

TEST_F(OpenDocumentEndToEndTest, noProgramForTextIsReported) {
  WriteBytes(box.ConfigHome() + "/mimeapps.list", "[Default Applications]\n");
  std::filesystem::remove(box.Path("sys/share/applications/bare.desktop"));
  const ProbeResult result = box.Probe({"open", box.Path("a.unknown")});
  EXPECT_EQ(result.out, "MESSAGE ロード失敗|このファイルを開くことはできませんでした\n");
  EXPECT_TRUE(box.NothingStarted());
}

TEST_F(OpenDocumentEndToEndTest, helpOpensShippedDocumentInHtmlViewer) {
  const ProbeResult result = box.Probe({"help"});
  EXPECT_EQ(result.out, "YIELDS 1\n");
  const auto argv = box.WaitForRecord();
  ASSERT_TRUE(argv);
  ASSERT_EQ(argv->size(), 2u);
  EXPECT_EQ((*argv)[0], plain);
  const std::string help = (*argv)[1];
  EXPECT_EQ(std::filesystem::path(help).filename(), "gridora.html");
  EXPECT_NE(ReadBytes(help).find("<html"), std::string::npos);
}

class SysInfoTest : public ::testing::Test {
 protected:
  DesktopSandbox box;
  void SetUp() override { box.SearchPath = box.Path("bin"); }
};

TEST_F(SysInfoTest, installedEntryIsStarted) {
  std::filesystem::create_symlink(GRIDORA_RECORDER_PATH, box.Path("bin/info-tool"));
  box.AddSystemEntry("hardinfo.desktop", box.Path("bin/info-tool"));
  EXPECT_EQ(box.Probe({"sysinfo"}).out, "");
  const auto argv = box.WaitForRecord();
  ASSERT_TRUE(argv);
  EXPECT_EQ(*argv, (std::vector<std::string>{box.Path("bin/info-tool")}));
}

TEST_F(SysInfoTest, programInPathIsStarted) {
  std::filesystem::create_symlink(GRIDORA_RECORDER_PATH, box.Path("bin/hardinfo"));
  EXPECT_EQ(box.Probe({"sysinfo"}).out, "");
  const auto argv = box.WaitForRecord();
  ASSERT_TRUE(argv);
  EXPECT_EQ(*argv, (std::vector<std::string>{box.Path("bin/hardinfo")}));
}

TEST_F(SysInfoTest, nothingInstalledGivesMessage) {
  EXPECT_EQ(box.Probe({"sysinfo"}).out, "MESSAGE Gridora|現時点ではｼｽﾃﾑ情報を使用できません\n");
}

}  // namespace
}  // namespace gridora::testing
