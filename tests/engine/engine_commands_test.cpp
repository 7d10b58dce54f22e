// SPDX-License-Identifier: MIT
// The tool commands on the model: a full solve in its four endings, the
// solution count verdicts, and a generated puzzle placed like a new one.

#include "engine/engine_commands.h"
#include "core/history.h"
#include "engine/texts.h"
#include "support/core_fixture.h"

namespace gridora::testing {
namespace {

using namespace engine;

// One solution; the first row minus two cells, for the two-solution case.
constexpr const char* kUnique =
    ".5..83.17...1..4..3.4..56.8....3...9.9.8245....6....7...9....5...729..861.36.72.4";
constexpr const char* kSolution =
    "652483917978162435314975628825736149791824563436519872269348751547291386183657294";

class EngineCommandsTest : public CoreTest {
 protected:
  void Put(const std::string& line, int colourClass = kClassBlack) {
    for (int c = 0; c < 81; ++c) {
      const char ch = line[static_cast<std::size_t>(c)];
      state.Board[static_cast<std::size_t>(c)] = ch == '.' ? 0 : MakeCode(ch - '0', colourClass);
    }
    RedrawBoard(app);
  }
};

TEST_F(EngineCommandsTest, fullSolveEndings) {
  struct Case {
    std::string board;
    std::string message;
    int enabledSlots;
  };
  // A solved grid with the four cells of a rectangle a b / b a open, two
  // rows of one band in two boxes, has exactly two solutions.
  std::string twoWays = kSolution;
  const auto at = [&](int r, int c) -> char& {
    return twoWays[static_cast<std::size_t>(r * 9 + c)];
  };
  bool opened = false;
  for (int r1 = 0; r1 < 9 && !opened; ++r1) {
    for (int r2 = r1 + 1; r2 < r1 / 3 * 3 + 3 && !opened; ++r2) {
      for (int c1 = 0; c1 < 9 && !opened; ++c1) {
        for (int c2 = (c1 / 3 + 1) * 3; c2 < 9 && !opened; ++c2) {
          if (at(r1, c1) == at(r2, c2) && at(r1, c2) == at(r2, c1)) {
            at(r1, c1) = at(r2, c2) = at(r1, c2) = at(r2, c1) = '.';
            opened = true;
          }
        }
      }
    }
  }
  ASSERT_TRUE(opened);
  std::string clash(81, '.');
  clash[1] = clash[4] = '7';
  const Case cases[] = {
      {kUnique, "成功！", 1},
      {twoWays, " 2つの解を発見", 2},
      {std::string(81, '.'), " 10以上の解を発見", 9},
      {clash, "解がありません", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    NewPuzzle9(app);
    Put(c.board);
    const BoardCodes before = state.Board;
    ApplyFullSolve(app, ComputeFullSolve(state));
    EXPECT_EQ(screen.informText, c.message);
    for (int n = 1; n <= kSlotCount; ++n)
      EXPECT_EQ(screen.answerMenu[static_cast<std::size_t>(n)], n <= c.enabledSlots);
    if (c.enabledSlots == 0) {
      EXPECT_EQ(state.Board, before);
      continue;
    }
    Grid digits{};
    for (int cell = 0; cell < 81; ++cell) {
      const int code = Code(cell);
      digits[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(DigitOf(code));
      const bool given = c.board[static_cast<std::size_t>(cell)] != '.';
      EXPECT_EQ(ClassOf(code) == kClassBlack, given) << cell;
      if (c.enabledSlots == 1) {
        EXPECT_NE(ClassOf(code), kClassYellow) << cell;
      }
    }
    EXPECT_TRUE(SolvesPuzzle(9, GivensOf(state), digits));
    if (c.enabledSlots == 2) {
      // The cells that differ are the rectangle's, yellow in both slots.
      for (int cell = 0; cell < 81; ++cell) {
        const bool opened = c.board[static_cast<std::size_t>(cell)] == '.';
        EXPECT_EQ(ClassOf(state.AnswerSlot[2][static_cast<std::size_t>(cell)]) == kClassYellow,
                  opened);
      }
    }
    UndoStep(app);
    EXPECT_EQ(state.Board, before) << "one undo step back";
  }
}

TEST_F(EngineCommandsTest, coloredDigitsCountAsEmpty) {
  Put(kUnique);
  state.Board[0] = MakeCode(9, kClassGreen);  // a wrong solver digit
  ApplyFullSolve(app, ComputeFullSolve(state));
  EXPECT_EQ(screen.informText, "成功！");
  EXPECT_EQ(Code(0), MakeCode(6, kClassGreen));
}

TEST_F(EngineCommandsTest, countVerdicts) {
  Put(kUnique);
  EXPECT_EQ(CountSolutionsVerdict(state), kOneSolutionText);
  NewPuzzle9(app);
  EXPECT_EQ(CountSolutionsVerdict(state), kSeveralSolutionsText);
  Put(std::string(".7..7") + std::string(76, '.'));
  EXPECT_EQ(CountSolutionsVerdict(state), kNoSolutionText);
}

// A search stopped by its caller: the count has no verdict, and the full
// solve changes nothing but the message.
TEST_F(EngineCommandsTest, stoppedSearchesChangeOnlyTheMessage) {
  std::atomic<bool> cancel{true};
  SearchLimits limits;
  limits.cancel = &cancel;
  NewPuzzle9(app);  // an empty board needs guesses
  EXPECT_EQ(CountSolutionsVerdict(state, limits), "");
  const BoardCodes before = state.Board;
  const auto slots = state.AnswerSlot;
  const FullSolveOutcome outcome = ComputeFullSolve(state, limits);
  EXPECT_TRUE(outcome.stopped);
  ApplyFullSolve(app, outcome);
  EXPECT_EQ(screen.informText, kSearchCancelledText);
  EXPECT_EQ(state.Board, before);
  EXPECT_EQ(state.AnswerSlot, slots);
  cancel = false;
  EXPECT_EQ(CountSolutionsVerdict(state, limits), kSeveralSolutionsText);
  EXPECT_FALSE(ComputeFullSolve(state, limits).stopped);
}

TEST_F(EngineCommandsTest, generatedPuzzleArrivesLikeANewOne) {
  state.settings.UserName = "山田";
  screen.today = "2026/12/24";
  for (const int size : {9, 16}) {
    GenerateOptions options;
    options.boardSize = size;
    options.grade = Grade::Easy;
    options.seed = 3;
    const Generated g = Generate(options);
    Put(kUnique);
    PlaceGeneratedPuzzle(app, size, g);
    EXPECT_EQ(state.BoardSize, size);
    for (int c = 0; c < size * size; ++c) {
      EXPECT_EQ(Code(c), g.puzzle[static_cast<std::size_t>(c)]) << c;  // black digits
    }
    EXPECT_EQ(state.PuzzleAuthor, "山田");
    EXPECT_EQ(state.PuzzleDate, "2026/12/24");
    EXPECT_EQ(state.PuzzleComment, "自動生成の問題 (難易度：やさしい)");
    EXPECT_FALSE(state.DataChanged);
    const BoardCodes placed = state.Board;
    UndoStep(app);
    EXPECT_EQ(state.Board, placed) << "nothing to undo";
  }
}

}  // namespace
}  // namespace gridora::testing
