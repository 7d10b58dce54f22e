// SPDX-License-Identifier: MIT
// What a screen reader hears about a cell, and the contrast of the
// high-contrast look.

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "aids/cell_speech.h"
#include "aids/contrast.h"

namespace gridora::testing {
namespace {

TEST(CellSpeechTest, namesTellRowColumnDigitAndWhoseDigitItIs) {
  GivenFlags givens{};
  givens[22] = true;
  struct Case {
    int size;
    int cell;
    CellCode code;
    const GivenFlags* givens;
    const char* digit;
    const char* name;
  };
  const Case cases[] = {
      {9, 22, MakeCode(7, kClassBlack), nullptr, "7", "3行5列 7 問題の数字"},
      {9, 22, MakeCode(7, kClassBlack), &givens, "7", "3行5列 7 問題の数字"},
      {9, 23, MakeCode(7, kClassBlack), &givens, "7", "3行6列 7 入力した数字"},
      {9, 80, MakeCode(4, kClassGreen), nullptr, "4", "9行9列 4 解答の数字"},
      {9, 0, MakeCode(9, kClassYellow), &givens, "9", "1行1列 9 解答の数字"},
      {9, 40, MakeCode(0, kClassBlack), &givens, "", "5行5列 空き"},
      {9, 40, MakeCode(0, kClassGreen), nullptr, "", "5行5列 空き"},
      {16, 255, MakeCode(16, kClassBlack), nullptr, "G", "16行16列 G 問題の数字"},
      {16, 17, MakeCode(12, kClassGreen), nullptr, "12", "2行2列 12 解答の数字"},
  };
  for (const Case& c : cases) {
    const DigitKind kind = DigitKindOf(c.code, c.givens, c.cell);
    EXPECT_EQ(CellName(c.size, c.cell, c.digit, kind), c.name) << c.cell;
  }
}

TEST(CellSpeechTest, descriptionNamesNotesAndCandidatesThatAreShown) {
  EXPECT_EQ(CellDescription({}, {}), "");
  EXPECT_EQ(CellDescription({}, {"1", "2", "5"}), "候補：1 2 5");
  EXPECT_EQ(CellDescription({"3"}, {}), "メモ：3");
  EXPECT_EQ(CellDescription({"3", "8"}, {"1", "3", "8"}), "メモ：3 8 候補：1 3 8");
}

// The enhanced level of the guidelines (7:1) for every digit on every
// ground a cell of the high-contrast look can have.
TEST(ContrastTest, everyDigitKindStandsOutSevenToOneOnEveryGround) {
  EXPECT_DOUBLE_EQ(ContrastRatio(Rgb(255, 255, 255), Rgb(0, 0, 0)), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(Rgb(0, 0, 0), Rgb(255, 255, 255)), 21.0);
  EXPECT_NEAR(ContrastRatio(Rgb(0x77, 0x77, 0x77), Rgb(255, 255, 255)), 4.48, 0.01);
  EXPECT_DOUBLE_EQ(ContrastRatio(Rgb(10, 200, 30), Rgb(10, 200, 30)), 1.0);
  // The look of the program's defaults would not do: green on the light board.
  EXPECT_LT(ContrastRatio(Rgb(48, 112, 80), Rgb(230, 220, 200)), kEnhancedContrast);

  const std::pair<const char*, Color> digits[] = {
      {"given", HighContrastDigit(DigitKind::Given).color},
      {"solver", HighContrastDigit(DigitKind::Solver).color},
      {"player", HighContrastDigit(DigitKind::Player).color},
      {"repeated", kHighContrastAlert},
      {"candidate", kHighContrastCandidates},
      {"note", kHighContrastNotes},
  };
  for (CellGround ground : {CellGround::Plain, CellGround::Highlighted, CellGround::HintFocus,
                            CellGround::HintSupport}) {
    for (const auto& [what, color] : digits) {
      EXPECT_GE(ContrastRatio(color, HighContrastGround(ground)), kEnhancedContrast)
          << what << " on ground " << static_cast<int>(ground);
    }
  }
}

// Colour alone does not tell the kinds apart: each pair of kinds differs in
// colour and in weight or underline too; the player's notes are in the
// player's colour, which no candidate has.
TEST(ContrastTest, digitKindsDifferInMoreThanColour) {
  const DigitKind kinds[] = {DigitKind::Given, DigitKind::Solver, DigitKind::Player};
  std::set<std::pair<bool, bool>> shapes;
  std::set<Color> colours;
  for (DigitKind kind : kinds) {
    const DigitLook look = HighContrastDigit(kind);
    shapes.insert({look.bold, look.underline});
    colours.insert(look.color);
  }
  EXPECT_EQ(shapes.size(), 3u);
  EXPECT_EQ(colours.size(), 3u);
  EXPECT_EQ(kHighContrastNotes, HighContrastDigit(DigitKind::Player).color);
  EXPECT_NE(kHighContrastNotes, kHighContrastCandidates);
  EXPECT_TRUE(HighContrastDigit(DigitKind::Given).bold);
  EXPECT_TRUE(HighContrastDigit(DigitKind::Player).underline);
}

}  // namespace
}  // namespace gridora::testing
