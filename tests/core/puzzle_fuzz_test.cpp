// SPDX-License-Identifier: MIT
// Broken files: every prefix of a good file and thousands of random
// mutations must either load completely or be refused with the format
// message, leaving the previous puzzle exactly as it was.

#include <random>

#include "core/board.h"
#include "core/puzzle_file.h"
#include "support/file_fixture.h"

namespace gridora::testing {
namespace {

class PuzzleFuzzTest : public CoreTest {
 protected:
  TempDir dir;
  std::string path = dir / "case.gdr";
  int loaded = 0;
  int refused = 0;

  // A puzzle on screen that differs from anything a file can give.
  void MakePrevious() {
    BulkSet({{80, 2}, {79, MakeCode(3, kClassGreen)}});
    state.MemorySlot[2][0] = 4;
    state.DataChanged = true;
  }

  ::testing::AssertionResult LoadsWholeOrNotAtAll(const std::string& bytes) {
    WriteBytes(path, bytes);
    const AppState before = state;
    const std::size_t messages = screen.messages.size();
    const PuzzleParse parse = ParsePuzzleFile(bytes);
    if (LoadPuzzleFile(app, path)) {
      ++loaded;
      if (!parse.puzzle) return ::testing::AssertionFailure() << "loaded, but the parser refuses";
      const PuzzleFile& p = *parse.puzzle;
      const bool same =
          state.BoardSize == p.BoardSize && state.Board == p.Board &&
          state.PuzzleAuthor == p.PuzzleAuthor && state.PuzzleComment == p.PuzzleComment &&
          state.CharacterList == p.CharacterList && state.PuzzleFileName == path &&
          !state.DataChanged && screen.messages.size() == messages && state.MemorySlot[2][0] == 0;
      if (!same) return ::testing::AssertionFailure() << "loaded only in part";
      // What loads must save and load back unchanged.
      const PuzzleParse again = ParsePuzzleFile(FormatPuzzleFile(p));
      if (!again.puzzle || again.puzzle->Board != p.Board ||
          again.puzzle->PuzzleDate != p.PuzzleDate ||
          again.puzzle->PuzzleComment != p.PuzzleComment ||
          again.puzzle->CharacterList != p.CharacterList ||
          again.puzzle->PuzzleEnabled != p.PuzzleEnabled)
        return ::testing::AssertionFailure() << "does not survive a save";
      for (int i = 0; i < kMaxCells; ++i) {
        const int code = state.Board[static_cast<std::size_t>(i)];
        if (i >= state.CellCount() ? code != 0 : code > state.BoardSize)
          return ::testing::AssertionFailure() << "cell " << i << " holds " << code;
      }
      MakePrevious();
      return ::testing::AssertionSuccess();
    }
    ++refused;
    if (parse.puzzle) return ::testing::AssertionFailure() << "refused, but the parser accepts";
    if (screen.messages.size() != messages + 1 ||
        screen.messages.back().text != "データファイルの形式が違います。" ||
        screen.messages.back().title != "ロード失敗")
      return ::testing::AssertionFailure() << "refused without the format message";
    if (state.Board != before.Board || state.BoardSize != before.BoardSize ||
        state.PuzzleAuthor != before.PuzzleAuthor || state.CharacterList != before.CharacterList ||
        state.PuzzleFileName != before.PuzzleFileName || !state.DataChanged ||
        state.History != before.History || state.HistoryPos != before.HistoryPos ||
        state.MemorySlot != before.MemorySlot)
      return ::testing::AssertionFailure() << "the previous puzzle changed";
    return ::testing::AssertionSuccess();
  }
};

TEST_F(PuzzleFuzzTest, everyPrefixLoadsWholeOrNotAtAll) {
  MakePrevious();
  for (const char* name : {"golden9.gdr", "golden16.gdr"}) {
    const std::string good = ReadBytes(TestDataPath(name));
    ASSERT_GT(good.size(), 100u);
    for (std::size_t length = 0; length <= good.size(); ++length) {
      const int loadedBefore = loaded;
      ASSERT_TRUE(LoadsWholeOrNotAtAll(good.substr(0, length))) << name << " cut at " << length;
      // Only a cut in the final line ending still holds every row.
      EXPECT_EQ(loaded - loadedBefore, length + 2 >= good.size() ? 1 : 0) << length;
    }
  }
}

TEST_F(PuzzleFuzzTest, randomMutationsLoadWholeOrNotAtAll) {
  MakePrevious();
  const std::string goods[] = {ReadBytes(TestDataPath("golden9.gdr")),
                               ReadBytes(TestDataPath("golden16.gdr"))};
  // Bytes that matter to the reader, besides random ones.
  const std::string special = "\r\n,\" []0g9ah\x81\x5b\xff";
  std::mt19937 random(20261207);
  const auto pick = [&random](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = goods[pick(2)];
    const std::size_t edits = 1 + pick(4);
    for (std::size_t e = 0; e < edits && !bytes.empty(); ++e) {
      const std::size_t at = pick(bytes.size());
      const char byte = pick(2) == 0 ? special[pick(special.size())] : static_cast<char>(pick(256));
      switch (pick(5)) {
        case 0:
          bytes[at] = byte;
          break;
        case 1:
          bytes.insert(at, 1, byte);
          break;
        case 2:
          bytes.erase(at, 1 + pick(8));
          break;
        case 3:  // repeat a stretch, such as a whole line
          bytes.insert(at, bytes.substr(pick(bytes.size()), 1 + pick(40)));
          break;
        default:
          bytes[at] = special[pick(special.size())];
          break;
      }
    }
    ASSERT_TRUE(LoadsWholeOrNotAtAll(bytes)) << "round " << round;
  }
  // Both outcomes must really occur, or the mutations test nothing.
  EXPECT_GT(loaded, 200);
  EXPECT_GT(refused, 200);
}

}  // namespace
}  // namespace gridora::testing
