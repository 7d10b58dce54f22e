// SPDX-License-Identifier: MIT
#include "settings/settings_file.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>

#include "support/core_fixture.h"
#include "support/temp_dir.h"
#include "system/profile.h"

namespace gridora::testing {
namespace {

class SettingsFileTest : public CoreTest {
 protected:
  TempDir dir;
  void SetUp() override {
    CoreTest::SetUp();
    state.IniPath = dir / "Gridora.ini";
    screen.windowLeft = 3000;  // where the centred window stands
    screen.windowTop = 2000;
  }
  void UseFile(const std::string& golden) {
    WriteBytes(state.IniPath, ReadBytes(TestDataPath("settings/" + golden)));
  }
  std::string File() const { return ReadBytes(state.IniPath); }
  std::string Golden(const std::string& name) const {
    return ReadBytes(TestDataPath("settings/" + name));
  }
};

// How often the settings file is opened (for reading or writing) while
// `run` runs, seen by the kernel's file watch on its folder.
int OpensOf(const std::string& folder, const std::string& name, const std::function<void()>& run) {
  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (watch < 0 || ::inotify_add_watch(watch, folder.c_str(), IN_OPEN) < 0) return -1;
  run();
  int opens = 0;
  alignas(inotify_event) char buffer[8192];
  for (;;) {
    const ssize_t got = ::read(watch, buffer, sizeof buffer);
    if (got <= 0) break;
    for (ssize_t at = 0; at < got;) {
      const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
      if (event->len > 0 && name == event->name) ++opens;
      at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
  }
  ::close(watch);
  return opens;
}

TEST_F(SettingsFileTest, startAndQuitEachReadTheFileOnce) {
  // A file of many lines costs one parse per start and one per quit, not
  // one per key.
  UseFile("fresh_after_quit.ini");
  const std::string folder = dir.path().string();
  EXPECT_EQ(OpensOf(folder, "Gridora.ini", [&] { LoadSettings(app); }), 1);
  EXPECT_EQ(OpensOf(folder, "Gridora.ini", [&] { ASSERT_TRUE(SaveSettings(app)); }), 1);
  EXPECT_EQ(File(), Golden("fresh_after_quit.ini"));
}

TEST_F(SettingsFileTest, firstRunGreetsAndWritesOnlyInformation) {
  LoadSettings(app);
  EXPECT_EQ(File(),
            "[Information]\r\nSoftName=Gridora's Ini File version 1.5\r\n"
            "Copyright=(c) Gridora developers\r\n");
  ASSERT_EQ(screen.versionBoxNotices.size(), 1u);
  EXPECT_EQ(screen.versionBoxNotices[0],
            "はじめまして！ (^-^)/\r\n使用方法等は、ヘルプをご覧ください。\r\n"
            "感想等よろしくお願いします！");
  EXPECT_EQ(screen.beepCount, 1);
  EXPECT_EQ(screen.moveCount, 0);
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(SettingsFileTest, firstRunThenQuitGivesFreshFile) {
  LoadSettings(app);
  screen.windowLeft = 4200;
  screen.windowTop = 2400;
  ASSERT_TRUE(SaveSettings(app));
  EXPECT_EQ(File(), Golden("fresh_after_quit.ini"));
}

TEST_F(SettingsFileTest, version15FileReadsBackWhatWasSaved) {
  state.settings.KateiOnOff = false;
  state.settings.KateiMode = 0;
  state.settings.KateiMax9 = 4;
  state.settings.KateiMax16 = 12;
  state.settings.NChangeSpeed = 7;
  state.settings.InputMode = InputKind::PopupList;
  state.settings.LPrintMode = true;
  state.settings.AAnswerCheak = false;
  state.settings.Beep = false;
  state.settings.GifPath = "画像/";
  state.settings.UserName = "山田太郎";
  state.settings.SoftColor = {1, 2, 0xFFFFFF};
  state.settings.HtmlColor = {4, 5, 6};
  screen.windowLeft = -1234.5f;
  screen.windowTop = 777;
  ASSERT_TRUE(WriteIniString(state, "Information", "SoftName", kIniVersion15));
  ASSERT_TRUE(SaveSettings(app));
  const std::string saved = File();

  AppState fresh;
  RecordingScreen freshScreen;
  App freshApp{fresh, freshScreen};
  InitTables(fresh);
  ApplyDefaultSettings(freshApp);
  fresh.IniPath = state.IniPath;
  LoadSettings(freshApp);
  EXPECT_FALSE(fresh.settings.KateiOnOff);
  EXPECT_EQ(fresh.settings.KateiMode, 0);
  EXPECT_EQ(fresh.settings.KateiMax9, 4);
  EXPECT_EQ(fresh.settings.KateiMax16, 12);
  EXPECT_EQ(fresh.settings.NChangeSpeed, 7);
  EXPECT_EQ(fresh.settings.InputMode, InputKind::PopupList);
  EXPECT_TRUE(fresh.settings.LPrintMode);
  EXPECT_FALSE(fresh.settings.AAnswerCheak);
  EXPECT_FALSE(fresh.settings.Beep);
  EXPECT_EQ(fresh.settings.GifPath, "画像/");
  EXPECT_EQ(fresh.settings.UserName, "山田太郎");
  EXPECT_EQ(fresh.settings.SoftColor, (std::array<Color, 3>{1, 2, 0xFFFFFF}));
  EXPECT_EQ(fresh.settings.HtmlColor, (std::array<Color, 3>{4, 5, 6}));
  EXPECT_EQ(freshScreen.windowLeft, -1234.5f);
  EXPECT_EQ(freshScreen.windowTop, 777);
  EXPECT_TRUE(freshScreen.versionBoxNotices.empty());
  EXPECT_EQ(File(), saved);  // loading a 1.5 file writes nothing
}

TEST_F(SettingsFileTest, version12IsCarriedTo15WithInvertedBooleans) {
  UseFile("version12.ini");
  LoadSettings(app);
  EXPECT_FALSE(state.settings.KateiOnOff);  // stored 1
  EXPECT_TRUE(state.settings.LPrintMode);   // stored 0
  EXPECT_FALSE(state.settings.AAnswerCheak);
  EXPECT_EQ(state.settings.KateiMode, 0);
  EXPECT_EQ(state.settings.NChangeSpeed, 5);
  EXPECT_EQ(state.settings.InputMode, InputKind::Keypad);
  EXPECT_EQ(state.settings.GifPath, "img/");
  EXPECT_EQ(screen.windowLeft, 1500);
  EXPECT_EQ(screen.windowTop, 900.5f);
  EXPECT_EQ(File(), Golden("version12_as15.ini"));
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(SettingsFileTest, version12BooleanZeroIsTrue) {
  WriteBytes(state.IniPath,
             "[Information]\r\nSoftName=Gridora's Ini File version 1.2\r\n[Option]\r\n"
             "KateiOn/Off=0\r\nLPrintMode=7\r\nAAnswerCheak=0\r\n");
  state.settings.KateiOnOff = false;
  state.settings.AAnswerCheak = false;
  LoadSettings(app);
  EXPECT_TRUE(state.settings.KateiOnOff);
  EXPECT_FALSE(state.settings.LPrintMode);
  EXPECT_TRUE(state.settings.AAnswerCheak);
}

TEST_F(SettingsFileTest, version13ReadsOnlyItsKeysAndIsStamped15) {
  UseFile("version13.ini");
  LoadSettings(app);
  EXPECT_FALSE(state.settings.KateiOnOff);
  EXPECT_EQ(state.settings.KateiMode, 0);
  EXPECT_EQ(state.settings.NChangeSpeed, 8);
  EXPECT_EQ(state.settings.InputMode, InputKind::PopupList);
  EXPECT_TRUE(state.settings.LPrintMode);
  EXPECT_FALSE(state.settings.AAnswerCheak);
  EXPECT_FALSE(state.settings.Beep);
  EXPECT_EQ(state.settings.GifPath, "../cg/");
  EXPECT_EQ(state.settings.UserName, "山田太郎");
  EXPECT_EQ(state.settings.KateiMax9, 9);  // stored 5, not a key of 1.3
  EXPECT_EQ(state.settings.KateiMax16, 3);
  EXPECT_EQ(state.settings.SoftColor, kDefaultSoftColor);  // stored 255
  EXPECT_EQ(state.settings.HtmlColor, kDefaultHtmlColor);
  EXPECT_EQ(screen.windowLeft, 3000);
  EXPECT_EQ(screen.windowTop, 1200);
  EXPECT_EQ(File(), Golden("version13_started.ini"));
}

TEST_F(SettingsFileTest, version14TakesColoursButNotHypothesisLimits) {
  UseFile("version14.ini");
  LoadSettings(app);
  EXPECT_EQ(state.settings.SoftColor, (std::array<Color, 3>{255, 255, 255}));
  EXPECT_EQ(state.settings.HtmlColor, (std::array<Color, 3>{65280, 65280, 65280}));
  EXPECT_EQ(state.settings.KateiMax9, 9);
  EXPECT_EQ(state.settings.KateiMax16, 3);
  EXPECT_EQ(state.settings.UserName, "山田太郎");
  EXPECT_EQ(File(), Golden("version14_started.ini"));
}

TEST_F(SettingsFileTest, unknownVersionGivesMessageThenDefaultsThenVersion13Path) {
  UseFile("unknown_version.ini");
  LoadSettings(app);
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].text,
            "設定ファイル(iniファイル)のバージョンが違うので、\r\n"
            "前の状態を読み取ることができませんでした。");
  EXPECT_EQ(screen.messages[0].title, "ロード失敗");
  EXPECT_EQ(screen.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(screen.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(state.settings.KateiMode, 1);  // the stored 0 is not read
  EXPECT_EQ(state.settings.UserName, "不明");
  EXPECT_EQ(File(), Golden("unknown_version_after.ini"));

  // The next start takes the 1.3 path: no message, stamped 1.5.
  RecordingScreen next;
  App nextApp{state, next};
  LoadSettings(nextApp);
  EXPECT_TRUE(next.messages.empty());
  EXPECT_TRUE(next.versionBoxNotices.empty());
  EXPECT_EQ(ReadIniString(state, "Information", "SoftName"), kIniVersion15);
  EXPECT_EQ(next.windowLeft, 3000);
}

TEST_F(SettingsFileTest, kateiMax9IsFoundUnderCapitalAndSmallOptionHeaders) {
  for (const char* header : {"[OPTION]", "[option]"}) {
    WriteBytes(state.IniPath, std::string("[Information]\r\nSoftName=") + kIniVersion15 + "\r\n" +
                                  header + "\r\nKateiMax9= 5\r\nKateiMax16= 16\r\n");
    state.settings.KateiMax9 = 9;
    state.settings.KateiMax16 = 3;
    LoadSettings(app);
    EXPECT_EQ(state.settings.KateiMax9, 5) << header;
    EXPECT_EQ(state.settings.KateiMax16, 16) << header;
  }
}

TEST_F(SettingsFileTest, longTextValueReadsAsFirst199Bytes) {
  WriteBytes(state.IniPath, std::string("[Information]\r\nSoftName=") + kIniVersion15 +
                                "\r\n[Option]\r\nName=" + std::string(250, 'n') + "\r\n");
  LoadSettings(app);
  EXPECT_EQ(state.settings.UserName, std::string(199, 'n'));
}

// Values that cannot be read or lie outside the valid range leave the default.
TEST_F(SettingsFileTest, unreadableAndOutOfRangeValuesFallBackToDefaults) {
  WriteBytes(state.IniPath, std::string("[Information]\r\nSoftName=") + kIniVersion15 +
                                "\r\n[Option]\r\nKateiOn/Off=perhaps\r\nKateiMode= 2\r\n"
                                "KateiMax9=-1\r\nKateiMax16= 17\r\nNChangeSpeed= 70000\r\n"
                                "NInputMode= 7\r\nLPrintMode=\r\nAAnswerCheak=0\r\nBeep=\r\n"
                                "[Color]\r\nSoft0=-5\r\nSoft1=&H1000000\r\nSoft2=&HFF\r\n");
  LoadSettings(app);
  EXPECT_TRUE(state.settings.KateiOnOff);
  EXPECT_EQ(state.settings.KateiMode, 1);
  EXPECT_EQ(state.settings.KateiMax9, 9);
  EXPECT_EQ(state.settings.KateiMax16, 3);
  EXPECT_EQ(state.settings.NChangeSpeed, 2);
  EXPECT_EQ(state.settings.InputMode, InputKind::Mouse);
  EXPECT_FALSE(state.settings.LPrintMode);
  EXPECT_FALSE(state.settings.AAnswerCheak);  // 0 is a readable false
  EXPECT_TRUE(state.settings.Beep);
  EXPECT_EQ(state.settings.SoftColor[0], kDefaultSoftColor[0]);
  EXPECT_EQ(state.settings.SoftColor[1], kDefaultSoftColor[1]);
  EXPECT_EQ(state.settings.SoftColor[2], 255u);
}

TEST_F(SettingsFileTest, inputModeOfVersion13NeedsWholeNumberText) {
  WriteBytes(state.IniPath, std::string("[Information]\r\nSoftName=") + kIniVersion13 +
                                "\r\n[Option]\r\nNInputMode=1x\r\nKateiMode=0x\r\n"
                                "NChangeSpeed= 2.5\r\n");
  LoadSettings(app);
  EXPECT_EQ(state.settings.InputMode, InputKind::Mouse);  // "1x" is no number: default
  EXPECT_EQ(state.settings.KateiMode, 0);                 // numeric read of "0x" is 0
  EXPECT_EQ(state.settings.NChangeSpeed, 2);              // a half goes to the even neighbour
}

TEST_F(SettingsFileTest, positionThatNoFloatHoldsKeepsCentredWindow) {
  WriteBytes(state.IniPath, std::string("[Information]\r\nSoftName=") + kIniVersion15 +
                                "\r\n[Form]\r\nLeft=1E+300\r\nTop=0\r\n");
  LoadSettings(app);
  EXPECT_EQ(screen.moveCount, 0);
}

// A first run that ended without the quit command leaves only the
// Information section: the missing keys are no stored values, so every
// setting and the centred window keep their defaults, and the next quit
// writes the defaults.
TEST_F(SettingsFileTest, missingKeysKeepTheirDefaults) {
  for (const std::string& rest : {std::string(), std::string("[Option]\r\nKateiMode= 0\r\n")}) {
    WriteBytes(state.IniPath, std::string("[Information]\r\nSoftName=") + kIniVersion15 +
                                  "\r\nCopyright=(c) Gridora developers\r\n" + rest);
    state.settings = Settings{};
    screen.moveCount = 0;
    LoadSettings(app);
    Settings expected;
    expected.KateiMode = rest.empty() ? expected.KateiMode : 0;  // a present key is read
    EXPECT_EQ(state.settings, expected) << rest;
    EXPECT_EQ(screen.moveCount, 0);
    EXPECT_TRUE(screen.versionBoxNotices.empty());
  }
  // Only Top stored: Left stays where the centred window is.
  WriteBytes(state.IniPath, std::string("[Information]\r\nSoftName=") + kIniVersion15 +
                                "\r\n[Form]\r\nTop= 90\r\n");
  LoadSettings(app);
  EXPECT_EQ(screen.windowLeft, 3000);
  EXPECT_EQ(screen.windowTop, 90);
}

// A file an editor saved with a byte-order mark and LF line ends is the
// same settings file: no greeting, its values read, and added lines end
// as its own lines do.
TEST_F(SettingsFileTest, byteOrderMarkAndLineFeedFileIsReadAndKeptInItsStyle) {
  WriteBytes(state.IniPath, std::string("\xEF\xBB\xBF[Information]\nSoftName=") + kIniVersion15 +
                                "\n[Option]\nKateiMode= 0\nName=\x8E\x52\x93\x63\n");
  LoadSettings(app);
  EXPECT_TRUE(screen.versionBoxNotices.empty());
  EXPECT_EQ(state.settings.KateiMode, 0);
  EXPECT_EQ(state.settings.UserName, "山田");
  ASSERT_TRUE(SaveSettings(app));
  const std::string saved = File();
  EXPECT_EQ(saved.rfind("\xEF\xBB\xBF[Information]\nSoftName=", 0), 0u);
  EXPECT_EQ(saved.find('\r'), std::string::npos);
  EXPECT_EQ(saved.find("[Information]", 4), std::string::npos);
  EXPECT_NE(saved.find("\n[Color]\nSoft0= 0\n"), std::string::npos);
}

// Millions of empty lines cost little more than their bytes and come back
// unchanged.
TEST_F(SettingsFileTest, manyEmptyLinesAreKeptByteForByte) {
  const std::string blank(2'000'000, '\n');
  const std::string head = std::string("[Information]\r\nSoftName=") + kIniVersion15 + "\r\n";
  WriteBytes(state.IniPath, head + blank + "[Option]\r\nKateiMode= 0\r\n" + blank);
  LoadSettings(app);
  EXPECT_EQ(state.settings.KateiMode, 0);
  ASSERT_TRUE(SaveSettings(app));
  const std::string saved = File();
  EXPECT_EQ(saved.substr(0, head.size() + blank.size()), head + blank);
  EXPECT_NE(saved.find("[Option]\r\nKateiMode= 0\r\nKateiOn/Off=True\r\n"), std::string::npos);
}

}  // namespace
}  // namespace gridora::testing

namespace gridora::testing {
namespace {

// The zoom is kept in [Tools] with the other added settings, at the end of
// the file; the file's own sections keep their bytes, and a file that never
// left the defaults gets no [Tools] at all.
TEST_F(SettingsFileTest, zoomIsKeptInToolsSectionOnlyOnceItDiffers) {
  LoadSettings(app);
  screen.windowLeft = 4200;
  screen.windowTop = 2400;
  ASSERT_TRUE(SaveSettings(app));
  const std::string plain = Golden("fresh_after_quit.ini");
  EXPECT_EQ(File(), plain);

  state.settings.Tools.Zoom = 200;
  ASSERT_TRUE(SaveSettings(app));
  const std::string aidsOff =
      "[Tools]\r\nShowCandidates=False\r\nHighlightSame=False\r\n"
      "ShowMistakes=False\r\n";
  EXPECT_EQ(File(), plain + aidsOff + "Zoom= 200\r\n");
  EXPECT_EQ(ReadZoomSetting(state), 200);
  AppState fresh;
  RecordingScreen freshScreen;
  App freshApp{fresh, freshScreen};
  fresh.IniPath = state.IniPath;
  LoadSettings(freshApp);
  EXPECT_EQ(fresh.settings.Tools.Zoom, 200);

  // Back at 100% the key stays, with the new value.
  state.settings.Tools.Zoom = 100;
  ASSERT_TRUE(SaveSettings(app));
  EXPECT_EQ(File(), plain + aidsOff + "Zoom= 100\r\n");

  // Anything but a zoom step reads as 100%.
  for (const char* text : {"120", "0", "-200", "abc", "", "1e9"}) {
    WriteBytes(state.IniPath, plain + "[Tools]\r\nZoom=" + text + "\r\n");
    EXPECT_EQ(ReadZoomSetting(state), 100) << text;
  }
  WriteBytes(state.IniPath, plain + "[tools]\r\nzoom=300\r\n");
  EXPECT_EQ(ReadZoomSetting(state), 300);
}

}  // namespace
}  // namespace gridora::testing
