// SPDX-License-Identifier: MIT
#include "core/command_line.h"

#include "support/file_fixture.h"

namespace gridora::testing {
namespace {

namespace fs = std::filesystem;

class CommandLineTest : public CoreTest {
 protected:
  TempDir dir;
  std::vector<std::string> handedOver;

  void Open(const std::vector<std::string>& args) {
    OpenCommandLineDocument(app, args,
                            [this](const std::string& path) { handedOver.push_back(path); });
  }

  std::string CopyOfGolden(const std::string& relative) {
    const fs::path target = dir.path() / relative;
    fs::create_directories(target.parent_path());
    fs::copy_file(TestDataPath("golden9.gdr"), target);
    return target.string();
  }
};

TEST_F(CommandLineTest, puzzleFileIsLoadedInAnyLetterCase) {
  for (const char* name : {"a.gdr", "B.GDR", "c.Gdr"}) {
    const std::string path = CopyOfGolden(name);
    NewPuzzle9(app);
    Open({path, "ignored second argument"});
    EXPECT_EQ(state.PuzzleFileName, path);
    EXPECT_EQ(Code(0), 5);
  }
  EXPECT_TRUE(handedOver.empty());
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(CommandLineTest, folderNamedLikeAPuzzleFileIsPartOfThePath) {
  const std::string path = CopyOfGolden("x.gdr/a.gdr");
  Open({path});
  EXPECT_EQ(state.PuzzleFileName, path);
  EXPECT_EQ(screen.Property(PropertyLabel::FileName), "a");
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(CommandLineTest, failedLoadLeavesTheEmptyPuzzle) {
  Open({dir / "missing.gdr"});
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text, "データファイルにアクセスできません。");
  EXPECT_EQ(state.PuzzleFileName, "(未定)");
  EXPECT_EQ(state.Board, BoardCodes{});
  EXPECT_TRUE(handedOver.empty());
}

TEST_F(CommandLineTest, otherDocumentsAreHandedOver) {
  Open({"/home/u/readme.txt"});
  Open({"/home/u/a.gdr.txt"});
  EXPECT_EQ(handedOver, (std::vector<std::string>{"/home/u/readme.txt", "/home/u/a.gdr.txt"}));
  EXPECT_EQ(state.PuzzleFileName, "(未定)");
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(CommandLineTest, emptyCommandLineDoesNothing) {
  const AppState before = state;
  Open({});
  Open({""});
  EXPECT_TRUE(handedOver.empty());
  EXPECT_TRUE(screen.messages.empty());
  ExpectSamePuzzle(state, before);
  // Without a hand-over function other documents are ignored.
  OpenCommandLineDocument(app, {"notes.txt"});
  EXPECT_TRUE(screen.messages.empty());
}

}  // namespace
}  // namespace gridora::testing
