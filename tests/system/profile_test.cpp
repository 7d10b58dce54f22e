// SPDX-License-Identifier: MIT
#include "system/profile.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_dir.h"
#include "system/app_paths.h"

namespace gridora::testing {
namespace {

class ProfileTest : public ::testing::Test {
 protected:
  TempDir dir;
  AppState state;
  void SetUp() override { state.IniPath = dir / "Gridora.ini"; }
};

TEST_F(ProfileTest, missingFileOrKeyReadsEmpty) {
  EXPECT_EQ(ReadIniString(state, "Information", "SoftName"), "");
  WriteBytes(state.IniPath, "[Information]\r\nCopyright=x\r\n");
  EXPECT_EQ(ReadIniString(state, "Information", "SoftName"), "");
  EXPECT_EQ(ReadIniString(state, "information", "COPYRIGHT"), "x");
}

TEST_F(ProfileTest, withoutASettingsFileReadsAreEmptyAndWritesFail) {
  state.IniPath.clear();
  EXPECT_FALSE(WriteIniString(state, "Option", "Name", "x"));
  EXPECT_EQ(ReadIniString(state, "Option", "Name"), "");
}

TEST_F(ProfileTest, writeCreatesShiftJisFileAndReadGivesUtf8) {
  ASSERT_TRUE(WriteIniString(state, "Option", "Name", "山田"));
  EXPECT_EQ(ReadBytes(state.IniPath), "[Option]\r\nName=\x8E\x52\x93\x63\r\n");
  EXPECT_EQ(ReadIniString(state, "Option", "Name"), "山田");
}

TEST_F(ProfileTest, characterWithoutShiftJisFormIsWrittenAsQuestionMark) {
  ASSERT_TRUE(WriteIniString(state, "Option", "Name", "a\xF0\x9F\x98\x80山"));
  EXPECT_EQ(ReadIniString(state, "Option", "Name"), "a?山");
}

TEST_F(ProfileTest, longValueReadsAsItsFirst199Bytes) {
  const std::string value(250, 'g');
  WriteBytes(state.IniPath, "[Option]\r\nGifPath=" + value + "\r\n");
  EXPECT_EQ(ReadIniString(state, "Option", "GifPath"), std::string(199, 'g'));
  const std::string longer(300, 'x');
  ASSERT_TRUE(WriteIniString(state, "Option", "GifPath", longer));
  EXPECT_EQ(ReadIniString(state, "Option", "GifPath"), std::string(199, 'x'));
}

TEST_F(ProfileTest, cutNeverSplitsDoubleByteCharacter) {
  // 198 single bytes, then a two-byte character across the 199-byte limit.
  WriteBytes(state.IniPath, "[Option]\r\nName=" + std::string(198, 'a') + "\x8E\x52" + "\r\n");
  EXPECT_EQ(ReadIniString(state, "Option", "Name"), std::string(198, 'a'));
  // 99 two-byte characters fill 198 bytes; the 100th does not fit.
  std::string kanji;
  for (int i = 0; i < 100; ++i) kanji += "\x8E\x52";
  WriteBytes(state.IniPath, "[Option]\r\nName=" + kanji + "\r\n");
  const std::string read = ReadIniString(state, "Option", "Name");
  std::string expected;
  for (int i = 0; i < 99; ++i) expected += "山";
  EXPECT_EQ(read, expected);
}

TEST_F(ProfileTest, bytesThatAreNotShiftJisReadAsQuestionMarks) {
  WriteBytes(state.IniPath, "[Option]\r\nName=a\x80\xFF\x83\x66\r\n");
  EXPECT_EQ(ReadIniString(state, "Option", "Name"), "a??デ");
}

// The value is taken from a buffer that ends at its first NUL.
TEST_F(ProfileTest, valueEndsAtFirstNul) {
  const char bytes[] = "[Option]\r\nName=ab\0cd\r\nGifPath=\0x\r\n";
  WriteBytes(state.IniPath, std::string(bytes, sizeof bytes - 1));
  EXPECT_EQ(ReadIniString(state, "Option", "Name"), "ab");
  EXPECT_EQ(ReadIniString(state, "Option", "GifPath"), "");
}

TEST(AppPathsTest, resolveAppPathJoinsRelativeNamesOnly) {
  EXPECT_EQ(ResolveAppPath("/opt/gridora", "js-gdr.dat"), "/opt/gridora/js-gdr.dat");
  EXPECT_EQ(ResolveAppPath("/opt/gridora/", "js-gdr.dat"), "/opt/gridora/js-gdr.dat");
  EXPECT_EQ(ResolveAppPath("/", "js-gdr.dat"), "/js-gdr.dat");
  EXPECT_EQ(ResolveAppPath("/opt/gridora", "/etc/x.dat"), "/etc/x.dat");
  EXPECT_EQ(ResolveAppPath("/opt/gridora", "sub/x.dat"), "/opt/gridora/sub/x.dat");
}

TEST(AppPathsTest, applicationFolderHoldsThisExecutable) {
  const std::string exe = ExecutablePath();
  ASSERT_FALSE(exe.empty());
  EXPECT_EQ(ResolveAppPath(std::filesystem::path(exe).filename().string()), exe);
}

TEST(AppPathsTest, configFolderFollowsXdgConfigHome) {
  EXPECT_EQ(ConfigFolderFor("/x/conf", "/home/u"), "/x/conf/gridora");
  EXPECT_EQ(ConfigFolderFor("/x/conf/", "/home/u"), "/x/conf/gridora");
  EXPECT_EQ(ConfigFolderFor(nullptr, "/home/u"), "/home/u/.config/gridora");
  EXPECT_EQ(ConfigFolderFor("", "/home/u"), "/home/u/.config/gridora");
  EXPECT_EQ(ConfigFolderFor("relative/conf", "/home/u"), "/home/u/.config/gridora");
  EXPECT_EQ(ConfigFolderFor(nullptr, nullptr), "");
  EXPECT_EQ(ConfigFolderFor("", "relative/home"), "");
  EXPECT_EQ(CacheFolderFor("/x/cache", "/home/u"), "/x/cache/gridora");
  EXPECT_EQ(CacheFolderFor("relative/cache", "/home/u"), "/home/u/.cache/gridora");
  EXPECT_EQ(CacheFolderFor(nullptr, nullptr), "");
}

TEST(AppPathsTest, setIniFileNamesFileInConfigFolder) {
  AppState state;
  SetIniFile(state, "Gridora.ini");
  EXPECT_EQ(state.IniPath, ConfigFolder() + "/Gridora.ini");
  SetIniFile(state, "/tmp/other.ini");
  EXPECT_EQ(state.IniPath, "/tmp/other.ini");
}

TEST_F(ProfileTest, firstWriteCreatesConfigFolder) {
  state.IniPath = dir / "config/gridora/Gridora.ini";
  ASSERT_TRUE(WriteIniString(state, "Information", "SoftName", "v"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "config/gridora"));
}

}  // namespace
}  // namespace gridora::testing
