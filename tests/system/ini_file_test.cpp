// SPDX-License-Identifier: MIT
#include "system/ini_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace gridora::testing {
namespace {

TEST(IniFileTest, namesMatchWithoutRegardToCaseAndValuesAreTrimmed) {
  const IniFile ini = IniFile::Parse(
      "[OPTION]\r\n  kateimax9 =  5 \t\r\n[option]\r\nKateiMax9=7\r\n"
      "[Form]\r\nLeft=\r\n");
  EXPECT_EQ(ini.Get("Option", "KateiMax9"), "5");
  EXPECT_EQ(ini.Get("option", "KATEIMAX9"), "5");  // the first section of that name wins
  EXPECT_EQ(ini.Get("Form", "Left"), "");
  EXPECT_EQ(ini.Get("Form", "Top"), std::nullopt);
  EXPECT_EQ(ini.Get("Color", "Soft0"), std::nullopt);
}

TEST(IniFileTest, commentsAndKeysBeforeAnySectionAreNeverValues) {
  const IniFile ini = IniFile::Parse("Name=outside\n[Option]\n;Name=comment\n# Beep=no\nName=in\n");
  EXPECT_EQ(ini.Get("Option", "Name"), "in");
  EXPECT_EQ(ini.Get("Option", "Beep"), std::nullopt);
  EXPECT_EQ(ini.Get("Option", ";Name"), std::nullopt);
}

TEST(IniFileTest, secondByteOfDoubleByteNameIsNotFoldedAsLetter) {
  // 0x83 0x61 (a katakana character) and 0x83 0x41 differ only in a second
  // byte that looks like 'a' and 'A'.
  EXPECT_FALSE(SameProfileName("\x83\x61", "\x83\x41"));
  EXPECT_TRUE(SameProfileName("\x83\x61x", "\x83\x61X"));
  EXPECT_FALSE(SameProfileName("Name", "Names"));
}

TEST(IniFileTest, writesReplaceInPlaceAppendToSectionAndAppendSection) {
  IniFile ini = IniFile::Parse(
      "; settings\r\n"
      "[Information]\r\n"
      "SoftName=old\r\n"
      "\r\n"
      "[Extra]\r\n"
      "Unknown = kept  \r\n"
      "[option]\r\n"
      "beep=False\n"
      "; note about the speed\n"
      "NChangeSpeed=3\n"
      "\n");
  ini.Set("Information", "SoftName", "new");
  ini.Set("Information", "Copyright", "me");
  ini.Set("Option", "Beep", "True");
  ini.Set("Option", "Name", "x");
  ini.Set("Color", "Soft0", " 0");
  ini.Set("Color", "Soft1", " 1");
  EXPECT_EQ(ini.Bytes(),
            "; settings\r\n"
            "[Information]\r\n"
            "SoftName=new\r\n"
            "Copyright=me\r\n"
            "\r\n"
            "[Extra]\r\n"
            "Unknown = kept  \r\n"
            "[option]\r\n"
            "Beep=True\n"
            "; note about the speed\n"
            "NChangeSpeed=3\n"
            "Name=x\r\n"
            "\n"
            "[Color]\r\n"
            "Soft0= 0\r\n"
            "Soft1= 1\r\n");
}

TEST(IniFileTest, lastLineWithoutEndingGetsOneBeforeNewLines) {
  IniFile ini = IniFile::Parse("[A]\r\nx=1");
  ini.Set("A", "y", "2");
  EXPECT_EQ(ini.Bytes(), "[A]\r\nx=1\r\ny=2\r\n");
  IniFile empty;
  empty.Set("A", "x", "1");
  EXPECT_EQ(empty.Bytes(), "[A]\r\nx=1\r\n");
}

// An editor's byte-order mark stays in front and hides no section; added
// lines end as the file's lines do.
TEST(IniFileTest, byteOrderMarkAndLineEndStyleAreKept) {
  struct Case {
    std::string before, after;
  };
  const std::vector<Case> cases = {
      {"\xEF\xBB\xBF[A]\r\nx=1\r\n", "\xEF\xBB\xBF[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n"},
      {"[A]\nx=1\n", "[A]\nx=1\ny=2\n[B]\nz=3\n"},
      {"\xEF\xBB\xBF[A]\nx=1", "\xEF\xBB\xBF[A]\nx=1\ny=2\n[B]\nz=3\n"},
      {"[A]\r\nx=1\n", "[A]\r\nx=1\ny=2\r\n[B]\r\nz=3\r\n"},
      {"[A]", "[A]\r\ny=2\r\n[B]\r\nz=3\r\n"},
  };
  for (const Case& c : cases) {
    IniFile ini = IniFile::Parse(c.before);
    EXPECT_EQ(ini.Get("a", "X"), c.before.find("x=1") != std::string::npos
                                     ? std::optional<std::string>("1")
                                     : std::nullopt)
        << c.before;
    ini.Set("A", "y", "2");
    ini.Set("B", "z", "3");
    EXPECT_EQ(ini.Bytes(), c.after) << c.before;
  }
}

TEST(IniFileTest, lineBreaksInValueCannotStartNewLines) {
  IniFile ini;
  ini.Set("Option", "Name", "a\r\n[Form]\nLeft=0");
  EXPECT_EQ(ini.Bytes(), "[Option]\r\nName=a[Form]Left=0\r\n");
  EXPECT_EQ(ini.Get("Form", "Left"), std::nullopt);
}

TEST(IniFileTest, saveCreatesFoldersAndLoadReadsBack) {
  TempDir dir;
  const std::string path = dir / "a/b/Gridora.ini";
  EXPECT_EQ(IniFile::Load(path)->Bytes(), "");  // missing: empty profile
  IniFile ini;
  ini.Set("Option", "Beep", "True");
  ASSERT_TRUE(ini.Save(path));
  EXPECT_EQ(ReadBytes(path), "[Option]\r\nBeep=True\r\n");
  EXPECT_EQ(IniFile::Load(path)->Get("option", "beep"), "True");
  // Nothing but the file is left in its folder: the temporary file is gone.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir / "a/b"))
    ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(IniFileTest, saveKeepsPermissionsAndFollowsSymbolicLink) {
  TempDir dir;
  const std::string real = dir / "real.ini";
  WriteBytes(real, "[A]\r\n");
  std::filesystem::permissions(
      real, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  std::filesystem::create_symlink(real, dir / "link.ini");
  IniFile ini = *IniFile::Load(dir / "link.ini");
  ini.Set("A", "x", "1");
  ASSERT_TRUE(ini.Save(dir / "link.ini"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
  EXPECT_EQ(ReadBytes(real), "[A]\r\nx=1\r\n");
  EXPECT_EQ(std::filesystem::status(real).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(IniFileTest, failedSaveLeavesFileAsItWas) {
  TempDir dir;
  // A folder where the file's folder should be: the write cannot happen.
  WriteBytes(dir / "blocker", "not a folder");
  IniFile ini;
  ini.Set("A", "x", "1");
  const WriteStatus saved = ini.Save(dir / "blocker/Gridora.ini");
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.error(), std::errc::not_a_directory);  // the cause is kept
  EXPECT_EQ(ReadBytes(dir / "blocker"), "not a folder");
}

}  // namespace
}  // namespace gridora::testing
