// SPDX-License-Identifier: MIT
#include "play/game.h"

#include <string>

#include "core/history.h"
#include "play/kept_games.h"
#include "play/player_colour.h"
#include "support/core_fixture.h"
#include "support/temp_dir.h"

namespace gridora::testing {
namespace {

using play::Game;
using play::NoteMasks;

constexpr const char* kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
constexpr const char* kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

constexpr std::uint16_t Bit(int digit) {
  return static_cast<std::uint16_t>(1u << (digit - 1));
}

class GameTest : public CoreTest {
 protected:
  Game game;

  // The puzzle as the generator places it: snapshot 0 of a fresh history.
  void PlacePuzzle() {
    for (int i = 0; i < 81; ++i)
      state.Board[static_cast<std::size_t>(i)] = static_cast<CellCode>(kPuzzle[i] - '0');
    ResetHistory(state);
    state.History[0] = state.Board;
    RedrawBoard(app);
  }
  // A digit the player types, followed by what the window does after it.
  play::Game::SyncResult Play(int cell, int digit) {
    EXPECT_FALSE(game.IsGiven(cell));
    SetCell(app, cell, digit);
    return game.Sync(state, {.autoRemove = true, .byPlayer = true});
  }
  int Digit(int cell) const { return DigitOf(Code(cell)); }
};

// One game from start to finish: givens, notes and digits undone and
// redone in the order they were made, the floor of the givens, a placed
// digit taking its notes along (and giving them back on undo), the solved
// moment once.
TEST_F(GameTest, notesAndDigitsShareOneUndoOrderAndStopAtTheGivens) {
  PlacePuzzle();
  game.Start(state);
  EXPECT_EQ(state.HistoryPos, 1);  // the empty board lies under the puzzle
  EXPECT_TRUE(game.IsGiven(0));    // 5
  EXPECT_FALSE(game.IsGiven(2));   // empty
  EXPECT_FALSE(game.ToggleNote(0, 4)) << "no notes on a given";

  ASSERT_TRUE(game.ToggleNote(2, 4));
  ASSERT_TRUE(game.ToggleNote(2, 2));
  ASSERT_TRUE(game.ToggleNote(10, 4));  // same box as cell 2
  ASSERT_TRUE(game.ToggleNote(74, 4));  // same column as cell 2
  ASSERT_TRUE(game.ToggleNote(40, 4));  // elsewhere
  EXPECT_EQ(game.Notes(2), Bit(4) | Bit(2));

  // 4 in cell 2: the 4s of row, column and box go, the rest stay.
  EXPECT_TRUE(Play(2, 4).notesChanged);
  EXPECT_EQ(game.Notes(10), 0);
  EXPECT_EQ(game.Notes(74), 0);
  EXPECT_EQ(game.Notes(40), Bit(4));
  Play(3, 6);
  EXPECT_EQ(state.HistoryPos, 3) << "each digit in another cell is a step";

  // Undo: the 6, then the 4 with its notes back, then the five notes.
  ASSERT_TRUE(game.Undo(app));
  EXPECT_EQ(Digit(3), 0);
  EXPECT_EQ(Digit(2), 4);
  ASSERT_TRUE(game.Undo(app));
  EXPECT_EQ(Digit(2), 0);
  EXPECT_EQ(game.Notes(10), Bit(4));
  EXPECT_EQ(game.Notes(74), Bit(4));
  for (int k = 0; k < 5; ++k) ASSERT_TRUE(game.Undo(app)) << k;
  EXPECT_EQ(game.AllNotes(), NoteMasks{});
  EXPECT_FALSE(game.Undo(app)) << "the board before the givens is out of reach";
  EXPECT_EQ(Digit(0), 5);

  // Redo all of it.
  for (int k = 0; k < 7; ++k) ASSERT_TRUE(game.Redo(app)) << k;
  EXPECT_FALSE(game.Redo(app));
  EXPECT_EQ(Digit(2), 4);
  EXPECT_EQ(Digit(3), 6);
  EXPECT_EQ(game.Notes(10), 0);
  EXPECT_EQ(game.Notes(40), Bit(4));

  // A new note after an undo drops what could have been redone.
  ASSERT_TRUE(game.Undo(app));
  ASSERT_TRUE(game.ToggleNote(3, 1));
  EXPECT_FALSE(game.Redo(app)) << "the new note dropped the redo steps";

  // Fill the rest from the solution: solved at the last cell, once.
  int solvedAt = -1;
  for (int cell = 0; cell < 81; ++cell) {
    if (Code(cell) == kSolution[cell] - '0') continue;
    if (Play(cell, kSolution[cell] - '0').solvedNow) solvedAt = cell;
  }
  EXPECT_EQ(solvedAt, 78);  // the last empty cell (79 and 80 are givens)
  EXPECT_TRUE(game.Solved());
  SetCell(app, 78, 0);
  SetCell(app, 78, 1);
  EXPECT_FALSE(game.Sync(state, {.byPlayer = true}).solvedNow) << "the moment comes once";
}

// A board without a full solution never counts; a wrong digit is found
// against the solution even where it breaks no rule.
TEST_F(GameTest, solvedBoardsAndWrongDigits) {
  BoardCodes solved{};
  for (int i = 0; i < 81; ++i)
    solved[static_cast<std::size_t>(i)] = static_cast<CellCode>(kSolution[i] - '0');
  EXPECT_TRUE(play::IsSolvedBoard(solved, 9));
  BoardCodes green = solved;
  green[5] = MakeCode(DigitOf(green[5]), kClassGreen);
  EXPECT_TRUE(play::IsSolvedBoard(green, 9)) << "the colour class does not matter";
  BoardCodes swapped = solved;
  std::swap(swapped[0], swapped[1]);
  EXPECT_FALSE(play::IsSolvedBoard(swapped, 9));
  BoardCodes open = solved;
  open[40] = 0;
  EXPECT_FALSE(play::IsSolvedBoard(open, 9));

  BoardCodes board{};
  board[2] = 4;  // right
  board[3] = 9;  // wrong (6), but breaks no rule on an empty board
  const play::CellFlags wrong = play::DifferentFromSolution(board, solved, 9);
  EXPECT_EQ(wrong.count(), 1u);
  EXPECT_TRUE(wrong.test(3));
}

// The game kept for a file comes back on the same bytes only, with its
// givens, notes, time and marks; the player's digits stay black digits of
// the board.
TEST_F(GameTest, keptGameComesBackOnlyForTheSameFile) {
  PlacePuzzle();
  game.Start(state);
  game.ToggleNote(2, 1);
  game.ToggleNote(2, 2);
  Play(3, 6);
  game.Clock().Run(1000);
  game.MarkHelped();
  const play::GameRecord record = game.Record(61000);
  EXPECT_EQ(record.elapsedMs, 60000);
  EXPECT_EQ(Code(3), 6) << "a black digit like any other";

  TempDir dir;
  const play::KeptGames kept(play::GamesFolder(dir / "data"));
  const std::string bytes = "the file's bytes\r\n";
  ASSERT_TRUE(kept.Keep("/p/a.gdr", bytes, record));
  EXPECT_FALSE(kept.Find("/p/b.gdr", bytes)) << "another place";
  EXPECT_FALSE(kept.Find("/p/a.gdr", bytes + " ")) << "the file changed on disk";
  const auto found = kept.Find("/p/a.gdr", bytes);
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, record);

  // Reopened: all black digits, the givens from the record.
  Game again;
  ASSERT_TRUE(again.Resume(state, *found));
  EXPECT_TRUE(again.IsGiven(0));
  EXPECT_FALSE(again.IsGiven(3));
  EXPECT_EQ(again.Notes(2), Bit(1) | Bit(2));
  EXPECT_EQ(again.Clock().Elapsed(99999), 60000);
  EXPECT_TRUE(again.Helped());
  // A board that lacks a given is another puzzle.
  SetCell(app, 0, 0);
  EXPECT_FALSE(Game{}.Resume(state, *found));
  EXPECT_FALSE(play::ReadGameRecord("size=9\n"));
}

TEST(GameClockTest, countsOnlyWhileRunning) {
  play::GameClock clock;
  clock.Run(1000);
  clock.Run(5000);  // already running: no restart
  EXPECT_EQ(clock.Elapsed(4000), 3000);
  clock.Pause(4000);
  EXPECT_EQ(clock.Elapsed(90000), 3000);
  clock.Run(100000);
  EXPECT_EQ(clock.Elapsed(100500), 3500);
  clock.Reset(3723000);
  EXPECT_FALSE(clock.Running());
  EXPECT_EQ(play::ClockText(clock.Elapsed(0)), "1:02:03");
  EXPECT_EQ(play::ClockText(59999), "0:59");
  EXPECT_EQ(play::ClockText(600000), "10:00");
}

// The player's colour stays apart from the three classes' colours, on the
// default palette and on palettes that take its first choices away.
TEST(PlayerColourTest, standsApartFromEveryPalette) {
  const std::array<std::array<Color, 3>, 4> palettes{{
      {Rgb(0, 0, 0), Rgb(48, 112, 80), Rgb(128, 128, 96)},     // the defaults
      {Rgb(0, 70, 210), Rgb(48, 112, 80), Rgb(128, 128, 96)},  // black digits in blue
      {Rgb(0, 60, 200), Rgb(150, 30, 170), Rgb(170, 70, 0)},   // three choices taken
      {Rgb(255, 255, 255), Rgb(0, 0, 0), Rgb(0, 0, 0)},
  }};
  for (const auto& soft : palettes) {
    const Color player = play::PlayerDigitColor(soft);
    for (Color c : soft) {
      const int apart = std::abs(RedOf(player) - RedOf(c)) +
                        std::abs(GreenOf(player) - GreenOf(c)) +
                        std::abs(BlueOf(player) - BlueOf(c));
      EXPECT_GE(apart, 90) << std::hex << player << " against " << c;
    }
    EXPECT_NE(play::PlayerNoteColor(soft), player);
  }
  EXPECT_EQ(play::PlayerDigitColor(palettes[0]), Rgb(0, 70, 210));
}

}  // namespace
}  // namespace gridora::testing
