// SPDX-License-Identifier: MIT
// The recovery copy through the window: kept while the puzzle has unsaved
// changes, gone once they are saved or given up, written at once when the
// session ends, and offered back at start-up.

#include <QFileDialog>
#include <QTemporaryDir>
#include <filesystem>

#include "core/puzzle_format.h"
#include "support/temp_dir.h"
#include "system/recovery.h"
#include "window_fixture.h"

namespace gridora::ui::testing {
namespace {

namespace fs = std::filesystem;
using gridora::testing::ReadBytes;
using gridora::testing::TestDataPath;
using gridora::testing::WriteBytes;

class RecoveryWindowTest : public WindowTest {
 protected:
  RecoveryFiles files =
      RecoveryFilesIn((config.path() + QStringLiteral("/state/gridora")).toStdString());

  bool HasCopy() const { return fs::exists(files.copy); }
  int CopiedCode(int cell) const {
    const auto parsed = ParsePuzzleFile(ReadBytes(files.copy));
    return parsed.puzzle ? parsed.puzzle->Board[static_cast<std::size_t>(cell)] : -1;
  }
};

TEST_F(RecoveryWindowTest, copyLastsWhileChangesAreUnsaved) {
  EXPECT_FALSE(HasCopy());
  Click(10);  // mouse mode: 1 into cell 10
  ASSERT_EQ(Code(10), 1);
  ASSERT_TRUE(WaitFor([&] { return HasCopy(); }));
  EXPECT_EQ(CopiedCode(10), 1);
  EXPECT_EQ(ReadBytes(files.owner), std::string(kNoFileName) + "\n");

  // Saved: the copy goes.
  const std::string path = (config.path() + QStringLiteral("/mine.gdr")).toStdString();
  dialogAction = [path](QDialog& dialog) {
    auto& chooser = dynamic_cast<QFileDialog&>(dialog);
    chooser.selectFile(QString::fromStdString(path));
    QMetaObject::invokeMethod(&chooser, "accept");
  };
  window->Menu().mnuFileSave->trigger();
  ASSERT_FALSE(state.DataChanged);
  ASSERT_TRUE(WaitFor([&] { return !HasCopy(); }));

  // The session ends: the copy and the settings are written at once,
  // without a question.
  SetCell(app(), 0, 5);
  const std::size_t asked = messages.size();
  window->PrepareSessionEnd();
  EXPECT_EQ(messages.size(), asked);
  ASSERT_TRUE(HasCopy());
  EXPECT_EQ(CopiedCode(0), 5);
  EXPECT_EQ(ReadBytes(files.owner), path + "\n");
  const std::string ini =
      ReadBytes((config.path() + QStringLiteral("/gridora/Gridora.ini")).toStdString());
  EXPECT_NE(ini.find("[Option]"), std::string::npos) << ini;

  // Quit, giving the changes up: no copy is left.
  answers.push_back(MessageAnswer::No);
  window->Menu().mnuFileQuit->trigger();
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(HasCopy());
}

TEST_F(RecoveryWindowTest, leftCopyIsOfferedOnceAndRestoredAsChanged) {
  gridora::testing::TempDir dir;
  const RecoveryFiles left = RecoveryFilesIn((dir.path() / "gridora").string());
  const std::string golden = ReadBytes(TestDataPath("golden9.gdr"));
  const std::string owner = (dir.path() / "puzzles/朝の問題.gdr").string();
  fs::create_directories(dir.path() / "gridora");

  // No: the copy is deleted and the empty puzzle stays.
  WriteBytes(left.copy, golden);
  WriteBytes(left.owner, owner + "\n");
  answers.push_back(MessageAnswer::No);
  window->StartRecovery(left);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "前回保存されなかった問題があります。復元しますか？");
  EXPECT_EQ(messages[0].title, "復元");
  EXPECT_EQ(messages[0].buttons, MessageButtons::YesNo);
  EXPECT_FALSE(fs::exists(left.copy));
  EXPECT_FALSE(fs::exists(left.owner));
  EXPECT_EQ(Code(0), 0);
  EXPECT_FALSE(state.DataChanged);

  // Yes: the puzzle comes back with its file name, still unsaved.
  WriteBytes(left.copy, golden);
  WriteBytes(left.owner, owner + "\n");
  answers.push_back(MessageAnswer::Yes);
  window->StartRecovery(left);
  ASSERT_EQ(messages.size(), 2u);
  const PuzzleFile expected = *ParsePuzzleFile(golden).puzzle;
  EXPECT_EQ(state.Board, expected.Board);
  EXPECT_EQ(state.PuzzleAuthor, expected.PuzzleAuthor);
  EXPECT_EQ(state.PuzzleFileName, owner);
  EXPECT_EQ(window->Property(PropertyLabel::FileName)->text(), QStringLiteral("朝の問題"));
  EXPECT_TRUE(state.DataChanged);
  EXPECT_TRUE(fs::exists(left.copy));
  // Quitting asks to save it.
  answers.push_back(MessageAnswer::Cancel);
  window->Menu().mnuFileQuit->trigger();
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[2].title, "セーブ確認");
}

}  // namespace
}  // namespace gridora::ui::testing
