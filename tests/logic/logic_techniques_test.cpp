// SPDX-License-Identifier: MIT
// Each technique on a board made by hand where it is the easiest step: the
// engine must take it, with exactly the removals worked out by hand, and
// tell it in the expected sentence.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "logic/describe.h"
#include "logic/logic_engine.h"

namespace gridora::logic {
namespace {

int Cell(int x, int y) {
  return (y - 1) * 9 + (x - 1);
}

// The givens of a puzzle line of 81 characters, "." for an empty cell.
Digits FromLine(const std::string& line) {
  Digits digits{};
  for (std::size_t c = 0; c < 81; ++c)
    digits[c] = static_cast<std::uint8_t>(line[c] == '.' ? 0 : line[c] - '0');
  return digits;
}

// An empty 9 x 9 board where every cell may hold every digit, except the
// cells of `masks` (cell -> digits) and, for `digit`, the places of the
// picture (nine rows of "x" where the digit may stand, "." where not).
LogicBoard Board(const std::map<int, std::vector<int>>& masks, int digit = 0,
                 const std::vector<std::string>& picture = {}) {
  std::array<Mask, kMaxCells> cands{};
  for (int c = 0; c < 81; ++c) cands[static_cast<std::size_t>(c)] = 0x1FF;
  for (const auto& [cell, digits] : masks) {
    Mask m = 0;
    for (int d : digits) m |= Bit(d);
    cands[static_cast<std::size_t>(cell)] = m;
  }
  for (std::size_t y = 0; y < picture.size(); ++y) {
    for (std::size_t x = 0; x < 9; ++x) {
      if (picture[y][x] == '.') cands[y * 9 + x] &= ~Bit(digit);
    }
  }
  return LogicBoard(9, Digits{}, cands);
}

// The bivalue loop (1,1) 1-2, (5,1) 2-3, (5,5) 3-4, (1,5) 4-1: each digit
// leaves the line its two loop cells share.
std::vector<Candidate> CycleRemovals() {
  std::vector<Candidate> out;
  for (int k : {2, 3, 4, 6, 7, 8, 9}) {
    out.push_back({Cell(1, k), 1});
    out.push_back({Cell(k, 1), 2});
    out.push_back({Cell(5, k), 3});
    out.push_back({Cell(k, 5), 4});
  }
  return out;
}

std::string CycleText() {
  auto line = [](bool column, int at, int digit) {
    std::string out;
    for (int k : {2, 3, 4, 6, 7, 8, 9}) {
      const int x = column ? at : k;
      const int y = column ? k : at;
      out += std::string(out.empty() ? "" : "・") + "( x =  " + std::to_string(x) +
             ", y =  " + std::to_string(y) + ")";
    }
    return out + " から " + std::to_string(digit) + " を";
  };
  return line(true, 1, 1) + "、" + line(false, 1, 2) + "、" + line(true, 5, 3) + "、" +
         line(false, 5, 4) + "消せます";
}

struct Case {
  const char* name;
  LogicBoard board;
  Technique technique;
  int rating;
  std::vector<Candidate> removals;
  std::string sentence;
};

TEST(LogicTechniques, EachHandMadeBoardGivesItsTechniqueWithExactRemovalsAndSentence) {
  const std::vector<Case> cases = {
      {"x-wing",
       Board({}, 5,
             {"x....x...", "xx.xxx.xx", "xxxxxxxxx", "xxxxxxxxx", "x....x...", "xxxxxxxxx",
              ".xxx.xxxx", ".xxx.xxxx", "xx.xxx.xx"}),
       Technique::XWing,
       32,
       {{Cell(1, 2), 5},
        {Cell(6, 2), 5},
        {Cell(1, 3), 5},
        {Cell(6, 3), 5},
        {Cell(1, 4), 5},
        {Cell(6, 4), 5},
        {Cell(1, 6), 5},
        {Cell(6, 6), 5},
        {Cell(6, 7), 5},
        {Cell(6, 8), 5},
        {Cell(1, 9), 5},
        {Cell(6, 9), 5}},
       "y =  1 の行と y =  5 の行で 5 が入るのは x =  1 の列と x =  6 の列との交点だけなので、( x "
       "=  1, y =  2)・( x =  6, y =  2)・( x =  1, y =  3)・( x =  6, y =  3)・( x =  1, y =  "
       "4)・( x =  6, y =  4)・( x =  1, y =  6)・( x =  6, y =  6)・( x =  6, y =  7)・( x =  6, "
       "y =  8)・( x =  1, y =  9)・( x =  6, y =  9) から 5 を消せます（X-Wing）"},
      {"xy-wing",
       Board({{Cell(1, 1), {1, 2}}, {Cell(5, 1), {1, 3}}, {Cell(1, 5), {2, 3}}}),
       Technique::XYWing,
       42,
       {{Cell(5, 5), 3}},
       "( x =  1, y =  1) に何が入っても ( x =  5, y =  1) と ( x =  1, y =  5) のどちらかが 3 "
       "になるので、( x =  5, y =  5) から 3 を消せます（XY-Wing）"},
      {"xyz-wing",
       Board({{Cell(2, 2), {1, 2, 3}}, {Cell(2, 8), {1, 3}}, {Cell(3, 1), {2, 3}}}),
       Technique::XYZWing,
       44,
       {{Cell(2, 1), 3}, {Cell(2, 3), 3}},
       "( x =  2, y =  2) に何が入っても ( x =  3, y =  1) と ( x =  2, y =  8) と ( x =  2, y =  "
       "2) のどれかが 3 になるので、( x =  2, y =  1)・( x =  2, y =  3) から 3 "
       "を消せます（XYZ-Wing）"},
      {"naked pair",
       Board({{Cell(2, 4), {6, 8}}, {Cell(7, 4), {6, 8}}}),
       Technique::NakedPair,
       30,
       {{Cell(1, 4), 6},
        {Cell(3, 4), 6},
        {Cell(4, 4), 6},
        {Cell(5, 4), 6},
        {Cell(6, 4), 6},
        {Cell(8, 4), 6},
        {Cell(9, 4), 6},
        {Cell(1, 4), 8},
        {Cell(3, 4), 8},
        {Cell(4, 4), 8},
        {Cell(5, 4), 8},
        {Cell(6, 4), 8},
        {Cell(8, 4), 8},
        {Cell(9, 4), 8}},
       "( x =  2, y =  4)・( x =  7, y =  4) には 6・8 しか入らないので、( x =  1, y =  4)・( x =  "
       "3, y =  4)・( x =  4, y =  4)・( x =  5, y =  4)・( x =  6, y =  4)・( x =  8, y =  4)・( "
       "x =  9, y =  4) から 6 を、( x =  1, y =  4)・( x =  3, y =  4)・( x =  4, y =  4)・( x =  "
       "5, y =  4)・( x =  6, y =  4)・( x =  8, y =  4)・( x =  9, y =  4) から 8 "
       "を消せます（裸のペア）"},
      {"skyscraper",
       Board({}, 7,
             {"x...x....", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "x....x...", "xxxxxxxxx",
              "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx"}),
       Technique::Skyscraper,
       40,
       {{Cell(6, 2), 7}, {Cell(6, 3), 7}, {Cell(5, 4), 7}, {Cell(5, 6), 7}},
       "7 は ( x =  5, y =  1) と ( x =  1, y =  1)、( x =  1, y =  5) と ( x =  6, y =  5) "
       "のどちらかに入り、鎖の両端 ( x =  5, y =  1) か ( x =  6, y =  5) のどちらかは 7 なので、( "
       "x =  6, y =  2)・( x =  6, y =  3)・( x =  5, y =  4)・( x =  5, y =  6) から 7 "
       "を消せます（スカイスクレイパー）"},
      {"xy-chain",
       Board({{Cell(1, 1), {1, 2}},
              {Cell(5, 1), {2, 3}},
              {Cell(5, 5), {3, 4}},
              {Cell(9, 5), {4, 1}}}),
       Technique::YChain,
       72,
       {{Cell(9, 1), 1}},
       "( x =  9, y =  1) が 1 だとすると、(9,1)=1 → (1,1)≠1 → (1,1)=2 → (5,1)≠2 → (5,1)=3 → "
       "(5,5)≠3 → (5,5)=4 → (9,5)≠4 → (9,5)=1 → (9,1)≠1 となって矛盾するので、( x =  9, y =  1) "
       "から 1 を消せます（XYチェーン）"},
      {"wxyz-wing",
       Board({{Cell(1, 1), {1, 2}},
              {Cell(2, 1), {2, 3}},
              {Cell(3, 1), {3, 4}},
              {Cell(3, 5), {1, 4}}}),
       Technique::WXYZWing,
       55,
       {{Cell(3, 2), 1}, {Cell(3, 3), 1}, {Cell(1, 4), 1}, {Cell(1, 5), 1}, {Cell(1, 6), 1}},
       "( x =  1, y =  1)・( x =  2, y =  1)・( x =  3, y =  1) には 1・2・3・4 しか入らず、( x =  "
       "3, y =  5) には 1・4 しか入らないので、( x =  3, y =  2)・( x =  3, y =  3)・( x =  1, y = "
       " "
       "4)・( x =  1, y =  5)・( x =  1, y =  6) から 1 を消せます（WXYZ-Wing）"},
      {"vwxyz-wing",
       Board({{Cell(1, 1), {1, 2}},
              {Cell(2, 1), {2, 3}},
              {Cell(3, 1), {3, 4}},
              {Cell(4, 1), {4, 5}},
              {Cell(4, 5), {1, 5}}}),
       Technique::VWXYZWing,
       63,
       {{Cell(1, 5), 1}},
       "( x =  1, y =  1)・( x =  2, y =  1)・( x =  3, y =  1)・( x =  4, y =  1) には "
       "1・2・3・4・5 "
       "しか入らず、( x =  4, y =  5) には 1・5 しか入らないので、( x =  1, y =  5) から 1 "
       "を消せます（VWXYZ-Wing）"},
      {"empty rectangle",
       Board({}, 7,
             {"xxxxxxx.x", "xxxxxxxxx", "xxxxxxx.x", "xxx.x.x.x", "xxxx.xxxx", "xxx.x.x.x",
              "xxxxxxx.x", "xxxxxxx.x", "xxxxxxx.x"}),
       Technique::GroupedLinks,
       43,
       {{Cell(5, 2), 7}},
       "7 は ( x =  5, y =  4)・( x =  5, y =  6) と ( x =  4, y =  5)・( x =  6, y =  5)、( x =  "
       "8, "
       "y =  5) と ( x =  8, y =  2) のどちらかに入り、鎖の両端 ( x =  5, y =  4)・( x =  5, y =  "
       "6) "
       "か ( x =  8, y =  2) のどこかは 7 なので、( x =  5, y =  2) から 7 "
       "を消せます（グループ化したXチェーン）"},
      {"y-cycle",
       Board({{Cell(1, 1), {1, 2}},
              {Cell(5, 1), {2, 3}},
              {Cell(5, 5), {3, 4}},
              {Cell(1, 5), {1, 4}}}),
       Technique::YCycle, 66, CycleRemovals(),
       "(1,1)=1 → (1,5)≠1 → (1,5)=4 → (5,5)≠4 → (5,5)=3 → (5,1)≠3 → (5,1)=2 → (1,1)≠2 → "
       "(1,1)=1 と輪になり、どちらに回っても同じなので、" +
           CycleText() + "（XYサイクル）"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<Step> step = NextStep(c.board);
    ASSERT_TRUE(step.has_value());
    EXPECT_EQ(step->technique, c.technique);
    EXPECT_EQ(step->rating, c.rating);
    if (!c.removals.empty()) {
      std::vector<Candidate> expected = c.removals;
      std::sort(expected.begin(), expected.end());
      std::vector<Candidate> got = step->removals;
      std::sort(got.begin(), got.end());
      EXPECT_EQ(got, expected);
    }
    if (!c.sentence.empty()) {
      EXPECT_EQ(Describe(*step, 9, nullptr), c.sentence);
    }
  }
}

// Whether a board contradicts itself, by looking at every cell and unit: an
// empty cell without candidates, a digit twice in a unit, a digit neither
// placed in a unit nor with a place there.
bool Contradicts(const LogicBoard& b) {
  const Geometry& g = b.Geo();
  for (int c = 0; c < g.cells; ++c) {
    if (b.Value(c) == 0 && b.Cands(c) == 0) return true;
  }
  for (int u = 0; u < 3 * g.n; ++u) {
    Mask placed = 0;
    for (int c : g.units[static_cast<std::size_t>(u)]) {
      const int v = b.Value(c);
      if (v == 0) continue;
      if (placed & Bit(v)) return true;
      placed |= Bit(v);
    }
    for (int d = 1; d <= g.n; ++d) {
      if (!(placed & Bit(d)) && b.Places(u, d) == 0) return true;
    }
  }
  return false;
}

// Whether the digits of one place the board keeps for each unit are those
// its places show.
bool KeepsOnePlaceDigits(const LogicBoard& b) {
  for (int unit = 0; unit < 3 * b.Size(); ++unit) {
    Mask ones = 0;
    for (int d = 1; d <= b.Size(); ++d) {
      const Mask places = b.Places(unit, d);
      if (places != 0 && (places & (places - 1)) == 0) ones |= Bit(d);
    }
    if (b.OnePlace(unit) != ones) return false;
  }
  return true;
}

TEST(LogicTechniques, ABoardIsBrokenFromTheChangeThatContradictsIt) {
  const char* puzzle =
      "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
  const Digits digits = FromLine(puzzle);
  struct Change {
    bool place;  // else a removal
    int cell;
    int digit;
  };
  struct Walk {
    const char* name;
    std::vector<Change> changes;
    std::vector<bool> broken;  // after each change
  };
  const std::vector<Walk> walks = {
      {"a cell loses its candidates one by one",
       {{false, Cell(2, 1), 1},
        {false, Cell(2, 1), 2},
        {false, Cell(2, 1), 6},
        {false, Cell(2, 1), 7},
        {false, Cell(2, 1), 9}},
       {false, false, false, false, true}},
      {"a digit loses its places in a row",
       {{false, Cell(2, 1), 1},
        {false, Cell(3, 1), 1},
        {false, Cell(4, 1), 1},
        {false, Cell(6, 1), 1},
        {false, Cell(8, 1), 1}},
       {false, false, false, false, true}},
      {"a digit placed where a peer holds it",
       {{true, Cell(2, 1), 6}, {true, Cell(3, 1), 6}},
       {false, true}},
      {"a digit placed in a cell without candidates, then judged cell by cell",
       {{false, Cell(2, 1), 1},
        {false, Cell(2, 1), 2},
        {false, Cell(2, 1), 6},
        {false, Cell(2, 1), 7},
        {false, Cell(2, 1), 9},
        {true, Cell(2, 1), 9},
        {false, Cell(3, 1), 9}},
       {false, false, false, false, true, false, false}},
  };
  for (const Walk& walk : walks) {
    LogicBoard board(9, digits);
    ASSERT_FALSE(board.Broken()) << walk.name;
    ASSERT_TRUE(KeepsOnePlaceDigits(board)) << walk.name;
    ASSERT_EQ(walk.changes.size(), walk.broken.size()) << walk.name;
    for (std::size_t k = 0; k < walk.changes.size(); ++k) {
      const Change& change = walk.changes[k];
      if (change.place) {
        board.Place(change.cell, change.digit);
      } else {
        board.Remove(change.cell, change.digit);
      }
      EXPECT_EQ(board.Broken(), walk.broken[k]) << walk.name << ", change " << k;
      EXPECT_EQ(board.Broken(), Contradicts(board)) << walk.name << ", change " << k;
      EXPECT_TRUE(KeepsOnePlaceDigits(board)) << walk.name << ", change " << k;
    }
  }
  // Givens twice in a row contradict each other from the start.
  Digits twice = digits;
  twice[static_cast<std::size_t>(Cell(2, 1))] = 4;
  EXPECT_TRUE(LogicBoard(9, twice).Broken());
  // Along a long walk of removals the board tells what a full look tells.
  LogicBoard board(9, digits);
  unsigned seed = 12345;
  int changes = 0;
  for (int draw = 0; draw < 20000; ++draw) {
    seed = seed * 1103515245u + 12345u;
    const int cell = static_cast<int>(seed >> 8) % 81;
    const int digit = static_cast<int>(seed >> 20) % 9 + 1;
    if (!board.Has(cell, digit)) continue;
    board.Remove(cell, digit);
    ++changes;
    ASSERT_EQ(board.Broken(), Contradicts(board)) << "after " << changes << " removals";
    ASSERT_TRUE(KeepsOnePlaceDigits(board)) << "after " << changes << " removals";
  }
  EXPECT_GT(changes, 100);
  EXPECT_TRUE(board.Broken());
}

TEST(LogicTechniques, ADirectStepPlacesItsSingleAndLeavesItsRemovalsToLaterSteps) {
  // Digit 5 in box 3 only on row 3: taking it from the rest of row 3 leaves
  // box 2 one place, ( x = 5, y = 2).
  LogicBoard board = Board({}, 5,
                           {"xxx......", "xxx.x....", "xxx.x.xxx", "xxxxxxxxx", "xxxxxxxxx",
                            "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx", "xxxxxxxxx"});
  const std::optional<Step> step = NextStep(board);
  ASSERT_TRUE(step.has_value());
  EXPECT_EQ(step->technique, Technique::DirectPointing);
  EXPECT_EQ(step->rating, 17);
  EXPECT_EQ(step->placements, (std::vector<Candidate>{{Cell(5, 2), 5}}));
  EXPECT_EQ(
      step->removals,
      (std::vector<Candidate>{{Cell(1, 3), 5}, {Cell(2, 3), 5}, {Cell(3, 3), 5}, {Cell(5, 3), 5}}));
  EXPECT_EQ(Describe(*step, 9, nullptr),
            "( x =  7～ 9, y =  1～ 3) のブロックで 5 が入るのは y =  3 の行との重なりだけなので、"
            "( x =  1, y =  3)・( x =  2, y =  3)・( x =  3, y =  3)・( x =  5, y =  3) から 5 "
            "を消すと、( x =  5, y =  2) に入る 5 が決まります（ポインティングからのシングル）");
  ApplyStep(board, *step);
  EXPECT_EQ(board.Value(Cell(5, 2)), 5);
  EXPECT_TRUE(board.Has(Cell(1, 3), 5));
  EXPECT_TRUE(board.Has(Cell(3, 3), 5));
  EXPECT_TRUE(PlacesOnly(step->technique));
}

TEST(LogicTechniques, AGraveOfTwoCellsWithOneExtraDigitTakesItFromTheCellsSeeingBoth) {
  // After a grouped X-chain, every empty cell of this puzzle holds two
  // candidates but ( x = 4, y = 4) and ( x = 6, y = 8), each with a 9 more
  // than the grave needs: one of them is 9, so no cell seeing both is.
  const std::string text =
      "....4....13...7.....46..1..3...5.2.66..7...4...7.1...3.....2.57.765..8...2.......";
  const Digits puzzle = FromLine(text);
  const Path path = SolvePath(9, puzzle);
  EXPECT_TRUE(path.solved);
  EXPECT_EQ(path.er, 57);
  const auto bug = std::find_if(path.steps.begin(), path.steps.end(),
                                [](const Step& s) { return s.technique == Technique::Bug; });
  ASSERT_NE(bug, path.steps.end());
  EXPECT_EQ(bug->rating, 57);
  EXPECT_TRUE(bug->placements.empty());
  EXPECT_EQ(bug->removals,
            (std::vector<Candidate>{{Cell(6, 4), 9}, {Cell(6, 5), 9}, {Cell(4, 7), 9}}));
  EXPECT_EQ(
      Describe(*bug, 9, nullptr),
      "( x =  4, y =  4)・( x =  6, y =  8) 以外のマスは候補が二つずつなので、( x =  4, y =  4) "
      "の 9・( x =  6, y =  8) の 9 のどれかが入らないと解が一つに決まらないので、( x =  6, y "
      "=  4)・( x =  6, y =  5)・( x =  4, y =  7) から 9 を消せます（BUG）");
}

TEST(LogicTechniques, UniqueRectanglesAndLoopsWithARoofSubsetOrSixCellsOnRealPuzzles) {
  // Puzzles whose paths need each of these (the first two generated, the
  // rest public 17-clue ones), rated as the reference rates them: a
  // rectangle whose roof is a cell of a naked pair, of a hidden pair and of
  // a hidden triple; a loop of six cells with one cell beyond its pair, and
  // one with 4 in column 5 only in its roof.
  struct Uniqueness {
    const char* puzzle;
    Technique technique;
    bool roofSubset;
    int rating;
    std::vector<Candidate> removals;
    std::string sentence;
  };
  const std::string start = " だけになると二通りに入れ替えられて解が一つに決まらないため、";
  const std::vector<Uniqueness> cases = {
      {"........1.....2.....1....34......5.....14....67....2.....3....8.2...6....5....9..",
       Technique::UniqueRectangle,
       true,
       46,
       {{Cell(1, 9), 7}, {Cell(1, 9), 8}, {Cell(3, 9), 7}, {Cell(3, 9), 8}},
       "( x =  1, y =  7)・( x =  7, y =  7)・( x =  1, y =  8)・( x =  7, y =  8) が 1・4" +
           start +
           "( x =  1, y =  7)・( x =  1, y =  8) のどちらかには 7・8 のどれかが入ります。( x =  "
           "1～ "
           "3, y =  7～ 9) のブロックでは ( x =  3, y =  8) と合わせて 7・8 が埋まるので、( x =  "
           "1, "
           "y =  9)・( x =  3, y =  9) から 7 を、( x =  1, y =  9)・( x =  3, y =  9) から 8 "
           "を消せます（ユニークレクタングル）"},
      {".....1..4.3.....5.5.4..321..794.2......3..9........87..92.4.3..7............95...",
       Technique::UniqueRectangle,
       true,
       45,
       {{Cell(4, 1), 5}, {Cell(4, 1), 6}},
       "( x =  4, y =  2)・( x =  9, y =  2)・( x =  4, y =  3)・( x =  9, y =  3) が 8・9" +
           start +
           "( x =  4, y =  2)・( x =  4, y =  3) の両方に 8・9 が入ることはなく、( x =  4～ 6, y = "
           " "
           "1～ 3) のブロックで 8・9 が入るのは ( x =  4, y =  2)・( x =  4, y =  3) "
           "の片方のほかに "
           "( x =  4, y =  1) だけなので、( x =  4, y =  1) から 5 を、( x =  4, y =  1) から 6 "
           "を消せます（ユニークレクタングル）"},
      {"84......7...1..8...32..41...2.8..7.9....93.....5..7..2.13..597.........49......5.",
       Technique::UniqueRectangle,
       true,
       46,
       {{Cell(4, 8), 3}, {Cell(6, 8), 1}, {Cell(6, 8), 6}},
       "( x =  2, y =  5)・( x =  3, y =  5)・( x =  2, y =  8)・( x =  3, y =  8) が 7・8" +
           start +
           "( x =  2, y =  8)・( x =  3, y =  8) の両方に 7・8 が入ることはなく、y =  8 の行で "
           "7・8・9 が入るのは ( x =  2, y =  8)・( x =  3, y =  8) の片方のほかに ( x =  4, y =  "
           "8)・( x =  6, y =  8) だけなので、( x =  6, y =  8) から 1 を、( x =  4, y =  8) から "
           "3 "
           "を、( x =  6, y =  8) から 6 を消せます（ユニークレクタングル）"},
      {"................12..3.45........6..7..4...8....52.........8.4...1.......26..7....",
       Technique::UniqueLoop,
       false,
       46,
       {{Cell(8, 9), 8}, {Cell(8, 9), 9}},
       "( x =  8, y =  3)・( x =  9, y =  3)・( x =  9, y =  8)・( x =  3, y =  8)・( x =  3, y =  "
       "9)・( x =  8, y =  9) が 8・9 だけになると二通りに入れ替えられて解が一つに決まらないので、"
       "( x =  8, y =  9) から 8 を、( x =  8, y =  9) から 9 を消せます（ユニークループ）"},
      {"................12..3..4........56.7.8.......21...........2.....7.6..4..5.4...3..",
       Technique::UniqueLoop,
       false,
       46,
       {{Cell(5, 5), 3}, {Cell(5, 6), 3}},
       "( x =  8, y =  1)・( x =  9, y =  1)・( x =  9, y =  6)・( x =  5, y =  6)・( x =  5, y =  "
       "5)・( x =  8, y =  5) が 3・4 だけになると二通りに入れ替えられて解が一つに決まらないので、"
       "( x =  5, y =  5)・( x =  5, y =  6) から 3 を消せます（ユニークループ）"},
  };
  for (const Uniqueness& c : cases) {
    SCOPED_TRACE(c.puzzle);
    const Digits puzzle = FromLine(c.puzzle);
    const Path path = SolvePath(9, puzzle);
    EXPECT_TRUE(path.solved);
    const auto found = std::find_if(path.steps.begin(), path.steps.end(), [&](const Step& s) {
      return s.technique == c.technique && s.subset.empty() != c.roofSubset;
    });
    ASSERT_NE(found, path.steps.end());
    // Taken before anything harder: no earlier step rates above it.
    EXPECT_TRUE(std::all_of(path.steps.begin(), found,
                            [&](const Step& s) { return s.rating <= c.rating; }));
    EXPECT_EQ(found->rating, c.rating);
    EXPECT_EQ(found->removals, c.removals);
    EXPECT_TRUE(found->placements.empty());
    EXPECT_EQ(Describe(*found, 9, nullptr), c.sentence);
  }
}

}  // namespace
}  // namespace gridora::logic
