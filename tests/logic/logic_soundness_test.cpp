// SPDX-License-Identifier: MIT
// Every step the logic engine takes, on public puzzles and generated ones of
// both sizes, checked against the puzzle's one solution: a placement puts
// the solution's digit, a removal never takes the solution's digit away.
// And the path of a puzzle does not hang on what was rated before it.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/generator.h"
#include "engine/search.h"
#include "logic/describe.h"
#include "logic/logic_engine.h"

namespace gridora::logic {
namespace {

int DigitOfChar(char ch) {
  if (ch >= '1' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'G') return ch - 'A' + 10;
  return 0;
}

std::vector<Digits> ReadPuzzles(const std::string& path, std::size_t limit) {
  std::vector<Digits> puzzles;
  std::ifstream in(path);
  std::string line;
  while (puzzles.size() < limit && std::getline(in, line)) {
    const std::size_t cells = line.size() >= 256 ? 256 : 81;
    if (line.size() < cells) continue;
    Digits d{};
    for (std::size_t c = 0; c < cells; ++c) d[c] = static_cast<std::uint8_t>(DigitOfChar(line[c]));
    puzzles.push_back(d);
  }
  return puzzles;
}

struct Audit {
  int steps = 0;
  int solved = 0;
  std::vector<int> techniques = std::vector<int>(64, 0);
  int hardest = 0;  // the highest rating of a step
};

// Follows the engine's path on `puzzle` and checks every step against the solution.
void Follow(int n, const Digits& puzzle, Audit& audit) {
  const engine::SearchResult unique = engine::CountSolutions(n, puzzle, 2);
  ASSERT_EQ(unique.solutions, 1);
  const engine::Grid& solution = unique.first;
  LogicBoard board(n, puzzle);
  while (std::optional<Step> step = NextStep(board)) {
    ++audit.steps;
    ++audit.techniques[static_cast<std::size_t>(step->technique)];
    audit.hardest = std::max(audit.hardest, step->rating);
    ASSERT_FALSE(step->placements.empty() && step->removals.empty());
    for (const Candidate& p : step->placements) {
      ASSERT_EQ(solution[static_cast<std::size_t>(p.cell)], p.digit)
          << TechniqueKey(step->technique) << " places a wrong digit at " << p.cell;
    }
    for (const Candidate& r : step->removals) {
      ASSERT_TRUE(board.Has(r.cell, r.digit))
          << TechniqueKey(step->technique) << " removes nothing at " << r.cell;
      ASSERT_NE(solution[static_cast<std::size_t>(r.cell)], r.digit)
          << TechniqueKey(step->technique) << " removes the solution's digit at " << r.cell;
    }
    ApplyStep(board, *step);
  }
  if (board.Solved()) ++audit.solved;
}

TEST(LogicSoundness, EveryStepOfPublicNineByNinePuzzlesKeepsTheSolution) {
  Audit audit;
  const std::string sets = GRIDORA_RATING_SETS;
  for (const auto& [file, limit] :
       {std::pair{"/17_clue.600.txt", 600}, std::pair{"/top1465.400.txt", 60}}) {
    const std::vector<Digits> puzzles = ReadPuzzles(sets + file, static_cast<std::size_t>(limit));
    ASSERT_EQ(puzzles.size(), static_cast<std::size_t>(limit));
    for (const Digits& p : puzzles) {
      Follow(9, p, audit);
      if (HasFatalFailure()) return;
    }
  }
  // Every 17-clue puzzle and most of the hard ones end solved, and the path
  // went through the chains as well as the simple techniques.
  EXPECT_GE(audit.solved, 600 + 50);
  EXPECT_GT(audit.techniques[static_cast<std::size_t>(Technique::XWing)], 0);
  EXPECT_GT(audit.techniques[static_cast<std::size_t>(Technique::XYWing)], 0);
  EXPECT_GT(audit.techniques[static_cast<std::size_t>(Technique::XChain)] +
                audit.techniques[static_cast<std::size_t>(Technique::XYChain)],
            0);
  EXPECT_GT(audit.techniques[static_cast<std::size_t>(Technique::DynamicRegionForcingChains)] +
                audit.techniques[static_cast<std::size_t>(Technique::DynamicCellForcingChains)],
            0);
  for (Technique t : {Technique::WXYZWing, Technique::VWXYZWing, Technique::UVWXYZWing,
                      Technique::GroupedLinks, Technique::YCycle, Technique::NishioChains,
                      Technique::ContradictionChains, Technique::RegionForcingChains}) {
    EXPECT_GT(audit.techniques[static_cast<std::size_t>(t)], 0) << TechniqueKey(t);
  }
  // The hardest ones need the dynamic chains that go through pairs and fish.
  EXPECT_GE(audit.hardest, 90);
}

TEST(LogicSoundness, EveryStepOfSixteenBySixteenPuzzlesKeepsTheSolution) {
  // Public puzzles: the techniques that carry over solve nearly all of them.
  Audit janko;
  const std::vector<Digits> puzzles =
      ReadPuzzles(std::string(GRIDORA_RATING_SETS) + "/16x16_janko.txt", 55);
  ASSERT_EQ(puzzles.size(), 55U);
  for (const Digits& p : puzzles) {
    Follow(16, p, janko);
    if (HasFatalFailure()) return;
  }
  EXPECT_GE(janko.solved, 50);
  EXPECT_GT(janko.techniques[static_cast<std::size_t>(Technique::NakedTriple)], 0);
  // Generated ones are harder: the engine goes as far as it can, soundly.
  Audit generated;
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    engine::GenerateOptions options;
    options.boardSize = 16;
    options.seed = seed;
    Follow(16, engine::Generate(options).puzzle, generated);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(generated.steps, 12 * 20);
}

// A step as the user reads it: its rating and its sentence.
std::string Told(const Step& step) {
  return std::to_string(step.rating) + " " + Describe(step, 9, nullptr);
}

TEST(LogicSoundness, APathIsTheSameWhateverWasRatedBeforeAndOnWhicheverThread) {
  // The searches keep what they made for a board until the next board: hard
  // puzzles stepped in turn, and rated on two threads at once, take the
  // steps each takes alone.
  const std::vector<Digits> puzzles =
      ReadPuzzles(std::string(GRIDORA_RATING_SETS) + "/top1465.400.txt", 3);
  ASSERT_EQ(puzzles.size(), 3U);
  std::vector<std::vector<std::string>> alone;
  for (const Digits& p : puzzles) {
    alone.emplace_back();
    for (const Step& step : SolvePath(9, p).steps) alone.back().push_back(Told(step));
    ASSERT_GT(alone.back().size(), 20U);
  }
  std::vector<LogicBoard> boards;
  for (const Digits& p : puzzles) boards.emplace_back(9, p);
  std::vector<std::size_t> taken(puzzles.size(), 0);
  for (bool any = true; any;) {
    any = false;
    for (std::size_t i = 0; i < boards.size(); ++i) {
      const std::optional<Step> step = NextStep(boards[i]);
      if (!step) {
        EXPECT_EQ(taken[i], alone[i].size());
        continue;
      }
      any = true;
      ASSERT_LT(taken[i], alone[i].size());
      EXPECT_EQ(Told(*step), alone[i][taken[i]]) << "puzzle " << i << " step " << taken[i];
      ++taken[i];
      ApplyStep(boards[i], *step);
    }
  }
  std::vector<std::vector<std::string>> threaded(2 * puzzles.size());
  auto rate = [&](std::size_t first) {
    for (std::size_t k = 0; k < puzzles.size(); ++k) {
      const std::size_t i = (first + k) % puzzles.size();
      for (const Step& step : SolvePath(9, puzzles[i]).steps)
        threaded[first * puzzles.size() + i].push_back(Told(step));
    }
  };
  std::thread other(rate, 1);
  rate(0);
  other.join();
  for (std::size_t i = 0; i < 2 * puzzles.size(); ++i)
    EXPECT_EQ(threaded[i], alone[i % puzzles.size()]) << "thread " << i / puzzles.size();
}

}  // namespace
}  // namespace gridora::logic
