// SPDX-License-Identifier: MIT
// Properties over puzzles copied from the public sets: every stored answer is
// a complete grid that keeps the givens, solutions are distinct and agree with
// the sets' known counts, and a solve is repeatable.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "solver/solve_report.h"
#include "solver_support.h"

namespace gridora::testing {
namespace {

struct SetPuzzle {
  std::string file;
  int line = 0;
  PuzzleLine parsed;
  std::string rest;  // what followed the cells (the tdoku count and solution)
};

std::vector<SetPuzzle> LoadSets() {
  const char* root = std::getenv("GRIDORA_TEST_DATA");
  const std::filesystem::path dir =
      std::filesystem::path(root != nullptr ? root : "tests/data") / "puzzles";
  std::vector<SetPuzzle> puzzles;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& path : files) {
    std::ifstream in(path);
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
      ++number;
      PuzzleLine parsed = ParsePuzzleLine(text);
      EXPECT_NE(parsed.kind, PuzzleLine::Kind::Error) << path << ":" << number;
      if (parsed.kind != PuzzleLine::Kind::Puzzle) continue;
      const std::size_t cells = static_cast<std::size_t>(parsed.boardSize * parsed.boardSize);
      puzzles.push_back({path.filename().string(), number, parsed,
                         text.size() > cells ? text.substr(cells) : ""});
    }
  }
  return puzzles;
}

const std::vector<SetPuzzle>& Sets() {
  static const std::vector<SetPuzzle> puzzles = LoadSets();
  return puzzles;
}

TEST(PuzzleSetTest, theCopiedSetsAreThere) {
  EXPECT_GE(Sets().size(), 80u);
}

void ExpectSoundAnswers(const SetPuzzle& p, const SolveRecord& record) {
  const int size = p.parsed.boardSize;
  const int cells = size * size;
  const int stored = record.outcome.storedAnswers();
  std::set<std::string> distinct;
  for (int n = 1; n <= stored; ++n) {
    const BoardCodes& answer = record.state.AnswerSlot[static_cast<std::size_t>(n)];
    EXPECT_TRUE(IsCompleteGrid(answer, size)) << "slot " << n;
    std::string digits;
    for (int i = 0; i < cells; ++i) {
      const int given = p.parsed.board[static_cast<std::size_t>(i)];
      const int code = answer[static_cast<std::size_t>(i)];
      if (given != 0) {
        EXPECT_EQ(code, given) << "slot " << n << " cell " << i;
      } else {
        EXPECT_NE(ClassOf(code), kClassBlack) << "slot " << n << " cell " << i;
      }
      digits += static_cast<char>('0' + DigitOf(code));
    }
    distinct.insert(digits);
  }
  EXPECT_EQ(static_cast<int>(distinct.size()), stored);
  if (record.outcome.solutionCount > 0 && !record.outcome.tooMany()) {
    EXPECT_EQ(record.state.Board, record.state.AnswerSlot[1]);
  }
}

// The tdoku lines carry ":count[:solution]".
void ExpectKnownCount(const SetPuzzle& p, const SolveRecord& record) {
  if (p.rest.empty() || p.rest[0] != ':') return;
  const int known = std::atoi(p.rest.c_str() + 1);
  const int found = record.outcome.solutionCount;
  EXPECT_LE(found, known);
  const std::size_t second = p.rest.find(':', 1);
  if (known != 1 || found != 1 || second == std::string::npos) return;
  const std::string solution = p.rest.substr(second + 1, 81);
  for (int i = 0; i < 81; ++i) {
    EXPECT_EQ(DigitOf(record.state.AnswerSlot[1][static_cast<std::size_t>(i)]),
              solution[static_cast<std::size_t>(i)] - '0');
  }
}

void CheckSets(const SolverOptions& options) {
  auto first = std::make_unique<SolveRecord>();
  auto second = std::make_unique<SolveRecord>();
  for (const SetPuzzle& p : Sets()) {
    SCOPED_TRACE(p.file + ":" + std::to_string(p.line));
    SolveFresh(*first, p.parsed.boardSize, p.parsed.board, options);
    ExpectSoundAnswers(p, *first);
    ExpectKnownCount(p, *first);
    SolveFresh(*second, p.parsed.boardSize, p.parsed.board, options);
    EXPECT_EQ(ReportJson(*first), ReportJson(*second));
  }
}

TEST(PuzzleSetTest, answersAreSoundAndRepeatableWithDefaults) {
  CheckSets(SolverOptions{});
}

TEST(PuzzleSetTest, answersAreSoundAndRepeatableTryingEveryDigit) {
  SolverOptions options;
  options.mode = 0;
  CheckSets(options);
}

TEST(PuzzleSetTest, answersAreSoundWithoutAlternatives) {
  SolverOptions options;
  options.noAlternatives = true;
  options.max16 = 16;
  CheckSets(options);
}

}  // namespace
}  // namespace gridora::testing
