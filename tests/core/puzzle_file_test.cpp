// SPDX-License-Identifier: MIT
#include "core/puzzle_file.h"

#include <sys/stat.h>

#include "core/board.h"
#include "support/file_fixture.h"

namespace gridora::testing {
namespace {

class PuzzleFileTest : public CoreTest {
 protected:
  TempDir dir;

  void SetRow(int r, const std::string& digits) {
    for (int c = 0; c < state.BoardSize; ++c) {
      const char ch = digits[static_cast<std::size_t>(c)];
      const int digit = ch <= '9' ? ch - '0' : ch - 'a' + 10;
      state.Board[static_cast<std::size_t>(r * state.BoardSize + c)] = static_cast<CellCode>(digit);
    }
  }

  // The model of golden9.gdr, with two solver digits that must not be saved.
  void MakeGolden9() {
    NewPuzzle9(app);
    const char* rows[] = {"530070000", "600195000", "098000060", "800060003", "400803001",
                          "700020006", "060000280", "000419005", "000080079"};
    for (int r = 0; r < 9; ++r) SetRow(r, rows[r]);
    state.Board[2] = MakeCode(1, kClassGreen);
    state.Board[10] = MakeCode(4, kClassYellow);
    state.PuzzleAuthor = "山田太郎";
    state.PuzzleDate = "2026/12/07";
    state.PuzzleComment = "初級・練習用";
    state.PuzzleEnabled = true;
    RedrawBoard(app);
  }

  // The model of golden16.gdr.
  void MakeGolden16() {
    NewPuzzle16(app);
    SetRow(0, "123456789abcdefg");
    SetRow(2, "g000000000000001");
    SetRow(15, "fedcba9876543210");
    state.Board[4 * 16 + 5] = 10;
    state.Board[7 * 16 + 7] = 11;
    state.Board[10 * 16 + 10] = 12;
    state.Board[13 * 16 + 12] = 13;
    state.Board[1 * 16 + 3] = MakeCode(16, kClassGreen);
    state.PuzzleAuthor = "佐藤, 花子";
    state.PuzzleDate = "2026年12月7日";
    state.PuzzleComment = "難問です";
    state.PuzzleEnabled = false;
    RedrawBoard(app);
  }

  void ExpectLoadRefused(const std::string& path, const char* text) {
    state.MemorySlot[3][5] = 7;
    state.DataChanged = true;
    const AppState before = state;
    const std::size_t messages = screen.messages.size();
    EXPECT_FALSE(LoadPuzzleFile(app, path));
    ASSERT_EQ(screen.messages.size(), messages + 1);
    EXPECT_EQ(screen.messages.back().text, text);
    EXPECT_EQ(screen.messages.back().title, "ロード失敗");
    EXPECT_EQ(screen.messages.back().icon, MessageIcon::Information);
    EXPECT_EQ(screen.messages.back().buttons, MessageButtons::Ok);
    ExpectSamePuzzle(state, before);
  }
};

TEST_F(PuzzleFileTest, golden9IsWrittenByteForByte) {
  MakeGolden9();
  ASSERT_TRUE(WritePuzzleFile(state, dir / "out.gdr"));
  EXPECT_EQ(ReadBytes(dir / "out.gdr"), ReadBytes(TestDataPath("golden9.gdr")));
}

TEST_F(PuzzleFileTest, golden16IsWrittenByteForByte) {
  MakeGolden16();
  ASSERT_TRUE(WritePuzzleFile(state, dir / "out.gdr"));
  EXPECT_EQ(ReadBytes(dir / "out.gdr"), ReadBytes(TestDataPath("golden16.gdr")));
}

TEST_F(PuzzleFileTest, golden16LoadsBackWithDigitSixteenAndWithoutSolverDigits) {
  MakeGolden16();
  BoardCodes expected = state.Board;
  expected[1 * 16 + 3] = 0;  // the green 16 was not saved
  const std::string path = TestDataPath("golden16.gdr");
  NewPuzzle9(app);
  ASSERT_TRUE(LoadPuzzleFile(app, path));
  EXPECT_EQ(state.BoardSize, 16);
  EXPECT_EQ(state.Board, expected);
  EXPECT_EQ(state.Board[15], 16);
  EXPECT_EQ(state.PuzzleAuthor, "佐藤, 花子");
  EXPECT_EQ(state.PuzzleDate, "2026年12月7日");
  EXPECT_EQ(state.PuzzleComment, "難問です");
  EXPECT_EQ(state.CharacterList, kDigits16);
  EXPECT_FALSE(state.PuzzleEnabled);
  EXPECT_EQ(state.PuzzleFileName, path);
  EXPECT_EQ(screen.shownBoard, 16);
  EXPECT_EQ(screen.Cell(16, 15).caption, "16");
  EXPECT_EQ(screen.Property(PropertyLabel::FileName), "golden16");
  EXPECT_EQ(screen.Property(PropertyLabel::Author), "佐藤, 花子");
}

TEST_F(PuzzleFileTest, loadStartsAFreshModel) {
  BulkSet({{0, 1}, {1, 2}});
  state.MemorySlot[4][0] = 9;
  screen.memoryLoadMenu[4] = true;
  state.DataChanged = true;
  ASSERT_TRUE(LoadPuzzleFile(app, TestDataPath("golden9.gdr")));
  EXPECT_FALSE(state.DataChanged);
  EXPECT_EQ(state.MemorySlot[4][0], 0);
  EXPECT_FALSE(screen.memoryLoadMenu[4]);
  EXPECT_EQ(screen.informText, "ファイルを開きました");
  // History: the empty board, then the loaded board as one undo step.
  EXPECT_EQ(state.HistoryPos, 1);
  EXPECT_EQ(state.HistoryTop, 1);
  EXPECT_EQ(state.History[0], BoardCodes{});
  EXPECT_EQ(state.History[1], state.Board);
  EXPECT_EQ(Code(0), 5);
  EXPECT_EQ(Code(2), 0);
  EXPECT_EQ(screen.Cell(9, 0).caption, "5");
  EXPECT_EQ(state.PuzzleComment, "初級・練習用");
}

TEST_F(PuzzleFileTest, loadDisablesEverySlotFetchControlButKeepsAnswers) {
  for (int n = 1; n <= 9; ++n) {
    screen.memoryLoadMenu[static_cast<std::size_t>(n)] = true;
    screen.answerMenu[static_cast<std::size_t>(n)] = true;
  }
  screen.launcherButton.fill(true);
  state.AnswerSlot[9][80] = 128 + 4;
  ASSERT_TRUE(LoadPuzzleFile(app, TestDataPath("golden9.gdr")));
  for (int n = 1; n <= 9; ++n) {
    EXPECT_FALSE(screen.memoryLoadMenu[static_cast<std::size_t>(n)]) << n;
    EXPECT_FALSE(screen.answerMenu[static_cast<std::size_t>(n)]) << n;
    EXPECT_FALSE(screen.launcherButton[static_cast<std::size_t>(n + 8)]) << n;
    EXPECT_FALSE(screen.launcherButton[static_cast<std::size_t>(n + 17)]) << n;
    EXPECT_TRUE(screen.launcherButton[static_cast<std::size_t>(n - 1)]) << n;  // store buttons
  }
  EXPECT_EQ(state.AnswerSlot[9][80], 128 + 4);
}

TEST_F(PuzzleFileTest, savedPuzzleLoadsBackTheSame) {
  MakeGolden9();
  state.CharacterList = "A,B,C,D,E,F,G,H,I";
  state.PuzzleEnabled = false;
  const AppState saved = state;
  ASSERT_TRUE(WritePuzzleFile(state, dir / "round.gdr"));
  NewPuzzle16(app);
  ASSERT_TRUE(LoadPuzzleFile(app, dir / "round.gdr"));
  for (int i = 0; i < 81; ++i) {
    const int code = saved.Board[static_cast<std::size_t>(i)];
    EXPECT_EQ(Code(i), code >= 128 ? 0 : code) << i;
  }
  EXPECT_EQ(state.CharacterList, "A,B,C,D,E,F,G,H,I");
  EXPECT_EQ(screen.Cell(9, 0).caption, "E");
  EXPECT_FALSE(state.PuzzleEnabled);
  EXPECT_EQ(state.PuzzleAuthor, saved.PuzzleAuthor);
}

TEST_F(PuzzleFileTest, olderVersionsLoadWithTheirDefaults) {
  std::string v10 = "Gridora\x83\x66\x81\x5b\x83\x5e ver 1.0\r\n\r\n";
  for (int r = 0; r < 9; ++r) v10 += r == 4 ? "000050000\r\n" : "000000000\r\n";
  WriteBytes(dir / "v10.gdr", v10);
  ASSERT_TRUE(LoadPuzzleFile(app, dir / "v10.gdr"));
  EXPECT_EQ(state.BoardSize, 9);
  EXPECT_EQ(Code(40), 5);
  EXPECT_EQ(state.PuzzleAuthor, "(不明)");
  EXPECT_EQ(state.PuzzleDate, "(不明)");
  EXPECT_EQ(state.PuzzleComment, "(なし)");
  EXPECT_EQ(state.CharacterList, kDigits9);
  EXPECT_TRUE(state.PuzzleEnabled);

  std::string v20 =
      "Gridora\x83\x66\x81\x5b\x83\x5e ver 2.0\r\n\r\n[Size]\r\n 16\r\n[Author]\r\n"
      "\x8e\x52\x93\x63\r\n[Date]\r\nd\r\n[Comment]\r\nc\r\n[Enabled]\r\nFalse\r\n"
      "\r\n[Data]\r\n";
  for (int r = 0; r < 16; ++r) v20 += r == 0 ? "g000000000000000\r\n" : "0000000000000000\r\n";
  WriteBytes(dir / "v20.gdr", v20);
  state.CharacterList = "x";
  ASSERT_TRUE(LoadPuzzleFile(app, dir / "v20.gdr"));
  EXPECT_EQ(state.BoardSize, 16);
  EXPECT_EQ(Code(0), 16);
  EXPECT_EQ(state.PuzzleAuthor, "山田");
  EXPECT_EQ(state.CharacterList, kDigits16);
  EXPECT_FALSE(state.PuzzleEnabled);
}

TEST_F(PuzzleFileTest, unreadableFilesShowTheAccessMessage) {
  BulkSet({{0, 3}});
  ExpectLoadRefused(dir / "missing.gdr", "データファイルにアクセスできません。");
  ExpectLoadRefused(dir.path().string(), "データファイルにアクセスできません。");
  ExpectLoadRefused("", "データファイルにアクセスできません。");
  ASSERT_EQ(::mkfifo((dir / "pipe.gdr").c_str(), 0600), 0);  // must not wait for a writer
  ExpectLoadRefused(dir / "pipe.gdr", "データファイルにアクセスできません。");
}

TEST_F(PuzzleFileTest, badFilesShowTheFormatMessage) {
  BulkSet({{0, 3}});
  WriteBytes(dir / "higher.gdr", "Gridora\x83\x66\x81\x5b\x83\x5e ver 3.0\r\n");
  ExpectLoadRefused(dir / "higher.gdr", "データファイルの形式が違います。");
  std::string cut = ReadBytes(TestDataPath("golden9.gdr"));
  cut.resize(cut.size() - 20);
  WriteBytes(dir / "cut.gdr", cut);
  ExpectLoadRefused(dir / "cut.gdr", "データファイルの形式が違います。");
  WriteBytes(dir / "huge.gdr", std::string(kMaxPuzzleFileBytes + 1, '0'));
  ExpectLoadRefused(dir / "huge.gdr", "データファイルの形式が違います。");
}

}  // namespace
}  // namespace gridora::testing
