// SPDX-License-Identifier: MIT
#include "core/encoding.h"

#include <gtest/gtest.h>

namespace gridora {
namespace {

TEST(EncodingTest, headerLineConvertsToExactShiftJisBytes) {
  const auto sjis = Utf8ToShiftJis("Gridoraデータ ver 2.1");
  ASSERT_TRUE(sjis);
  EXPECT_EQ(*sjis, "Gridora\x83\x66\x81\x5B\x83\x5E ver 2.1");
  EXPECT_EQ(ShiftJisToUtf8(*sjis), "Gridoraデータ ver 2.1");
}

TEST(EncodingTest, halfWidthKatakanaIsOneByte) {
  EXPECT_EQ(Utf8ToShiftJis("ﾅﾝﾊﾞｰ"), "\xC5\xDD\xCA\xDE\xB0");
}

TEST(EncodingTest, longTextRoundTrips) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "数独abc";
  const auto sjis = Utf8ToShiftJis(text);
  ASSERT_TRUE(sjis);
  EXPECT_EQ(sjis->size(), 2000u * 7);
  EXPECT_EQ(ShiftJisToUtf8(*sjis), text);
}

TEST(EncodingTest, unconvertibleTextIsRefused) {
  EXPECT_FALSE(Utf8ToShiftJis("\xF0\x9F\x98\x80"));  // an emoji
  EXPECT_FALSE(Utf8ToShiftJis("\xC3"));              // cut UTF-8
  EXPECT_FALSE(ShiftJisToUtf8("ab\x83"));            // lead byte without trail
}

TEST(EncodingTest, prefixNeverSplitsACharacter) {
  const std::string sjis = "a\x82\xA0\x82\xA2";  // a, then two hiragana
  EXPECT_EQ(ShiftJisPrefixLength(sjis, 2), 1u);
  EXPECT_EQ(ShiftJisPrefixLength(sjis, 3), 3u);
  EXPECT_EQ(ShiftJisPrefixLength(sjis, 4), 3u);
  EXPECT_EQ(ShiftJisPrefixLength(sjis, 99), 5u);
  EXPECT_EQ(ShiftJisPrefixLength("\xB1\xB2", 1), 1u);  // half-width kana is one byte
}

}  // namespace
}  // namespace gridora
