// SPDX-License-Identifier: MIT
#include "core/color_hex.h"

#include <gtest/gtest.h>

namespace gridora {
namespace {

TEST(ColorToHexTest, redFirstUpperCaseWithLeadingZeros) {
  EXPECT_EQ(ColorToHex(Rgb(0, 0, 0)), "000000");
  EXPECT_EQ(ColorToHex(Rgb(255, 255, 192)), "FFFFC0");
  EXPECT_EQ(ColorToHex(Rgb(224, 255, 255)), "E0FFFF");
  EXPECT_EQ(ColorToHex(Rgb(48, 112, 80)), "307050");
  EXPECT_EQ(ColorToHex(Rgb(1, 10, 171)), "010AAB");
}

TEST(ColorToHexTest, onlyTheLowTwentyFourBitsCount) {
  EXPECT_EQ(ColorToHex(0xFF123456u), "563412");
}

TEST(HexPairValueTest, readsRedGreenBlueInTurn) {
  struct Case {
    const char* text;
    int red, green, blue;
  };
  const Case cases[] = {
      {"FFFFC0", 255, 255, 192},
      {"e0ffff", 224, 255, 255},
      {"C0", 0, 0, 192},               // padded on the left to "0000C0"
      {"", 0, 0, 0},                   // "000000"
      {"12345678", 0x34, 0x56, 0x78},  // the last six characters count
      {"G1A2Z3", 0, 162, 0},           // "G1" and "Z3" do not start with a digit
      {"1GA2B-", 1, 162, 11},          // a second character that is no digit: the first alone
      {"abあ", 0, 10, 11},             // "000abあ": characters, not bytes, are counted
      {" FFFFF", 0, 255, 255},         // a blank is no hexadecimal digit
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(HexPairValue(c.text, 1), c.red);
    EXPECT_EQ(HexPairValue(c.text, 2), c.green);
    EXPECT_EQ(HexPairValue(c.text, 3), c.blue);
  }
}

TEST(HexPairValueTest, roundTripsEveryComponentValue) {
  for (int v = 0; v < 256; ++v) {
    const std::string text = ColorToHex(Rgb(v, 255 - v, v ^ 0x5A));
    ASSERT_EQ(HexPairValue(text, 1), v);
    ASSERT_EQ(HexPairValue(text, 2), 255 - v);
    ASSERT_EQ(HexPairValue(text, 3), v ^ 0x5A);
  }
}

TEST(HexPairValueTest, componentOutsideOneToThreeReadsZero) {
  EXPECT_EQ(HexPairValue("FFFFFF", 0), 0);
  EXPECT_EQ(HexPairValue("FFFFFF", 4), 0);
}

}  // namespace
}  // namespace gridora
