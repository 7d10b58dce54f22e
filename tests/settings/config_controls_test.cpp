// SPDX-License-Identifier: MIT
#include "settings/config_controls.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_association.h"

namespace gridora {
namespace {

using gridora::testing::FakeAssociation;

Settings Unusual() {
  Settings s;
  s.KateiOnOff = false;
  s.KateiMode = 0;
  s.KateiMax9 = 4;
  s.KateiMax16 = 15;
  s.NChangeSpeed = 7;
  s.LPrintMode = true;
  s.AAnswerCheak = false;
  s.Beep = false;
  s.GifPath = "img/";
  s.UserName = "花子";
  s.SoftColor = {Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9)};
  s.HtmlColor = {Rgb(10, 11, 12), Rgb(13, 14, 15), Rgb(16, 17, 18)};
  return s;
}

TEST(ConfigControlsTest, okWithTheOpeningValuesStoresTheSameSettings) {
  for (const Settings& original : {Settings{}, Unusual()}) {
    FakeAssociation association;
    const ConfigControls controls = ControlsOf(original, true);
    EXPECT_EQ(controls.beep, original.Beep ? 0 : 1);
    EXPECT_EQ(controls.swatches[4], original.HtmlColor[1]);
    Settings stored = Unusual();
    stored.KateiOnOff = !original.KateiOnOff;
    stored.UserName = "x";
    stored.SoftColor[2] = Rgb(99, 99, 99);
    ApplyControls(controls, stored, association);
    EXPECT_EQ(ControlsOf(stored, true), controls);
    EXPECT_EQ(stored.UserName, original.UserName);
    EXPECT_EQ(stored.KateiOnOff, original.KateiOnOff);
    EXPECT_EQ(stored.SoftColor, original.SoftColor);
    EXPECT_TRUE(association.calls.empty());  // the box was not clicked
  }
}

TEST(ConfigControlsTest, storedValuesOutsideTheControlsComeInsideOnOpening) {
  Settings s;
  s.KateiMax9 = 20;
  s.KateiMax16 = 1;
  s.NChangeSpeed = -3;
  s.KateiMode = 5;
  s.SoftColor[1] = 0xFF000000 | Rgb(48, 112, 80);  // a high byte from a hand-edited file
  const ConfigControls c = ControlsOf(s, false);
  EXPECT_EQ(c.max9, 9);
  EXPECT_EQ(c.max16, 2);
  EXPECT_EQ(c.changeSpeed, 0);
  EXPECT_EQ(c.assumeMode, -1);
  EXPECT_EQ(c.swatches[1], Rgb(48, 112, 80));
  FakeAssociation association;
  ApplyControls(c, s, association);
  EXPECT_EQ(s.KateiMode, 0);  // no mode button selected
  EXPECT_EQ(s.KateiMax9, 9);
  EXPECT_EQ(s.SoftColor[1], Rgb(48, 112, 80));
}

TEST(ConfigControlsTest, associationIsSetOnlyWhenItsBoxWasClicked) {
  for (const bool finalState : {false, true}) {
    FakeAssociation association;
    Settings s;
    ConfigControls c = ControlsOf(s, !finalState);
    c.connect = finalState;
    c.connectChanged = true;
    ApplyControls(c, s, association);
    EXPECT_EQ(association.calls, std::vector<bool>{finalState});
  }
}

}  // namespace
}  // namespace gridora
