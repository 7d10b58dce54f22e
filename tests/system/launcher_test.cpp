#include "system/launcher.h"

#include <gtest/gtest.h>

#include <map>

#include "core/recording_screen.h"
#include "system/app_paths.h"

namespace gridora::testing {
namespace {

TEST(LauncherTest, programPartEndsAtBlankBeforeOneOfTwelveCharacters) {
  EXPECT_EQ(ProgramPartOf("/usr/bin/viewer %f"), "/usr/bin/viewer");
  EXPECT_EQ(ProgramPartOf("\"/opt/My Tools/viewer\" -n %f"), "/opt/My Tools/viewer");
  EXPECT_EQ(ProgramPartOf("/usr/bin/viewer"), "/usr/bin/viewer");
  // A blank before an ordinary character belongs to the program.
  EXPECT_EQ(ProgramPartOf("/opt/My Tools/viewer %U"), "/opt/My Tools/viewer");
  EXPECT_EQ(ProgramPartOf("/opt/a b/viewer"), "/opt/a b/viewer");
  for (const char* stop : {"/", "-", "_", "|", "%", "&", "~", "\"", " ", "\\", "^", "$"}) {
    EXPECT_EQ(ProgramPartOf(std::string("prog ") + stop + "x"), "prog") << stop;
  }
  EXPECT_EQ(ProgramPartOf("prog x y"), "prog x y");
  EXPECT_EQ(ProgramPartOf("\"/opt/a\\$b\\\\c/v\" %f"), "/opt/a$b\\c/v");
  // A backslash after a blank ends the program even inside quotes.
  EXPECT_EQ(ProgramPartOf("\"/opt/say \\\"hi\\\"/v\" %f"), "\"/opt/say");
  EXPECT_EQ(ProgramPartOf(""), "");
}

TEST(LauncherTest, extensionComesFromFileNameOnly) {
  EXPECT_EQ(DocumentExtension("/home/u/help.html"), ".html");
  EXPECT_EQ(DocumentExtension("/home/u/a.b c/readme"), ".txt");
  EXPECT_EQ(DocumentExtension("/home/u/x.gdr/a.TXT"), ".TXT");
  EXPECT_EQ(DocumentExtension("notes"), ".txt");
  EXPECT_EQ(DocumentExtension("/home/u/my file.tar.gz"), ".gz");
}

// The extension runs from the last "." of the name up to the next blank.
TEST(LauncherTest, extensionEndsAtNextBlank) {
  EXPECT_EQ(DocumentExtension("/home/u/song.mp3 (copy)"), ".mp3");
  EXPECT_EQ(DocumentExtension("/home/u/page.html old"), ".html");
  EXPECT_EQ(DocumentExtension("/home/u/a b.txt"), ".txt");
  EXPECT_EQ(DocumentExtension("/home/u/a.b c/readme x"), ".txt");
}

class FakeRegistry : public ProgramRegistry {
 public:
  std::map<std::string, std::string> types;     // extension -> type
  std::map<std::string, std::string> commands;  // type -> command
  std::vector<std::string> asked;
  std::string TypeOfExtension(const std::string& extension) override {
    asked.push_back(extension);
    const auto found = types.find(extension);
    return found == types.end() ? "" : found->second;
  }
  std::string OpenCommandOf(const std::string& type) override {
    const auto found = commands.find(type);
    return found == commands.end() ? "" : found->second;
  }
};

class FakeStarter : public ProgramStarter {
 public:
  bool works = true;
  std::vector<std::vector<std::string>> started;
  bool Start(const std::vector<std::string>& argv) override {
    if (works) started.push_back(argv);
    return works;
  }
};

class OpenDocumentTest : public ::testing::Test {
 protected:
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  FakeRegistry registry;
  FakeStarter starter;
  void SetUp() override {
    registry.types = {{".txt", "text/plain"}, {".html", "text/html"}, {".odd", "x/odd"}};
    registry.commands = {{"text/plain", "/usr/bin/editor %f"},
                         {"text/html", "\"/opt/Web Browser/browser\" --new-window %u"}};
  }
  void Open(const std::string& document) {
    OpenWithAssociatedProgram(app, document, registry, starter);
  }
};

TEST_F(OpenDocumentTest, registeredProgramGetsThePathAsOneArgument) {
  Open("/home/u/my \"help\"; rm -rf ~.html");
  ASSERT_EQ(starter.started.size(), 1u);
  EXPECT_EQ(starter.started[0], (std::vector<std::string>{"/opt/Web Browser/browser",
                                                          "/home/u/my \"help\"; rm -rf ~.html"}));
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(OpenDocumentTest, relativeNameIsTakenInApplicationFolder) {
  Open("gridora.html");
  ASSERT_EQ(starter.started.size(), 1u);
  EXPECT_EQ(starter.started[0][1], ApplicationFolder() + "/gridora.html");
}

TEST_F(OpenDocumentTest, typeWithoutTypeOrProgramFallsBackToText) {
  Open("/d/a.unknown");
  Open("/d/a.odd");  // a type, but no program for it
  Open("/d/noextension");
  ASSERT_EQ(starter.started.size(), 3u);
  for (const auto& argv : starter.started) EXPECT_EQ(argv[0], "/usr/bin/editor");
  EXPECT_EQ(starter.started[1][1], "/d/a.odd");
  EXPECT_EQ(registry.asked, (std::vector<std::string>{".unknown", ".txt", ".odd", ".txt", ".txt"}));
}

TEST_F(OpenDocumentTest, wordsAfterTheExtensionDoNotChangeTheProgram) {
  Open("/d/page.html old");
  ASSERT_EQ(starter.started.size(), 1u);
  EXPECT_EQ(starter.started[0],
            (std::vector<std::string>{"/opt/Web Browser/browser", "/d/page.html old"}));
  EXPECT_EQ(registry.asked, (std::vector<std::string>{".html"}));
}

TEST_F(OpenDocumentTest, noProgramEvenForTextGivesLoadFailure) {
  registry.commands.erase("text/plain");
  Open("/d/a.unknown");
  EXPECT_TRUE(starter.started.empty());
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text, "このファイルを開くことはできませんでした");
  EXPECT_EQ(screen.messages[0].title, "ロード失敗");
  EXPECT_EQ(screen.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(screen.messages[0].buttons, MessageButtons::Ok);
}

TEST_F(OpenDocumentTest, programThatCannotStartGivesHelpMessage) {
  starter.works = false;
  Open("/d/a.html");
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text,
            "ブラウザが発見できませんでした。\r\nHTML で書かれたヘルプが表示できません。");
  EXPECT_EQ(screen.messages[0].title, "ヘルプ表示不可能");
  EXPECT_EQ(screen.messages[0].icon, MessageIcon::Information);
}

}  // namespace
}  // namespace gridora::testing
