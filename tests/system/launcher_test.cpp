// SPDX-License-Identifier: MIT
#include "system/launcher.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/recording_screen.h"
#include "system/app_paths.h"

namespace gridora::testing {
namespace {

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
  std::map<std::string, std::string> types;                 // extension -> type
  std::map<std::string, DesktopProgram> programs;           // type -> default
  std::vector<std::string> asked;                           // extensions looked up
  std::vector<std::pair<std::string, std::string>> opened;  // program id, path
  std::set<std::string> broken;                             // programs that do not start
  std::string TypeOfExtension(const std::string& extension) override {
    asked.push_back(extension);
    const auto found = types.find(extension);
    return found == types.end() ? "" : found->second;
  }
  std::optional<DesktopProgram> DefaultProgramOf(const std::string& type) override {
    const auto found = programs.find(type);
    if (found == programs.end()) return std::nullopt;
    return found->second;
  }
  bool Open(const DesktopProgram& program, const std::string& path) override {
    if (broken.count(program.id) != 0) return false;
    opened.emplace_back(program.id, path);
    return true;
  }
};

constexpr const char* kCannotStart =
    "ヘルプ表示不可能|ブラウザが発見できませんでした。\r\nHTML で書かれたヘルプが表示できません。";
constexpr const char* kCannotOpen = "ロード失敗|このファイルを開くことはできませんでした";

class OpenDocumentTest : public ::testing::Test {
 protected:
  AppState state;
  RecordingScreen screen;
  App app{state, screen};
  FakeRegistry registry;
  void SetUp() override {
    registry.types = {{".txt", "text/plain"}, {".html", "text/html"}, {".odd", "x/odd"}};
    registry.programs = {{"text/plain", {"editor.desktop", false}},
                         {"text/html", {"browser.desktop", false}}};
  }
  // "title|text" of every message box shown.
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : screen.messages) {
      EXPECT_EQ(m.icon, MessageIcon::Information);
      EXPECT_EQ(m.buttons, MessageButtons::Ok);
      texts.push_back(m.title + "|" + m.text);
    }
    return texts;
  }
};

TEST_F(OpenDocumentTest, programOfTheTypeOrOfTextOrAMessage) {
  struct Case {
    std::string document;
    std::vector<std::string> asked;
    std::string openedBy;  // "" when nothing may be started
    std::string message;
  };
  const std::vector<Case> cases = {
      {"/h/my \"help\"; rm -rf ~.html", {".html"}, "browser.desktop", ""},
      {"/d/page.html old", {".html"}, "browser.desktop", ""},
      {"/d/a.unknown", {".unknown", ".txt"}, "editor.desktop", ""},
      {"/d/noextension", {".txt"}, "editor.desktop", ""},
      // A type whose default application is missing is not opened as text.
      {"/d/a.odd", {".odd"}, "", kCannotStart},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.document);
    registry.asked.clear();
    registry.opened.clear();
    screen.messages.clear();
    OpenWithAssociatedProgram(app, c.document, registry);
    EXPECT_EQ(registry.asked, c.asked);
    if (c.openedBy.empty()) {
      EXPECT_TRUE(registry.opened.empty());
    } else {
      EXPECT_EQ(registry.opened, (decltype(registry.opened){{c.openedBy, c.document}}));
    }
    EXPECT_EQ(Messages(),
              c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
  }
}

TEST_F(OpenDocumentTest, relativeNameIsTakenInApplicationFolder) {
  OpenWithAssociatedProgram(app, "gridora.html", registry);
  ASSERT_EQ(registry.opened.size(), 1u);
  EXPECT_EQ(registry.opened[0].second, ApplicationFolder() + "/gridora.html");
}

TEST_F(OpenDocumentTest, noTypeForTextOrNoStartGiveTheirMessages) {
  registry.types.erase(".txt");
  OpenWithAssociatedProgram(app, "/d/a.unknown", registry);
  registry.broken = {"browser.desktop"};
  OpenWithAssociatedProgram(app, "/d/a.html", registry);
  EXPECT_EQ(Messages(), (std::vector<std::string>{kCannotOpen, kCannotStart}));
}

TEST_F(OpenDocumentTest, helpGoesToTheBrowserNeverToATerminalProgram) {
  const DesktopProgram browser{"browser.desktop", false};
  const DesktopProgram viewer{"viewer.desktop", false};
  const DesktopProgram vim{"vim.desktop", true};
  struct Case {
    std::optional<DesktopProgram> https, html;
    std::string openedBy;  // "" for the message
  };
  const std::vector<Case> cases = {
      {browser, viewer, "browser.desktop"},
      {std::nullopt, viewer, "viewer.desktop"},
      {vim, viewer, "viewer.desktop"},
      {browser, vim, "browser.desktop"},
      {vim, vim, ""},
      {std::nullopt, std::nullopt, ""},
  };
  for (const Case& c : cases) {
    registry.programs.clear();
    registry.opened.clear();
    screen.messages.clear();
    if (c.https) registry.programs["x-scheme-handler/https"] = *c.https;
    if (c.html) registry.programs["text/html"] = *c.html;
    const long yields = screen.yieldCount;
    ShowHelp(app, registry, "/app/gridora.html");
    SCOPED_TRACE(c.openedBy);
    EXPECT_EQ(screen.yieldCount, yields + 1);
    if (c.openedBy.empty()) {
      EXPECT_TRUE(registry.opened.empty());
      EXPECT_EQ(Messages(), (std::vector<std::string>{kCannotStart}));
    } else {
      EXPECT_EQ(registry.opened, (decltype(registry.opened){{c.openedBy, "/app/gridora.html"}}));
      EXPECT_TRUE(screen.messages.empty());
    }
  }
  // A browser that does not start leaves the HTML viewer to try.
  registry.programs = {{"x-scheme-handler/https", browser}, {"text/html", viewer}};
  registry.broken = {"browser.desktop"};
  registry.opened.clear();
  screen.messages.clear();
  ShowHelp(app, registry, "/app/gridora.html");
  EXPECT_EQ(registry.opened, (decltype(registry.opened){{"viewer.desktop", "/app/gridora.html"}}));
  EXPECT_TRUE(screen.messages.empty());
}

}  // namespace
}  // namespace gridora::testing
