#include "core/color_hex.h"

#include <gtest/gtest.h>

#include <string>

namespace gridora {
namespace {

TEST(ColorHexTest, redFirstInUpperCaseWithLeadingZeros) {
  EXPECT_EQ(ColorToHex(Rgb(48, 112, 80)), "307050");
  EXPECT_EQ(ColorToHex(Rgb(255, 255, 192)), "FFFFC0");
  EXPECT_EQ(ColorToHex(Rgb(0, 15, 255)), "000FFF");
  EXPECT_EQ(ColorToHex(0), "000000");
  EXPECT_EQ(ColorToHex(0x7F0A0B0C), "0C0B0A");  // the high byte does not count
}

TEST(ColorHexTest, pairValuesOfTheLastSixCharacters) {
  struct Case {
    std::string text;
    int red, green, blue;
  };
  const Case cases[] = {
      {"fff", 0, 0x0F, 0xFF},  // padded to 000fff
      {"307050", 0x30, 0x70, 0x50},
      {"AbCdEf", 0xAB, 0xCD, 0xEF},
      {"1234567", 0x23, 0x45, 0x67},  // cut to its last six
      {"", 0, 0, 0},
      {"g1h2i3", 0, 0, 0},         // a pair that starts with no digit is 0
      {"1g2h3i", 1, 2, 3},         // a second character that is no digit: the first alone
      {"あ1b2c3", 0, 0xB2, 0xC3},  // one character, not three bytes
      {" f f f", 0, 0, 0},         // blanks are not digits
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(HexPairValue(c.text, 1), c.red);
    EXPECT_EQ(HexPairValue(c.text, 2), c.green);
    EXPECT_EQ(HexPairValue(c.text, 3), c.blue);
  }
  EXPECT_EQ(HexPairValue("123456", 0), 0);
  EXPECT_EQ(HexPairValue("123456", 4), 0);
}

TEST(ColorHexTest, textOfAColourReadsBackAsTheColour) {
  for (const Color c :
       {Rgb(0, 0, 0), Rgb(48, 112, 80), Rgb(128, 128, 96), Rgb(224, 255, 255), Rgb(1, 2, 3)}) {
    const std::string text = ColorToHex(c);
    EXPECT_EQ(Rgb(HexPairValue(text, 1), HexPairValue(text, 2), HexPairValue(text, 3)), c) << text;
  }
}

}  // namespace
}  // namespace gridora
