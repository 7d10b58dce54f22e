// SPDX-License-Identifier: MIT
// The two puzzle dialogs' operations without their widgets: the digit
// exchange and the puzzle texts.

#include <string>
#include <vector>

#include "core/digit_exchange.h"
#include "core/history.h"
#include "core/puzzle_properties.h"
#include "support/core_fixture.h"

namespace gridora::testing {
namespace {

constexpr int kGreen = 128;
constexpr int kYellow = 256;

std::vector<int> Identity(int n) {
  std::vector<int> choices;
  for (int i = 0; i < n; ++i) choices.push_back(i);
  return choices;
}

TEST(RepairExchangeTest, aChosenTargetOfAnotherDigitIsExchanged) {
  struct Case {
    int size;
    int list;
    int target;
    std::optional<ExchangeRepair> repair;
  };
  const Case cases[] = {
      {9, 0, 1, ExchangeRepair{1, 0}},     // 1 -> 2: digit 2 takes 1
      {9, 8, 0, ExchangeRepair{0, 8}},     // 9 -> 1: digit 1 takes 9
      {9, 4, 4, std::nullopt},             // the target the list already shows
      {16, 2, 15, ExchangeRepair{15, 2}},  // 3 -> 16: digit 16 takes 3
      {16, 15, 9, ExchangeRepair{9, 15}},
  };
  for (const Case& c : cases) {
    std::vector<int> choices = Identity(c.size);
    choices[static_cast<std::size_t>(c.list)] = c.target;
    EXPECT_EQ(RepairExchange(choices, c.list), c.repair) << c.size << ": " << c.list;
  }
}

TEST(RepairExchangeTest, repairsAfterEarlierExchangesAndWaitsForEmptyLists) {
  // 1 -> 3, 3 -> 1 already; now 2 -> 1 takes the target of list 2 (digit 3),
  // which gets 2, the target list 1 gave up.
  std::vector<int> choices = {2, 0, 0, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(RepairExchange(choices, 1), (ExchangeRepair{2, 1}));
  choices[2] = 1;
  EXPECT_EQ(RepairExchange(choices, 2), std::nullopt);  // the repair's own selection
  // A list still being filled: nothing to repair yet.
  EXPECT_EQ(RepairExchange(std::vector<int>{0, 0, -1, 3, 4, 5, 6, 7, 8}, 1), std::nullopt);
  EXPECT_EQ(RepairExchange(std::vector<int>{0, 1}, 5), std::nullopt);
}

using ExchangeDigitsTest = CoreTest;

TEST_F(ExchangeDigitsTest, renumbersEveryCellKeepingItsColourClass) {
  // Black 1, green 2, yellow 1, empty, black 3, and a 12 a file put on the
  // 9 x 9 board.
  BulkSet({{0, 1}, {1, kGreen + 2}, {2, kYellow + 1}, {4, 3}, {80, 12}});
  const int historyBefore = state.HistoryPos;
  std::vector<int> choices = Identity(9);
  std::swap(choices[0], choices[1]);
  ExchangeDigits(app, choices);
  EXPECT_EQ(Code(0), 2);
  EXPECT_EQ(Code(1), kGreen + 1);
  EXPECT_EQ(Code(2), kYellow + 2);
  EXPECT_EQ(Code(3), 0);
  EXPECT_EQ(Code(4), 3);
  EXPECT_EQ(Code(80), 12);  // no choice for it: left as it is
  EXPECT_TRUE(state.DataChanged);
  EXPECT_EQ(screen.Cell(9, 1).caption, "1");
  EXPECT_EQ(screen.Cell(9, 1).color, state.settings.SoftColor[1]);
  EXPECT_EQ(state.HistoryPos, historyBefore + 1);  // one undo step
  UndoStep(app);
  EXPECT_EQ(Code(0), 1);
}

TEST_F(ExchangeDigitsTest, sixteenDigitsAndTheIdentityStillMarkTheChange) {
  NewPuzzle16(app);
  BulkSet({{0, 3}, {1, kGreen + 16}, {255, kYellow + 3}, {17, 5}});
  std::vector<int> choices = Identity(16);
  std::swap(choices[2], choices[15]);
  ExchangeDigits(app, choices);
  EXPECT_EQ(Code(0), 16);
  EXPECT_EQ(Code(1), kGreen + 3);
  EXPECT_EQ(Code(255), kYellow + 16);
  EXPECT_EQ(Code(17), 5);
  state.DataChanged = false;
  const long writes = screen.cellWrites;
  ExchangeDigits(app, Identity(16));
  EXPECT_EQ(Code(0), 16);
  EXPECT_TRUE(state.DataChanged);
  EXPECT_EQ(screen.cellWrites, writes + 256);  // redrawn all the same
}

using PuzzleTextsTest = CoreTest;

TEST(CharacterListTest, nineItemsAtLeast) {
  struct Case {
    const char* list;
    bool accepted;
  };
  const Case cases[] = {
      {"1,2,3,4,5,6,7,8,9", true},
      {"1,2,3,4,5,6,7,8", false},
      {"A,B,C,D,E,F,G,H,I", true},
      {",,,,,,,,", true},  // nine empty items
      {"", false},
      {"一,二,三,四,五,六,七,八,九", true},
      {"1、2、3、4、5、6、7、8、9", false},  // not the comma
      {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16", true},
  };
  for (const Case& c : cases) EXPECT_EQ(IsCharacterListAcceptable(c.list), c.accepted) << c.list;
}

TEST_F(PuzzleTextsTest, storesAllFourAndShowsTheLetters) {
  BulkSet({{0, 1}, {1, kGreen + 3}, {2, 2}});
  state.DataChanged = false;
  const PuzzleTexts texts{"山田", "2026/01/02", "やさしい", "A,,C,D,E,F,G,H,I"};
  EXPECT_TRUE(ApplyPuzzleTexts(app, texts));
  EXPECT_EQ(CurrentPuzzleTexts(state).author, "山田");
  EXPECT_EQ(state.PuzzleDate, "2026/01/02");
  EXPECT_EQ(state.PuzzleComment, "やさしい");
  EXPECT_EQ(state.CharacterList, "A,,C,D,E,F,G,H,I");
  EXPECT_EQ(screen.Cell(9, 0).caption, "A");
  EXPECT_EQ(screen.Cell(9, 1).caption, "C");
  EXPECT_EQ(screen.Cell(9, 2).caption, "");  // its item is empty
  EXPECT_EQ(screen.Property(PropertyLabel::Comment), "やさしい");
  EXPECT_TRUE(state.DataChanged);
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(PuzzleTextsTest, aShortListIsRefusedAndNothingStored) {
  const PuzzleTexts before = CurrentPuzzleTexts(state);
  EXPECT_FALSE(ApplyPuzzleTexts(app, {"x", "y", "z", "1,2,3,4,5,6,7,8"}));
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text, "キャラクターの書き方がおかしいです");
  EXPECT_EQ(screen.messages[0].title, "変更不可能");
  EXPECT_EQ(screen.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(screen.messages[0].icon, MessageIcon::Information);
  const PuzzleTexts after = CurrentPuzzleTexts(state);
  EXPECT_EQ(after.author, before.author);
  EXPECT_EQ(after.date, before.date);
  EXPECT_EQ(after.comment, before.comment);
  EXPECT_EQ(after.characters, before.characters);
  EXPECT_FALSE(state.DataChanged);
}

TEST_F(PuzzleTextsTest, nineItemsOnSixteenBoardLeaveTheHigherDigitsInDecimal) {
  NewPuzzle16(app);
  BulkSet({{0, 1}, {1, 10}});
  EXPECT_TRUE(ApplyPuzzleTexts(app, {"", "", "", "a,b,c,d,e,f,g,h,i"}));
  EXPECT_EQ(screen.Cell(16, 0).caption, "a");
  EXPECT_EQ(screen.Cell(16, 1).caption, "10");
}

}  // namespace
}  // namespace gridora::testing
