// SPDX-License-Identifier: MIT
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
    // GIO offers no entry whose program is missing.
    box.AddSystemEntry("broken.desktop", box.Path("bin/missing") + " %f");
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
  EXPECT_EQ(Opened(doc), (std::vector<std::string>{spaced, "-n", doc}));
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

TEST_F(OpenDocumentEndToEndTest, typeWithoutProgramIsReportedNotOpenedAsText) {
  box.AddSystemType("application/x-orphan", "*.orp");
  const ProbeResult result = box.Probe({"open", box.Path("a.orp")});
  EXPECT_EQ(result.out,
            "MESSAGE ヘルプ表示不可能|ブラウザが発見できませんでした。\r\n"
            "HTML で書かれたヘルプが表示できません。\n");
  EXPECT_TRUE(box.NothingStarted());
}

TEST(OpenDocumentWithoutTypesTest, noTypeEvenForTextIsReported) {
  DesktopSandbox empty;
  const ProbeResult result = empty.Probe({"open", empty.Path("a.unknown")});
  EXPECT_EQ(result.out, "MESSAGE ロード失敗|このファイルを開くことはできませんでした\n");
  EXPECT_TRUE(empty.NothingStarted());
}

// The Exec line is expanded as desktop entries define it: every word is an
// argument, and the document is one more, never a program or a script.
TEST_F(OpenDocumentEndToEndTest, execLineIsExpandedAndTheDocumentOnlyPassed) {
  box.AddSystemType("application/x-shc", "*.shc");
  box.AddSystemEntry("sh.desktop", "sh -c \"" + plain + " ran-by-entry\" %f");
  box.SetDefault("application/x-shc", "sh.desktop");
  const std::string script = box.Path("notes.shc");
  WriteBytes(script, "exec " + plain + " executed-document\n");
  EXPECT_EQ(Opened(script), (std::vector<std::string>{plain, "ran-by-entry"}));

  box.AddSystemType("application/x-env", "*.env");
  box.AddSystemEntry("env.desktop", "env GRIDORA_X=1 " + plain + " -n %u");
  box.SetDefault("application/x-env", "env.desktop");
  const std::string doc = box.Path("a.env");
  EXPECT_EQ(Opened(doc), (std::vector<std::string>{plain, "-n", doc}));
}

// A program that runs in a terminal gets one from GIO.
TEST_F(OpenDocumentEndToEndTest, terminalProgramIsStartedInATerminal) {
  box.SearchPath = box.Path("bin");
  std::filesystem::create_symlink(GRIDORA_RECORDER_PATH, box.Path("bin/xterm"));
  box.AddSystemEntry("vim.desktop", plain + " %f", "", "Terminal=true\n");
  box.SetDefault("text/plain", "vim.desktop");
  const std::string doc = box.Path("notes.txt");
  EXPECT_EQ(Opened(doc), (std::vector<std::string>{box.Path("bin/xterm"), "-e", plain, doc}));
}

// Help is a web page: the browser that opens https links first, and never a
// program that needs a terminal (it would have none).
TEST_F(OpenDocumentEndToEndTest, helpSkipsTerminalProgramsForTheBrowser) {
  const std::string browser = box.Path("bin/browser");
  std::filesystem::create_symlink(GRIDORA_RECORDER_PATH, browser);
  std::filesystem::create_symlink(GRIDORA_RECORDER_PATH, box.Path("bin/xterm"));
  box.AddSystemEntry("vim.desktop", plain + " %f", "", "Terminal=true\n");
  box.AddSystemEntry("browser.desktop", browser + " %u");
  box.SetDefault("text/html", "vim.desktop");
  box.SetDefault("x-scheme-handler/https", "browser.desktop");
  EXPECT_EQ(box.Probe({"help"}).out, "YIELDS 1\n");
  const auto argv = box.WaitForRecord();
  ASSERT_TRUE(argv);
  ASSERT_EQ(argv->size(), 2u);
  EXPECT_EQ((*argv)[0], browser);
  EXPECT_EQ(std::filesystem::path((*argv)[1]).filename(), "gridora.html");

  box.SetDefault("x-scheme-handler/https", "vim.desktop");
  EXPECT_EQ(box.Probe({"help"}).out,
            "YIELDS 1\nMESSAGE ヘルプ表示不可能|ブラウザが発見できませんでした。\r\n"
            "HTML で書かれたヘルプが表示できません。\n");
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
