// SPDX-License-Identifier: MIT
#include "core/file_commands.h"

#include <sys/stat.h>

#include "core/board.h"
#include "core/puzzle_file.h"
#include "support/file_fixture.h"
#include "support/test_log.h"

namespace gridora::testing {
namespace {

namespace fs = std::filesystem;

class FileCommandsTest : public CoreTest {
 protected:
  TempDir dir;

  // A puzzle with unsaved changes.
  void Edit() { SetCell(app, 0, 5); }

  // Only the files a user put there: no temporary left behind.
  std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  void ExpectSaveFailureMessage() {
    ASSERT_FALSE(screen.messages.empty());
    EXPECT_EQ(screen.messages.back().text, "ディスクにアクセスできません。");
    EXPECT_EQ(screen.messages.back().title, "セーブ失敗");
    EXPECT_EQ(screen.messages.back().icon, MessageIcon::Information);
    // The user sees the short message; the log keeps the path and the cause.
    const std::vector<std::string> log = LoggedLines();
    ASSERT_FALSE(log.empty());
    const std::string prefix = "gridora.files: cannot save ";
    EXPECT_EQ(log.back().rfind(prefix, 0), 0u) << log.back();
    EXPECT_GT(log.back().rfind(": "), prefix.size()) << log.back();  // path, then the cause
  }
};

TEST_F(FileCommandsTest, fileDialogIsSetUpForPuzzleFiles) {
  const FileDialogRequest request = PrepareFileDialog(state, FileDialogMode::Save);
  EXPECT_EQ(request.mode, FileDialogMode::Save);
  EXPECT_EQ(request.initialDirectory, "");
  EXPECT_EQ(request.initialFileName, "Sample.gdr");
  EXPECT_EQ(request.filterDescription, "ﾅﾝﾌﾟﾚﾃﾞｰﾀ(*.gdr)");
  EXPECT_EQ(request.filterPattern, "*.gdr");
  EXPECT_EQ(request.defaultSuffix, "gdr");
  EXPECT_TRUE(request.confirmOverwrite);
  EXPECT_TRUE(request.hideReadOnly);
  state.PuzzleFileName = "/home/u/q1.gdr";
  EXPECT_EQ(PrepareFileDialog(state, FileDialogMode::Open).initialFileName, "/home/u/q1.gdr");
  EXPECT_EQ(PrepareFileDialog(state, FileDialogMode::Open).mode, FileDialogMode::Open);
}

TEST_F(FileCommandsTest, saveOfANeverSavedPuzzleAsksForANameAndRemembersIt) {
  Edit();
  const std::string path = dir / "new.gdr";
  screen.scriptedPaths.push_back(path);
  ASSERT_TRUE(SavePuzzle(app));
  ASSERT_EQ(screen.fileDialogs.size(), 1u);
  EXPECT_EQ(screen.fileDialogs[0].mode, FileDialogMode::Save);
  EXPECT_EQ(screen.fileDialogs[0].initialFileName, "Sample.gdr");
  EXPECT_EQ(state.PuzzleFileName, path);
  EXPECT_FALSE(state.DataChanged);
  EXPECT_EQ(screen.informText, "ファイルを保存しました");
  EXPECT_EQ(screen.Property(PropertyLabel::FileName), "new");
  EXPECT_EQ(ReadBytes(path), FormatPuzzleFile(PuzzleFileOf(state)));
  EXPECT_TRUE(screen.messages.empty());

  // The next Save overwrites without asking.
  SetCell(app, 1, 6);
  ASSERT_TRUE(SavePuzzle(app));
  EXPECT_EQ(screen.fileDialogs.size(), 1u);
  EXPECT_EQ(ReadBytes(path).find("\r\n560000000\r\n") != std::string::npos, true);
  EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"new.gdr"});
}

TEST_F(FileCommandsTest, saveDoesNotAddAnUndoStep) {
  BulkSet({{0, 1}, {1, 2}});
  const int pos = state.HistoryPos;
  screen.scriptedPaths.push_back(dir / "a.gdr");
  ASSERT_TRUE(SavePuzzleAs(app));
  EXPECT_EQ(state.HistoryPos, pos);
  EXPECT_EQ(state.HistoryTop, pos);
}

TEST_F(FileCommandsTest, cancelledSaveAsChangesNothing) {
  Edit();
  const AppState before = state;
  EXPECT_FALSE(SavePuzzleAs(app));
  EXPECT_EQ(screen.fileDialogs.size(), 1u);
  ExpectSamePuzzle(state, before);
  EXPECT_TRUE(screen.messages.empty());
  EXPECT_TRUE(FilesIn(dir.path()).empty());
}

TEST_F(FileCommandsTest, failedSaveKeepsTheOldFileNameAndFlag) {
  const std::string good = dir / "good.gdr";
  screen.scriptedPaths.push_back(good);
  ASSERT_TRUE(SavePuzzleAs(app));
  const std::string oldBytes = ReadBytes(good);
  Edit();
  fs::create_directory(dir.path() / "folder.gdr");
  for (const std::string& target : {dir / "no-such-folder/x.gdr", dir / "folder.gdr", dir / ""}) {
    screen.scriptedPaths.push_back(target);
    const std::size_t messages = screen.messages.size();
    EXPECT_FALSE(SavePuzzleAs(app)) << target;
    EXPECT_EQ(screen.messages.size(), messages + 1);
    ExpectSaveFailureMessage();
    EXPECT_EQ(state.PuzzleFileName, good);
    EXPECT_TRUE(state.DataChanged);
  }
  EXPECT_EQ(ReadBytes(good), oldBytes);
  EXPECT_TRUE(fs::is_directory(dir.path() / "folder.gdr"));
  EXPECT_TRUE(fs::is_empty(dir.path() / "folder.gdr"));
  EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"folder.gdr", "good.gdr"}));
}

TEST_F(FileCommandsTest, saveIntoAFolderThatWasRemovedFails) {
  fs::create_directory(dir.path() / "gone");
  screen.scriptedPaths.push_back(dir / "gone/p.gdr");
  ASSERT_TRUE(SavePuzzleAs(app));
  fs::remove_all(dir.path() / "gone");
  Edit();
  EXPECT_FALSE(SavePuzzle(app));
  ExpectSaveFailureMessage();
  EXPECT_TRUE(state.DataChanged);
  EXPECT_EQ(screen.fileDialogs.size(), 1u);  // Save does not fall back to Save As
}

TEST_F(FileCommandsTest, saveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
  if (!PermissionsStopWrites(dir)) GTEST_SKIP() << "permissions do not stop this user";
  const fs::path folder = dir.path() / "locked";
  fs::create_directory(folder);
  const std::string target = (folder / "p.gdr").string();
  screen.scriptedPaths.push_back(target);
  ASSERT_TRUE(SavePuzzleAs(app));
  const std::string oldBytes = ReadBytes(target);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  Edit();
  EXPECT_FALSE(SavePuzzle(app));
  fs::permissions(folder, fs::perms::owner_all);
  ExpectSaveFailureMessage();
  EXPECT_TRUE(state.DataChanged);
  EXPECT_EQ(ReadBytes(target), oldBytes);
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"p.gdr"});
}

TEST_F(FileCommandsTest, writeProtectedFileIsNotReplaced) {
  if (!PermissionsStopWrites(dir)) GTEST_SKIP() << "permissions do not stop this user";
  const std::string target = dir / "kept.gdr";
  WriteBytes(target, "old");
  ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
  state.PuzzleFileName = target;
  Edit();
  EXPECT_FALSE(SavePuzzle(app));
  ExpectSaveFailureMessage();
  EXPECT_EQ(ReadBytes(target), "old");
  EXPECT_TRUE(state.DataChanged);
}

TEST_F(FileCommandsTest, saveKeepsPermissionsAndLinks) {
  const std::string real = dir / "real.gdr";
  WriteBytes(real, "old");
  ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
  const std::string link = dir / "link.gdr";
  fs::create_symlink(real, link);
  screen.scriptedPaths.push_back(link);
  ASSERT_TRUE(SavePuzzleAs(app));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), FormatPuzzleFile(PuzzleFileOf(state)));
  struct stat info {};
  ASSERT_EQ(::stat(real.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// Saving goes through links to the file they name, creating it when it is
// missing; a loop of links and anything but a regular file are refused
// with the save failure, and left as they were.
TEST_F(FileCommandsTest, savingThroughLinksPipesAndLoops) {
  const std::string dangling = dir / "a.gdr";
  fs::create_symlink("gone.gdr", dangling);
  const std::string chain = dir / "chain.gdr";
  fs::create_symlink("a.gdr", chain);  // a link to the dangling link
  const std::string loop = dir / "loop.gdr";
  fs::create_symlink("loop2.gdr", loop);
  fs::create_symlink("loop.gdr", dir / "loop2.gdr");
  const std::string fifo = dir / "pipe.gdr";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string folder = dir / "folder.gdr";
  fs::create_directory(folder);
  const std::string toFifo = dir / "tofifo.gdr";
  fs::create_symlink("pipe.gdr", toFifo);

  struct Case {
    std::string path;
    bool saved;
  };
  for (const Case& c : std::vector<Case>{{chain, true},
                                         {dangling, true},
                                         {loop, false},
                                         {fifo, false},
                                         {folder, false},
                                         {toFifo, false}}) {
    SCOPED_TRACE(c.path);
    screen.messages.clear();
    screen.scriptedPaths.push_back(c.path);
    Edit();
    EXPECT_EQ(SavePuzzleAs(app), c.saved);
    if (c.saved) {
      EXPECT_TRUE(screen.messages.empty());
    } else {
      ExpectSaveFailureMessage();
    }
  }
  EXPECT_TRUE(fs::is_symlink(dangling));
  EXPECT_TRUE(fs::is_symlink(chain));
  EXPECT_EQ(ReadBytes(dir / "gone.gdr"), FormatPuzzleFile(PuzzleFileOf(state)));
  EXPECT_TRUE(fs::is_symlink(loop));
  EXPECT_EQ(fs::read_symlink(loop), "loop2.gdr");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_TRUE(fs::is_symlink(toFifo));
  EXPECT_EQ(FilesIn(dir.path()).size(), 8u);  // no temporary file left
}

TEST_F(FileCommandsTest, openLoadsTheChosenFile) {
  const std::string path = TestDataPath("golden9.gdr");
  screen.scriptedPaths.push_back(path);
  EXPECT_TRUE(OpenPuzzle(app));
  ASSERT_EQ(screen.fileDialogs.size(), 1u);
  EXPECT_EQ(screen.fileDialogs[0].mode, FileDialogMode::Open);
  EXPECT_EQ(state.PuzzleFileName, path);
  EXPECT_EQ(Code(0), 5);
}

TEST_F(FileCommandsTest, noThenCancelledOpenKeepsTheEditedPuzzle) {
  Edit();
  screen.scriptedAnswers.push_back(MessageAnswer::No);
  ASSERT_TRUE(ConfirmSaveChanges(app));
  EXPECT_FALSE(state.DataChanged);
  EXPECT_FALSE(OpenPuzzle(app));
  EXPECT_EQ(Code(0), 5);
  EXPECT_FALSE(state.DataChanged);
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text, "ナンプレデータが変更されています。\r\n保存しますか？");
  EXPECT_EQ(screen.messages[0].title, "セーブ確認");
  EXPECT_EQ(screen.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(screen.messages[0].icon, MessageIcon::None);
}

TEST_F(FileCommandsTest, confirmAsksOnlyWhenSomethingChanged) {
  EXPECT_TRUE(ConfirmSaveChanges(app));
  EXPECT_TRUE(screen.messages.empty());
  Edit();
  screen.scriptedAnswers.push_back(MessageAnswer::Cancel);
  EXPECT_FALSE(ConfirmSaveChanges(app));
  EXPECT_TRUE(state.DataChanged);
  EXPECT_TRUE(screen.fileDialogs.empty());
}

TEST_F(FileCommandsTest, yesSavesAndLetsTheCommandGoAhead) {
  Edit();
  screen.scriptedAnswers.push_back(MessageAnswer::Yes);
  screen.scriptedPaths.push_back(dir / "kept.gdr");
  EXPECT_TRUE(ConfirmSaveChanges(app));
  EXPECT_FALSE(state.DataChanged);
  EXPECT_EQ(ReadBytes(dir / "kept.gdr"), FormatPuzzleFile(PuzzleFileOf(state)));
}

TEST_F(FileCommandsTest, yesWithACancelledOrFailedSaveKeepsTheWork) {
  Edit();
  screen.scriptedAnswers.push_back(MessageAnswer::Yes);  // then the dialog is cancelled
  EXPECT_FALSE(ConfirmSaveChanges(app));
  EXPECT_TRUE(state.DataChanged);

  screen.scriptedAnswers.push_back(MessageAnswer::Yes);
  screen.scriptedPaths.push_back(dir / "missing/x.gdr");
  EXPECT_FALSE(ConfirmSaveChanges(app));
  ExpectSaveFailureMessage();
  EXPECT_TRUE(state.DataChanged);
  EXPECT_EQ(state.PuzzleFileName, "(未定)");
  EXPECT_EQ(Code(0), 5);
}

}  // namespace
}  // namespace gridora::testing
