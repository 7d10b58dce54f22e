// SPDX-License-Identifier: MIT
#include "settings/tools_section.h"

#include <gtest/gtest.h>

#include <string>

namespace gridora::testing {
namespace {

constexpr std::string_view kSpecified =
    "[Information]\r\nSoftName=Gridora's Ini File version 1.5\r\n[Option]\r\nBeep=True\r\n";

TEST(ToolsSectionTest, aFileWithoutTheSectionReadsAllOffAndStaysAsItWas) {
  IniFile ini = IniFile::Parse(kSpecified);
  EXPECT_EQ(ReadToolsSection(ini), ToolSettings{});
  WriteToolsSection(ini, ToolSettings{});
  EXPECT_EQ(ini.Bytes(), kSpecified);
}

TEST(ToolsSectionTest, turningOneOnAddsTheSectionAfterTheOthersAndTurningItOffKeepsIt) {
  IniFile ini = IniFile::Parse(kSpecified);
  ToolSettings tools;
  tools.HighlightSame = true;
  WriteToolsSection(ini, tools);
  const std::string on = std::string(kSpecified) +
                         "[Tools]\r\nShowCandidates=False\r\nHighlightSame=True\r\n"
                         "ShowMistakes=False\r\nZoom= 100\r\n";
  EXPECT_EQ(ini.Bytes(), on);
  EXPECT_EQ(ReadToolsSection(IniFile::Parse(on)), tools);

  WriteToolsSection(ini, ToolSettings{});
  EXPECT_EQ(ini.Bytes(), std::string(kSpecified) +
                             "[Tools]\r\nShowCandidates=False\r\nHighlightSame=False\r\n"
                             "ShowMistakes=False\r\nZoom= 100\r\n");
}

TEST(ToolsSectionTest, valuesReadAsTheOtherBooleansOfTheFile) {
  const ToolSettings tools = ReadToolsSection(IniFile::Parse(
      "[tools]\r\nshowcandidates = TRUE \r\nHighlightSame=-1\r\nShowMistakes=maybe\r\n"));
  EXPECT_TRUE(tools.ShowCandidates);
  EXPECT_TRUE(tools.HighlightSame);
  EXPECT_FALSE(tools.ShowMistakes);  // unreadable: the default
}

// The look's settings join the section only once one is turned on, and
// then stay, so a section written before them keeps its bytes.
TEST(ToolsSectionTest, highContrastKeysAreWrittenOnceTurnedOnAndThenKept) {
  const std::string before = std::string(kSpecified) +
                             "[Tools]\r\nShowCandidates=True\r\nHighlightSame=False\r\n"
                             "ShowMistakes=False\r\nZoom= 100\r\n";
  IniFile ini = IniFile::Parse(before);
  ToolSettings tools = ReadToolsSection(ini);
  WriteToolsSection(ini, tools);
  EXPECT_EQ(ini.Bytes(), before);

  tools.HighContrastDesktop = true;
  WriteToolsSection(ini, tools);
  EXPECT_EQ(ini.Bytes(), before + "HighContrastDesktop=True\r\n");
  EXPECT_EQ(ReadToolsSection(IniFile::Parse(ini.Bytes())), tools);

  tools.HighContrastDesktop = false;
  tools.HighContrast = true;
  WriteToolsSection(ini, tools);
  EXPECT_EQ(ini.Bytes(), before + "HighContrastDesktop=False\r\nHighContrast=True\r\n");
  EXPECT_EQ(ReadToolsSection(IniFile::Parse(ini.Bytes())), tools);
}

}  // namespace
}  // namespace gridora::testing
