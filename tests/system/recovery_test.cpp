// SPDX-License-Identifier: MIT
// The recovery copy's files: where they live, who may keep them, and that
// the copy always matches the puzzle's unsaved state.

#include "system/recovery.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "core/puzzle_file.h"
#include "support/core_fixture.h"
#include "support/temp_dir.h"

namespace gridora::testing {
namespace {

namespace fs = std::filesystem;

TEST(RecoveryTest, stateFolderFollowsTheBaseDirectoryRules) {
  EXPECT_EQ(StateFolderFor("/x/state", "/home/u"), "/x/state/gridora");
  // Unset, empty and relative values fall back to the home folder.
  EXPECT_EQ(StateFolderFor(nullptr, "/home/u"), "/home/u/.local/state/gridora");
  EXPECT_EQ(StateFolderFor("", "/home/u"), "/home/u/.local/state/gridora");
  EXPECT_EQ(StateFolderFor("rel/state", "/home/u"), "/home/u/.local/state/gridora");
  EXPECT_EQ(StateFolderFor(nullptr, nullptr), "");
  EXPECT_EQ(StateFolderFor(nullptr, "relative"), "");
  EXPECT_EQ(RecoveryFilesIn("").copy, "");
  RecoveryKeeper nowhere(RecoveryFilesIn(""));
  EXPECT_FALSE(nowhere.Claim());
}

ino_t InodeOf(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

class RecoveryCopyTest : public CoreTest {};

TEST_F(RecoveryCopyTest, copyFollowsTheUnsavedPuzzleAndBelongsToOneProgram) {
  TempDir dir;
  const RecoveryFiles files = RecoveryFilesIn((dir.path() / "state/gridora").string());
  const std::string golden = ReadBytes(TestDataPath("golden9.gdr"));
  ASSERT_TRUE(ParsePuzzleFile(golden).puzzle);
  const PuzzleFile puzzle = *ParsePuzzleFile(golden).puzzle;
  ApplyPuzzleFile(app, puzzle, "/home/u/パズル.gdr");

  {
    RecoveryKeeper keeper(files);
    ASSERT_TRUE(keeper.Claim());  // creates the folder
    RecoveryKeeper second(files);
    EXPECT_FALSE(second.Claim()) << "a second program must not share the copy";

    // Nothing unsaved: no copy.
    EXPECT_TRUE(keeper.Update(state));
    EXPECT_FALSE(fs::exists(files.copy));

    // Unsaved: the copy holds exactly the puzzle file's bytes, the owner
    // file the path.
    state.DataChanged = true;
    ASSERT_TRUE(keeper.Update(state));
    EXPECT_EQ(ReadBytes(files.copy), golden);
    EXPECT_EQ(ReadBytes(files.owner), "/home/u/パズル.gdr\n");
    // The other program leaves it alone.
    second.Discard();
    EXPECT_FALSE(second.Pending());
    EXPECT_TRUE(fs::exists(files.copy));
    // The same bytes again are not written again.
    const ino_t first = InodeOf(files.copy);
    ASSERT_TRUE(keeper.Update(state));
    EXPECT_EQ(InodeOf(files.copy), first);
    // A change is.
    state.Board[0] = 0;
    ASSERT_TRUE(keeper.Update(state));
    EXPECT_NE(ReadBytes(files.copy), golden);
    EXPECT_EQ(ParsePuzzleFile(ReadBytes(files.copy)).puzzle->Board[0], 0);
    // The program ends here without a clean end (it is killed).
  }

  // The next program finds the copy and its file name.
  RecoveryKeeper next(files);
  ASSERT_TRUE(next.Claim());
  const auto left = next.Pending();
  ASSERT_TRUE(left);
  EXPECT_EQ(left->fileName, "/home/u/パズル.gdr");
  EXPECT_EQ(left->puzzle.Board, state.Board);
  EXPECT_EQ(left->puzzle.PuzzleAuthor, puzzle.PuzzleAuthor);
  // Saved (nothing unsaved any more): both files go.
  state.DataChanged = false;
  ASSERT_TRUE(next.Update(state));
  EXPECT_FALSE(fs::exists(files.copy));
  EXPECT_FALSE(fs::exists(files.owner));
  EXPECT_FALSE(next.Pending());

  // A puzzle never saved comes back without a file name; a copy that is
  // not a puzzle file is thrown away.
  state.PuzzleFileName = kNoFileName;
  state.DataChanged = true;
  ASSERT_TRUE(next.Update(state));
  ASSERT_TRUE(next.Pending());
  EXPECT_EQ(next.Pending()->fileName, kNoFileName);
  WriteBytes(files.copy, "not a puzzle\r\n");
  EXPECT_FALSE(next.Pending());
  EXPECT_FALSE(fs::exists(files.copy));
}

// A game in play is unsaved work of its own: the copy stays while it is
// played, even when the puzzle has no changes (a generated puzzle never
// saved, or a saved one on which only notes were made), and the copy tells
// whether its file still holds the same puzzle.
TEST_F(RecoveryCopyTest, aGameInPlayKeepsTheCopyOfAnUnchangedPuzzle) {
  TempDir dir;
  const RecoveryFiles files = RecoveryFilesIn((dir.path() / "state").string());
  const std::string golden = ReadBytes(TestDataPath("golden9.gdr"));
  const std::string saved = (dir.path() / "saved.gdr").string();
  WriteBytes(saved, golden);
  ApplyPuzzleFile(app, *ParsePuzzleFile(golden).puzzle, saved);
  ASSERT_FALSE(state.DataChanged);
  RecoveryKeeper keeper(files);
  ASSERT_TRUE(keeper.Claim());
  const CellCode given = state.Board[80];

  struct Case {
    std::string fileName;
    bool changed;
    bool gameInPlay;
    bool copy;        // a copy is kept
    bool sameAsFile;  // and found to be its file's puzzle
  };
  const Case cases[] = {
      {saved, false, false, false, false},
      {saved, false, true, true, true},
      {saved, true, true, true, false},
      {saved, true, false, true, false},
      {kNoFileName, false, true, true, false},
      {kNoFileName, false, false, false, false},
      {(dir.path() / "gone.gdr").string(), false, true, true, false},
  };
  for (const Case& c : cases) {
    state.PuzzleFileName = c.fileName;
    state.DataChanged = c.changed;
    state.Board[80] = c.changed ? CellCode{0} : given;  // a change: the 9 erased
    ASSERT_TRUE(keeper.Update(state, c.gameInPlay));
    EXPECT_EQ(fs::exists(files.copy), c.copy) << c.fileName << c.changed << c.gameInPlay;
    const auto left = keeper.Pending();
    ASSERT_EQ(left.has_value(), c.copy);
    if (!left) continue;
    EXPECT_EQ(left->fileName, c.fileName);
    EXPECT_EQ(left->puzzle.Board, state.Board);
    EXPECT_EQ(left->sameAsFile, c.sameAsFile) << c.fileName << c.changed << c.gameInPlay;
  }
}

}  // namespace
}  // namespace gridora::testing
