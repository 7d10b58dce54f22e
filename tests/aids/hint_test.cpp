// SPDX-License-Identifier: MIT
#include "aids/hint.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "solver/solver.h"

#include "aids_support.h"

namespace gridora::testing {
namespace {

using Kind = Hint::Kind;
using Reason = Hint::Reason;

struct HintCase {
  const char* name;
  BoardCodes board;
  Kind kind;
  Reason reason;
  std::vector<int> focus;
  std::vector<int> support;
  const char* text;
};

std::vector<int> Range(int first, int last, std::initializer_list<int> without = {}) {
  std::vector<int> cells;
  for (int cell = first; cell <= last; ++cell) {
    if (std::find(without.begin(), without.end(), cell) == without.end()) cells.push_back(cell);
  }
  return cells;
}

Hint HintFor(const BoardCodes& board, int size = 9) {
  AppState state;
  state.BoardSize = size;
  state.CharacterList = size == 9 ? kDigits9 : kDigits16;
  state.Board = board;
  return NextHint(state);
}

TEST(HintTest, eachKindOfStepOnABoardBuiltForIt) {
  const HintCase cases[] = {
      {"single: row 2 3, column 4 5 6, box 7 8 9",
       Rows({".23", ".78", ".9", "4", "5", "6"}),
       Kind::Single,
       Reason::None,
       {0},
       {},
       "ヒント：( x =  1, y =  1) の行・列・ブロックには 1 以外の数字がすべてあるので、ここは 1 "
       "です"},
      {"hidden single in a row: boxes 4 and 5, columns 8 and 9 take the 5",
       Rows({".......5.", "", "", ".5", "", "....5", "", "", "........5"}),
       Kind::HiddenSingle,
       Reason::None,
       {42},
       Range(36, 44, {42}),
       "ヒント：y =  5 の行で 5 が入るのは ( x =  7, y =  5) だけです"},
      {"hidden single in a column: rows 8 and 9 take the 5, the rest is filled",
       Rows({"....1", "....2", "....3", "....4", "....6", "....7", "", "5", "........5"}),
       Kind::HiddenSingle,
       Reason::None,
       {58},
       {4, 13, 22, 31, 40, 49, 67, 76},
       "ヒント：x =  5 の列で 5 が入るのは ( x =  5, y =  7) だけです"},
      {"hidden single in a box: row 4 and column 4 take the 9, the rest is filled",
       Rows({"...9", "", "", "9", ".....4", "...123"}),
       Kind::HiddenSingle,
       Reason::None,
       {40},
       {30, 31, 32, 39, 41, 48, 49, 50},
       "ヒント：( x =  4～ 6, y =  4～ 6) のブロックで 9 が入るのは ( x =  5, y =  5) だけです"},
      {"naked pair: 1 and 2 leave the rest of the row",
       Rows({"..9", "345", "678", "........4", "........5", "........6", "........7", "........8"}),
       Kind::Single,
       Reason::NakedPair,
       {8},
       {0, 1},
       "ヒント：( x =  1, y =  1) と ( x =  2, y =  1) には 1 と 2 しか入らないので、"
       "( x =  9, y =  1) に入る数字は 3 だけです"},
      {"hidden pair: 1 and 2 only at the start of the first row, which the 3 then leaves",
       Rows({"", "...12.3", ".....3.12", "..1", "..2"}),
       Kind::HiddenSingle,
       Reason::HiddenPair,
       {2},
       Range(0, 8, {2}),
       "ヒント：y =  1 の行で 1 と 2 が入るのは ( x =  1, y =  1) と ( x =  2, y =  1) "
       "だけなので、y =  1 の行で 3 が入るのは ( x =  3, y =  1) だけです"},
      {"a row's 8 inside one box leaves the box's other rows",
       BoardOf("..3.6...2.62.3...1..7..2.367.68.3.252816453973.527..68.3..2.674.743862.962.4.7..3"),
       Kind::Single,
       Reason::LockedCandidates,
       {74},
       {54, 56},
       "ヒント：y =  7 の行で 8 が入るのは ( x =  1～ 3, y =  7～ 9) のブロックの中だけなので、"
       "( x =  3, y =  9) に入る数字は 9 だけです"},
      {"the removals a step rests on, in their order, and none it does not need",
       BoardOf("4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9.7......"),
       Kind::Single,
       Reason::LockedCandidates,
       {58},
       {54, 55, 56, 64, 73, 75, 76, 77},
       "ヒント：( x =  1～ 3, y =  7～ 9) のブロックで 1 と 2 が入るのは ( x =  2, y =  8) と "
       "( x =  2, y =  9) だけなので、y =  9 の行で 4 が入るのは ( x =  4～ 6, y =  7～ 9) "
       "のブロックの中だけなので、( x =  1～ 3, y =  7～ 9) のブロックで 6 が入るのは y =  7 "
       "の行だけなので、( x =  1～ 3, y =  7～ 9) のブロックで 8 が入るのは y =  7 の行だけなので、"
       "( x =  5, y =  7) に入る数字は 9 だけです"},
      {"two equal digits in a row",
       Rows({"5...5"}),
       Kind::Contradiction,
       Reason::None,
       {0, 4},
       {},
       "ヒント：( x =  1, y =  1) と ( x =  5, y =  1) に同じ 5 があり、矛盾しています"},
      {"a cell without a candidate",
       Rows({".12345678", "", "", "", "", "9"}),
       Kind::Contradiction,
       Reason::None,
       {0},
       {},
       "ヒント：( x =  1, y =  1) に入る数字がなく、矛盾しています"},
      {"a digit without a place in its row",
       Rows({"1234567", "", "", ".......9", "", "", "........9"}),
       Kind::Contradiction,
       Reason::None,
       Range(0, 8),
       {},
       "ヒント：y =  1 の行に 9 が入るマスがなく、矛盾しています"},
      {"every cell filled",
       BoardOf(kSolved9),
       Kind::Complete,
       Reason::None,
       {},
       {},
       "ヒント：すべてのマスが埋まっています"},
      {"nothing to deduce on an empty board",
       Rows({}),
       Kind::NeedsHypothesis,
       Reason::None,
       {},
       {},
       "ヒント：論理だけでは次の数字が決まらないので、仮定が必要です"},
  };
  for (const HintCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Hint hint = HintFor(c.board);
    EXPECT_EQ(hint.kind, c.kind);
    EXPECT_EQ(hint.reason, c.reason);
    EXPECT_EQ(hint.focus, c.focus);
    EXPECT_EQ(hint.support, c.support);
    EXPECT_EQ(hint.text, c.text);
  }
}

}  // namespace
}  // namespace gridora::testing

namespace gridora::testing {
namespace {

TEST(HintTest, sixteenBySixteenAndTheDisplayCharacters) {
  const Hint wide = HintFor(Rows({"123456789abcdef"}, 16), 16);
  EXPECT_EQ(wide.focus, std::vector<int>{15});
  EXPECT_EQ(wide.text,
            "ヒント：( x =16, y = 1 ) の行・列・ブロックには 16 以外の数字がすべてあるので、"
            "ここは 16 です");
  // Box 1 holds 1 to 13; columns 3 and 4 take the 16 from the rest of its last row.
  const Hint box = HintFor(
      Rows({"1234", "5678", "9abc", "d", "", "", "", "", "..g", "", "", "", "...g"}, 16), 16);
  EXPECT_EQ(box.focus, std::vector<int>{49});
  EXPECT_EQ(
      box.text,
      "ヒント：( x = 1～ 4, y = 1～ 4 ) のブロックで 16 が入るのは ( x = 2, y = 4 ) だけです");

  AppState state;
  state.CharacterList = "A,B,C,D,E,F,G,H,I";
  state.Board = Rows({"5...5"});
  EXPECT_EQ(NextHint(state).text,
            "ヒント：( x =  1, y =  1) と ( x =  5, y =  1) に同じ E があり、矛盾しています");
}

// Every hint through the copied puzzle sets, placed as the user would:
// every digit is the puzzle's own, no solvable puzzle ever looks
// contradictory, what the solver solves by deduction the hints solve too,
// and every kind of reason turns up.
TEST(HintTest, followingTheHintsThroughThePuzzleSets) {
  const char* root = std::getenv("GRIDORA_TEST_DATA");
  const std::filesystem::path dir =
      std::filesystem::path(root != nullptr ? root : "tests/data") / "puzzles";
  std::set<Reason> reasons;
  int completed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".txt") continue;
    std::ifstream in(entry.path());
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
      const PuzzleLine parsed = ParsePuzzleLine(text);
      if (parsed.kind != PuzzleLine::Kind::Puzzle) continue;
      SCOPED_TRACE(entry.path().filename().string() + ":" + std::to_string(number));
      const int size = parsed.boardSize;
      const SolveOutcome solved =
          size == 9 ? Solve9(parsed.board, SolveSettings{}, {}, nullptr)
                    : Solve16(parsed.board, SolveSettings{16, 1, true, false}, {}, nullptr);
      AppState state;
      state.BoardSize = size;
      state.CharacterList = size == 9 ? kDigits9 : kDigits16;
      state.Board = parsed.board;
      Hint hint = NextHint(state);
      for (; hint.kind == Kind::Single || hint.kind == Kind::HiddenSingle; hint = NextHint(state)) {
        reasons.insert(hint.reason);
        const auto cell = static_cast<std::size_t>(hint.cell);
        if (solved.solutionCount == 1) {
          ASSERT_EQ(hint.digit, DigitOf(solved.answers[0][cell])) << hint.text;
        }
        ASSERT_EQ(state.Board[cell], 0) << hint.text;
        state.Board[cell] = static_cast<CellCode>(hint.digit);
      }
      ASSERT_NE(hint.kind, Kind::Contradiction) << hint.text;
      if (solved.solutionCount == 1 && solved.trials == 0 && solved.commitments == 0) {
        EXPECT_EQ(hint.kind, Kind::Complete);
      }
      if (hint.kind == Kind::Complete) ++completed;
    }
  }
  EXPECT_GE(completed, 25);
  EXPECT_EQ(reasons, (std::set<Reason>{Reason::None, Reason::NakedPair, Reason::HiddenPair,
                                       Reason::LockedCandidates}));
}

}  // namespace
}  // namespace gridora::testing
