// SPDX-License-Identifier: MIT
#include "aids/puzzle_text.h"

#include "aids_support.h"
#include "core/history.h"

namespace gridora::testing {
namespace {

// The first puzzle of the copied 16 x 16 set, as it is stored there.
constexpr std::string_view kJanko =
    "D92.....G...43..4CF.....9D.2.6EB.E.1....F.8BC..AG56.....A3C....1.7G5A8....61....2...C...."
    "B7.......AE.964..G......F9.5.7.4............29....A.C..........645D.1......D....1.C.B7F....."
    "E.C2G...8A9B..9.G52.....EF6.256..F.....D.B.E13.6.D........7A...8BC3....954.";

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return lower;
}

TEST(PuzzleTextTest, writesBlackDigitsOnlyOnOneLine) {
  BoardCodes board = BoardOf(kSolved9);
  board[1] = MakeCode(5, kClassGreen);
  board[2] = MakeCode(2, kClassYellow);
  board[80] = 0;
  EXPECT_EQ(WritePuzzleText(board, 9),
            "6..483917978162435314975628825736149791824563436519872269348751547291386183657"
            "29.\n");
  EXPECT_EQ(WritePuzzleText(BoardOf(kJanko), 16), std::string(kJanko) + "\n");
}

// A 16 x 16 puzzle line as rows of numbers: "13 9 2 . | . . . . | 16 ...".
std::string NumberRows(std::string_view line) {
  std::string rows;
  for (int cell = 0; cell < 256; ++cell) {
    const int digit = PuzzleDigitOf(line[static_cast<std::size_t>(cell)], 16);
    rows += digit == 0 ? "." : std::to_string(digit);
    rows += cell % 16 == 15 ? "\n" : cell % 4 == 3 ? " | " : " ";
  }
  return rows;
}

struct ReadCase {
  const char* name;
  std::string text;
  std::string expected;  // the board as a puzzle line; "" when refused
};

TEST(PuzzleTextTest, readsTheFormsPeoplePasteAndRefusesTheRest) {
  const std::string puzzle =
      ".5..83.17...1..4..3.4..56.8....3...9.9.8245....6....7...9....5...729..861.36.72.4";
  const ReadCase cases[] = {
      {"one line", puzzle, puzzle},
      {"one line with 0, _ and * for empty, a comment, blank lines and CR LF",
       "\r\n  0500830170001_04**3_" + puzzle.substr(20) + ":1:652483917\r\n\r\n", puzzle},
      {"nine rows of nine",
       "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n"
       ".6....28.\n...419..5\n....8..79\n",
       "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"},
      {"rows with blanks, bars and rule lines",
       "+-------+-------+-------+\n| 5 3 . | . 7 . | . . . |\n| 6 . . | 1 9 5 | . . . |\n"
       "| . 9 8 | . . . | . 6 . |\n+-------+-------+-------+\n| 8 . . | . 6 . | . . 3 |\n"
       "| 4 . . | 8 . 3 | . . 1 |\n| 7 . . | . 2 . | . . 6 |\n+-------+-------+-------+\n"
       "| . 6 . | . . . | 2 8 . |\n| . . . | 4 1 9 | . . 5 |\n| . . . | . 8 . | . 7 9 |\n"
       "+-------+-------+-------+\n",
       "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"},
      {"rows of digits and zeros between commas",
       "6,5,2,4,8,3,9,1,7\n9,7,8,1,6,2,4,3,5\n3,1,4,9,7,5,6,2,8\n8,2,5,7,3,6,1,4,9\n"
       "7,9,1,8,2,4,5,6,3\n4,3,6,5,1,9,8,7,2\n2,6,9,3,4,8,7,5,1\n5,4,7,2,9,1,3,8,6\n"
       "1,8,3,6,5,7,2,9,0\n",
       std::string(kSolved9.substr(0, 80)) + "."},
      {"16 x 16 on one line, letters in lower case", Lower(kJanko), std::string(kJanko)},
      {"16 x 16 rows of numbers", NumberRows(kJanko), std::string(kJanko)},
      {"16 x 16 rows with a number beyond 16", "17" + NumberRows(kJanko).substr(2), ""},
      {"nothing", " \n\t\n", ""},
      {"words", "こんにちは", ""},
      {"a line one cell short", puzzle.substr(1), ""},
      {"a letter on a 9 x 9 line", "a" + puzzle.substr(1), ""},
      {"two puzzle lines", puzzle + "\n" + puzzle + "\n", ""},
      {"eight rows",
       "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n"
       ".6....28.\n...419..5\n",
       ""},
      {"a row one cell short",
       "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n7...2...6\n"
       ".6....28.\n...419..5\n....8..7\n",
       ""},
      {"a stray character in a row",
       "53..7....\n6..195...\n.98....6.\n8...6...3\n4..8.3..1\n"
       "7...2...6\n.6....28.\n...419..5\n....8..7x\n",
       ""},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<PuzzleText> read = ReadPuzzleText(c.text);
    if (c.expected.empty()) {
      EXPECT_FALSE(read.has_value());
      continue;
    }
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->boardSize, c.expected.size() == 256 ? 16 : 9);
    EXPECT_EQ(WritePuzzleText(read->board, read->boardSize), std::string(c.expected) + "\n");
  }
}

}  // namespace
}  // namespace gridora::testing

namespace gridora::testing {
namespace {

TEST(PuzzleTextTest, writerAndReaderRoundTrip) {
  for (const std::string& line : {std::string(kSolved9), std::string(kJanko), std::string(81, '.'),
                                  "g" + std::string(255, '.')}) {
    const int size = line.size() == 256 ? 16 : 9;
    const BoardCodes board = BoardOf(line);
    const std::optional<PuzzleText> read = ReadPuzzleText(WritePuzzleText(board, size));
    ASSERT_TRUE(read.has_value()) << line;
    EXPECT_EQ(read->boardSize, size);
    EXPECT_EQ(read->board, board) << line;
  }
}

using PastePuzzleTest = CoreTest;

TEST_F(PastePuzzleTest, aPastedPuzzleIsANewPuzzleOfItsSizeWithOneUndoStep) {
  SetCell(app, 3, 7);
  state.MemorySlot[2][0] = 5;
  state.PuzzleFileName = "/tmp/old.gdr";
  PastePuzzle(app, *ReadPuzzleText(std::string(kJanko)));
  EXPECT_EQ(state.BoardSize, 16);
  EXPECT_EQ(state.CharacterList, kDigits16);
  EXPECT_EQ(state.Board, BoardOf(kJanko));
  EXPECT_EQ(state.PuzzleFileName, kNoFileName);
  EXPECT_EQ(state.MemorySlot[2][0], 0);
  EXPECT_TRUE(state.DataChanged);  // nothing saved yet: quitting asks
  EXPECT_EQ(screen.shownBoard, 16);
  UndoStep(app);
  EXPECT_EQ(state.Board, BoardCodes{});
  RedoStep(app);
  EXPECT_EQ(state.Board, BoardOf(kJanko));
}

}  // namespace
}  // namespace gridora::testing
