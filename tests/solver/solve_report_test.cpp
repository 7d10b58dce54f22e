// SPDX-License-Identifier: MIT
#include "solver/solve_report.h"

#include <string>

#include "solver_support.h"

namespace gridora::testing {
namespace {

TEST(PuzzleLineTest, readsBothSizesAndIgnoresWhatFollows) {
  const PuzzleLine nine = ParsePuzzleLine(std::string(kSolved9) + ":1:whatever");
  ASSERT_EQ(nine.kind, PuzzleLine::Kind::Puzzle);
  EXPECT_EQ(nine.boardSize, 9);
  EXPECT_EQ(nine.board[0], 6);
  EXPECT_EQ(nine.board[80], 4);
  EXPECT_EQ(nine.board[81], 0);

  std::string cells(256, '0');
  cells[0] = 'a';
  cells[1] = 'G';
  cells[2] = '9';
  cells[255] = 'D';
  const PuzzleLine sixteen = ParsePuzzleLine(cells + " trailing words\r");
  ASSERT_EQ(sixteen.kind, PuzzleLine::Kind::Puzzle);
  EXPECT_EQ(sixteen.boardSize, 16);
  EXPECT_EQ(sixteen.board[0], 10);
  EXPECT_EQ(sixteen.board[1], 16);
  EXPECT_EQ(sixteen.board[2], 9);
  EXPECT_EQ(sixteen.board[3], 0);
  EXPECT_EQ(sixteen.board[255], 13);
}

TEST(PuzzleLineTest, skipsBlankAndCommentLines) {
  EXPECT_EQ(ParsePuzzleLine("").kind, PuzzleLine::Kind::Skip);
  EXPECT_EQ(ParsePuzzleLine("  \t\r").kind, PuzzleLine::Kind::Skip);
  EXPECT_EQ(ParsePuzzleLine("# 81 cells follow").kind, PuzzleLine::Kind::Skip);
  EXPECT_EQ(ParsePuzzleLine("  \t# after blanks").kind, PuzzleLine::Kind::Skip);
}

TEST(PuzzleLineTest, leadingBlanksAreNotPartOfTheCells) {
  const PuzzleLine blanks = ParsePuzzleLine(" \t " + std::string(80, '.') + "5 note");
  EXPECT_EQ(blanks.kind, PuzzleLine::Kind::Puzzle);
  EXPECT_EQ(blanks.boardSize, 9);
  EXPECT_EQ(blanks.board[80], 5);
  const PuzzleLine short80 = ParsePuzzleLine("  " + std::string(80, '.'));
  EXPECT_EQ(short80.error, "a puzzle has 81 or 256 cells, this line has 80");
}

TEST(PuzzleLineTest, rejectsWrongLengthsAndCharacters) {
  EXPECT_EQ(ParsePuzzleLine(std::string(80, '.')).kind, PuzzleLine::Kind::Error);
  std::string letter(81, '.');
  letter[40] = 'A';  // letters belong to 16 x 16 only
  const PuzzleLine bad = ParsePuzzleLine(letter);
  EXPECT_EQ(bad.kind, PuzzleLine::Kind::Error);
  EXPECT_EQ(bad.error, "unexpected character 'A' at column 41");
  std::string high(256, '.');
  high[7] = 'h';
  EXPECT_EQ(ParsePuzzleLine(high).kind, PuzzleLine::Kind::Error);
}

TEST(SolveReportTest, jsonOfAContradiction) {
  SolveRecord record;
  SolveFresh(record, 9, BoardOf(".7..7" + std::string(76, '.')), SolverOptions{});
  std::string board = "[0,7,0,0,7";
  for (int i = 5; i < 81; ++i) board += ",0";
  board += "]";
  EXPECT_EQ(ReportJson(record),
            "{\"message\":\"エラー発生  場所：( x =  5, y =  1)\",\"board\":" + board +
                ",\"solutions\":0,\"answers\":[],\"enabled_answers\":0}");
  EXPECT_EQ(GroupOf(record.outcome), OutcomeGroup::Contradiction);
}

TEST(SolveReportTest, jsonListsEveryStoredAnswer) {
  std::string line(kSolved9);
  line[80] = '.';
  SolveRecord record;
  SolveFresh(record, 9, BoardOf(line), SolverOptions{});
  std::string codes = "[";
  for (int i = 0; i < 81; ++i) {
    if (i > 0) codes += ",";
    codes += std::to_string(kSolved9[static_cast<std::size_t>(i)] - '0' + (i == 80 ? 128 : 0));
  }
  codes += "]";
  EXPECT_EQ(ReportJson(record), "{\"message\":\"成功！\",\"board\":" + codes +
                                    ",\"solutions\":1,\"answers\":[" + codes +
                                    "],\"enabled_answers\":1}");
  EXPECT_EQ(GroupOf(record.outcome), OutcomeGroup::OneSolution);
  EXPECT_EQ(ReportText(record).substr(0, 28), "成功！\n6 5 2 4 8 3 9 1 7\n");
}

TEST(SolveReportTest, optionsReachTheSolver) {
  SolveRecord record;
  SolverOptions options;
  options.max9 = 0;
  SolveFresh(record, 9, BoardCodes{}, options);
  EXPECT_EQ(record.state.settings.KateiMax9, 0);
  EXPECT_EQ(record.outcome.level, kLevelStandard);
  EXPECT_EQ(GroupOf(record.outcome), OutcomeGroup::NotSolved);

  std::string line(kSolved9);
  line[80] = '.';
  options.showLevel = true;
  SolveFresh(record, 9, BoardOf(line), options);
  EXPECT_EQ(record.screen.informText, "成功！ -標準-");
}

}  // namespace
}  // namespace gridora::testing
