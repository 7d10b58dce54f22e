// SPDX-License-Identifier: MIT
#include "system/version_info.h"

#include <gtest/gtest.h>

#include "version.h"

namespace gridora {
namespace {

TEST(VersionInfoTest, versionTextIsPlainDecimalWithoutLeadingBlanks) {
  EXPECT_EQ(VersionText(2, 30, 33), "Version 2.30.33");
  EXPECT_EQ(VersionText(1, 0, 0), "Version 1.0.0");
  EXPECT_EQ(VersionText(), VersionText(kVersionMajor, kVersionMinor, kVersionPatch));
  EXPECT_EQ(VersionBoxCaption(), "Gridoraのバージョン情報");
}

TEST(VersionInfoTest, missingDesktopEntryGivesEmptyTextAndFalse) {
  std::string value = "stale";
  EXPECT_FALSE(GetKeyValue("no-such-program-gridora-test.desktop", "Exec", value));
  EXPECT_EQ(value, "");
}

}  // namespace
}  // namespace gridora
