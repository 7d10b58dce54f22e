// SPDX-License-Identifier: MIT
#include "settings/config_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "core/color_hex.h"

namespace gridora {
namespace {

TEST(KateiMaxRulesTest, boxTextOutsideTheRangeGivesTheBarValueBack) {
  struct Case {
    const char* text;
    int barMax;
    int bar;          // the scroll bar's value afterwards
    const char* box;  // text put back into the box, or nullptr
  };
  const Case cases[] = {
      {"1", 9, 6, " 6"},       {"12", 9, 6, " 6"},
      {"", 9, 6, " 6"},        {"abc", 9, 6, " 6"},
      {"-3", 9, 6, " 6"},      {"7", 9, 7, nullptr},
      {" 9", 9, 9, nullptr},   {"2", 9, 2, nullptr},
      {"16", 16, 16, nullptr}, {"17", 16, 6, " 6"},
      {"12", 16, 12, nullptr}, {"2.5", 9, 2, nullptr},  // rounded half to even
      {"1.5", 9, 2, nullptr},  {"9.5", 9, 6, " 6"},
      {"&H9", 9, 9, nullptr},  {"99999999999999999999", 16, 6, " 6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const KateiEdit edit = KateiTextChanged(c.text, 6, c.barMax);
    EXPECT_EQ(edit.barValue, c.bar);
    EXPECT_EQ(edit.resetText.value_or("(none)"), c.box ? c.box : "(none)");
  }
}

TEST(KateiMaxRulesTest, barRewritesTheBoxOnlyWhenItReadsDifferently) {
  EXPECT_EQ(KateiTextForBar(" 9", 9), std::nullopt);
  EXPECT_EQ(KateiTextForBar("7", 7), std::nullopt);
  EXPECT_EQ(KateiTextForBar("5", 7), " 7");
  EXPECT_EQ(KateiTextForBar("7.4", 7), " 7");  // the unrounded number differs
  EXPECT_EQ(KateiTextForBar("", 3), " 3");
  EXPECT_EQ(KateiTextForBar("16", 16), std::nullopt);
}

TEST(PaletteRulesTest, longTextsAreCutToSixCharacters) {
  EXPECT_EQ(CutPaletteText("FFFFFFF"), "FFFFFF");
  EXPECT_EQ(CutPaletteText("12345678"), "123456");
  EXPECT_EQ(CutPaletteText("FFFFFF"), std::nullopt);
  EXPECT_EQ(CutPaletteText(""), std::nullopt);
  EXPECT_EQ(CutPaletteText("あいうえおかき"), "あいうえおか");
  EXPECT_EQ(CutPaletteText("ａｂｃｄｅｆ"), std::nullopt);
}

TEST(PaletteRulesTest, swatchTakesTheLeadingHexadecimalDigits) {
  struct Case {
    const char* text;
    const char* swatch;
  };
  const Case cases[] = {
      {"ff", "0000FF"},   {"FFFFFF", "FFFFFF"},  {"307050", "307050"}, {"", "000000"},
      {"zz", "000000"},   {"f f", "0000FF"},     {"12x456", "000012"}, {" 1 2 ", "000012"},
      {"-1", "000000"},   {"fffffff", "FFFFFF"},  // last six digits, should one slip in
      {"あff", "000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(ColorToHex(PaletteSwatchColor(c.text)), c.swatch) << c.text;
}

TEST(PaletteRulesTest, chooserStartsFromThePairsOfTheText) {
  EXPECT_EQ(ColorToHex(PaletteChooserColor("fff")), "000FFF");
  EXPECT_EQ(ColorToHex(PaletteChooserColor("c0ffee")), "C0FFEE");
  // The swatch and the chooser read a text with blanks differently.
  EXPECT_EQ(ColorToHex(PaletteChooserColor("f f")), "000F00");
}

}  // namespace
}  // namespace gridora
