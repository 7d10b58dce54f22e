// SPDX-License-Identifier: MIT
#include "core/text.h"

#include <gtest/gtest.h>

#include "core/cell.h"

namespace gridora {
namespace {

TEST(NumberTextTest, signPositionBeforeNonNegativeNumbers) {
  EXPECT_EQ(NumberText(9), " 9");
  EXPECT_EQ(NumberText(0), " 0");
  EXPECT_EQ(NumberText(-3), "-3");
  EXPECT_EQ(NumberText(5271600), " 5271600");
  EXPECT_EQ(NumberText(-32768), "-32768");
}

TEST(NumberTextTest, singleValuesShowFractionOnlyWhenNotWhole) {
  EXPECT_EQ(SingleText(1234.0f), " 1234");
  EXPECT_EQ(SingleText(-15.0f), "-15");
  EXPECT_EQ(SingleText(7.5f), " 7.5");
  EXPECT_EQ(SingleText(-0.25f), "-.25");
  EXPECT_EQ(SingleText(0.0f), " 0");
}

TEST(ReadNumberTest, decimalPrefix) {
  EXPECT_EQ(ReadNumber(" 12"), 12);
  EXPECT_EQ(ReadNumber("-3.5x"), -3.5);
  EXPECT_EQ(ReadNumber("+7"), 7);
  EXPECT_EQ(ReadNumber("1e3"), 1000);
  EXPECT_EQ(ReadNumber(".5"), 0.5);
  EXPECT_EQ(ReadNumber(" 5271600"), 5271600);
}

TEST(ReadNumberTest, blanksAnywhereAreSkipped) {
  EXPECT_EQ(ReadNumber("1 2 3"), 123);
  EXPECT_EQ(ReadNumber("\t- 4"), -4);
}

TEST(ReadNumberTest, hexadecimalAndOctal) {
  EXPECT_EQ(ReadNumber("&H1F"), 31);
  EXPECT_EQ(ReadNumber("&hff"), 255);
  EXPECT_EQ(ReadNumber(" &HFFFFFF"), 16777215);
  EXPECT_EQ(ReadNumber("&O17"), 15);
  EXPECT_EQ(ReadNumber("&HG"), 0);
}

TEST(ReadNumberTest, noNumberReadsZero) {
  EXPECT_EQ(ReadNumber(""), 0);
  EXPECT_EQ(ReadNumber("True"), 0);
  EXPECT_EQ(ReadNumber("abc12"), 0);
  EXPECT_EQ(ReadNumber("-"), 0);
  EXPECT_EQ(ReadNumber("."), 0);
  EXPECT_EQ(ReadNumber("&"), 0);
  EXPECT_EQ(ReadNumber("1e999"), 0);
}

TEST(ReadNumberTest, integersRoundHalfToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.6), 3);
  EXPECT_EQ(RoundHalfEven(-1.4), -1);
  EXPECT_EQ(ReadInteger("1.5"), 2);
  EXPECT_EQ(ReadInteger(" 4.5 "), 4);
  EXPECT_EQ(RoundHalfEven(1e300), INT64_MAX);
}

TEST(BoolTextTest, words) {
  EXPECT_STREQ(BoolText(true), "True");
  EXPECT_STREQ(BoolText(false), "False");
}

// One escape for the HTML export and the XML the other formats write: an
// attribute value keeps its line breaks and tabs only as references.
TEST(EscapeMarkupTest, htmlKeepsBreaksAndAttributesReferToThem) {
  const std::string text = "a&b<c>\"d\"\r\n\te'";
  EXPECT_EQ(EscapeMarkup(text), "a&amp;b&lt;c&gt;&quot;d&quot;\r\n\te'");
  EXPECT_EQ(EscapeMarkup(text, true), "a&amp;b&lt;c&gt;&quot;d&quot;&#13;&#10;&#9;e'");
  EXPECT_EQ(EscapeMarkup("山田"), "山田");
}

TEST(ColorTest, componentsPackRedFirst) {
  EXPECT_EQ(Rgb(48, 112, 80), 5271600u);
  EXPECT_EQ(Rgb(128, 128, 96), 6324352u);
  EXPECT_EQ(Rgb(255, 255, 192), 12648447u);
  EXPECT_EQ(Rgb(224, 255, 255), 16777184u);
  EXPECT_EQ(RedOf(5271600), 48);
  EXPECT_EQ(GreenOf(5271600), 112);
  EXPECT_EQ(BlueOf(5271600), 80);
}

TEST(CellCodeTest, digitAndClass) {
  EXPECT_EQ(DigitOf(133), 5);
  EXPECT_EQ(ClassOf(133), 1);
  EXPECT_EQ(MakeCode(7, 2), 263);
  EXPECT_TRUE(IsValidCode(2 * 128 + 16));
  EXPECT_FALSE(IsValidCode(17));
  EXPECT_FALSE(IsValidCode(3 * 128));
  EXPECT_FALSE(IsValidCode(-1));
}

}  // namespace
}  // namespace gridora
