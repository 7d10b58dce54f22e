// SPDX-License-Identifier: MIT
#include "settings/setting_values.h"

#include <gtest/gtest.h>

#include "settings/window_placement.h"

namespace gridora {
namespace {

TEST(SettingValuesTest, convertNumberTakesOnlyWholeNumberTexts) {
  EXPECT_EQ(ConvertNumber(" 12 "), 12);
  EXPECT_EQ(ConvertNumber("-3.5"), -3.5);
  EXPECT_EQ(ConvertNumber("+.5E1"), 5);
  EXPECT_EQ(ConvertNumber("&HFF"), 255);
  EXPECT_EQ(ConvertNumber("&o17"), 15);
  for (const char* bad : {"", " ", "1x", "x1", "1 2", "&H", "&HG", "1E", ".", "-", "1.2.3"}) {
    EXPECT_EQ(ConvertNumber(bad), std::nullopt) << bad;
  }
}

TEST(SettingValuesTest, convertBooleanTakesWordsAndNumbers) {
  EXPECT_EQ(ConvertBoolean("True"), true);
  EXPECT_EQ(ConvertBoolean("fAlSe"), false);
  EXPECT_EQ(ConvertBoolean(" TRUE "), true);
  EXPECT_EQ(ConvertBoolean("0"), false);
  EXPECT_EQ(ConvertBoolean("-1"), true);
  EXPECT_EQ(ConvertBoolean("0.25"), true);
  EXPECT_EQ(ConvertBoolean(""), std::nullopt);
  EXPECT_EQ(ConvertBoolean("yes"), std::nullopt);
  EXPECT_EQ(ConvertBoolean("Truely"), std::nullopt);
  // A number no double holds is not 0.
  const std::vector<std::pair<std::string, bool>> huge = {
      {"1e999", true},   {"-9.9E+400", true},   {"0.00012e401", true},
      {"1e-999", false}, {"0000e99999", false}, {"1" + std::string(400, '0'), true},
  };
  for (const auto& [text, expected] : huge) {
    EXPECT_EQ(ConvertBoolean(text), expected) << text;
    EXPECT_EQ(OldFileBoolean(text), !expected) << text;
  }
  EXPECT_EQ(ReadNumber("1e999"), 0);  // the numeric read itself is unchanged
}

TEST(SettingValuesTest, oldFileBooleanIsTrueForZeroOnly) {
  EXPECT_TRUE(OldFileBoolean("0"));
  EXPECT_TRUE(OldFileBoolean(""));  // the numeric read of nothing is 0
  EXPECT_TRUE(OldFileBoolean("True"));
  EXPECT_FALSE(OldFileBoolean("1"));
  EXPECT_FALSE(OldFileBoolean("-1"));
}

TEST(SettingValuesTest, inRangeRoundsHalfToEvenThenChecks) {
  EXPECT_EQ(InRange(2.5, 0, 8), 2);
  EXPECT_EQ(InRange(8.5, 0, 8), 8);
  EXPECT_EQ(InRange(8.6, 0, 8), std::nullopt);
  EXPECT_EQ(InRange(-0.4, 0, 8), 0);
  EXPECT_EQ(InRange(1e300, 0, 8), std::nullopt);
  EXPECT_EQ(InRange(std::nullopt, 0, 8), std::nullopt);
}

const std::vector<TwipsRect> kTwoScreens = {{0, 0, 28800, 16200}, {28800, -3000, 19200, 14400}};

TEST(WindowPlacementTest, reachablePositionsAreKept) {
  const auto kept = [](double left, double top) {
    const WindowPosition p = PlaceMainWindow(left, top, 9000, 7000, kTwoScreens);
    return p.left == left && p.top == top;
  };
  EXPECT_TRUE(kept(0, 0));
  EXPECT_TRUE(kept(30000, -3000));  // on the second screen, above the first
  EXPECT_TRUE(kept(-8000, 100));    // 1000 twips of the top edge still show
  EXPECT_TRUE(kept(28000, 15000));  // top edge near the bottom right corner
  EXPECT_TRUE(kept(0, -15));        // one pixel above the screen
  EXPECT_TRUE(kept(0, -300));       // half the title bar above it
}

TEST(WindowPlacementTest, positionOffEveryScreenIsCentredOnPrimary) {
  const WindowPosition centred = {(28800 - 9000) / 2.0, (16200 - 7000) / 2.0};
  for (const auto& [left, top] : std::vector<std::pair<double, double>>{{100000, 100000},
                                                                        {-8700, 100},
                                                                        {0, -315},
                                                                        {0, -3000},
                                                                        {0, 15700},
                                                                        {50000, 0},
                                                                        {1e30, 0}}) {
    const WindowPosition p = PlaceMainWindow(left, top, 9000, 7000, kTwoScreens);
    EXPECT_EQ(p.left, centred.left) << left << "," << top;
    EXPECT_EQ(p.top, centred.top) << left << "," << top;
  }
  const WindowPosition none = PlaceMainWindow(-5, -5, 9000, 7000, {});
  EXPECT_EQ(none.left, -5);
}

}  // namespace
}  // namespace gridora
