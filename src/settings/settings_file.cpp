#include "settings/settings_file.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "core/log.h"
#include "core/lossy_encoding.h"
#include "core/text.h"
#include "settings/setting_values.h"
#include "settings/tools_section.h"
#include "system/ini_file.h"
#include "system/profile.h"

namespace gridora {

namespace {

// The defaults every setting falls back to.
const Settings& Defaults() {
  static const Settings defaults;
  return defaults;
}

constexpr int kMaxColor = 0xFFFFFF;

// Which keys a version of the file holds, and how its Booleans are written.
struct FileVersion {
  bool oldBooleans;  // version 1.2: 0 is true
  bool beepAndName;  // from 1.3
  bool colors;       // from 1.4
  bool kateiMax;     // from 1.5
};

class SettingsReader {
 public:
  explicit SettingsReader(App app) : app_(app), s_(app.state) {}

  void Read(const FileVersion& version) {
    ReadWindowPosition();
    const auto boolean = [&](const char* key, bool fallback) {
      const std::string text = Text("Option", key);
      return version.oldBooleans ? OldFileBoolean(text) : ConvertBoolean(text).value_or(fallback);
    };
    const Settings& d = Defaults();
    s_.settings.KateiOnOff = boolean("KateiOn/Off", d.KateiOnOff);
    s_.settings.KateiMode = Numeric("Option", "KateiMode", 0, 1, d.KateiMode);
    if (version.kateiMax) {
      s_.settings.KateiMax9 = Numeric("option", "KateiMax9", 2, 9, d.KateiMax9);
      s_.settings.KateiMax16 = Numeric("option", "KateiMax16", 2, 16, d.KateiMax16);
    }
    s_.settings.NChangeSpeed = Numeric("Option", "NChangeSpeed", 0, 8, d.NChangeSpeed);
    const std::string inputMode = Text("Option", "NInputMode");
    const int mode =
        InRange(version.oldBooleans ? ReadNumber(inputMode) : ConvertNumber(inputMode), 0, 2)
            .value_or(static_cast<int>(d.InputMode));
    s_.settings.InputMode = static_cast<InputKind>(mode);
    s_.settings.LPrintMode = boolean("LPrintMode", d.LPrintMode);
    s_.settings.AAnswerCheak = boolean("AAnswerCheak", d.AAnswerCheak);
    if (version.beepAndName) s_.settings.Beep = boolean("Beep", d.Beep);
    s_.settings.GifPath = Text("Option", "GifPath");
    if (version.beepAndName) s_.settings.UserName = Text("Option", "Name");
    if (version.colors) {
      for (std::size_t i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        s_.settings.SoftColor[i] = static_cast<Color>(
            Numeric("Color", "Soft" + n, 0, kMaxColor, static_cast<int>(d.SoftColor[i])));
        s_.settings.HtmlColor[i] = static_cast<Color>(
            Numeric("Color", "Html" + n, 0, kMaxColor, static_cast<int>(d.HtmlColor[i])));
      }
    }
    if (const auto ini = IniFile::Load(s_.IniPath)) s_.settings.Tools = ReadToolsSection(*ini);
  }

 private:
  std::string Text(const std::string& section, const std::string& key) const {
    return ReadIniString(s_, section, key);
  }

  int Numeric(const std::string& section, const std::string& key, int low, int high,
              int fallback) const {
    return InRange(ReadNumber(Text(section, key)), low, high).value_or(fallback);
  }

  // A position that no float holds stays the centred default; one off every
  // screen is the window's to correct.
  void ReadWindowPosition() {
    const double left = ReadNumber(Text("Form", "Left"));
    const double top = ReadNumber(Text("Form", "Top"));
    if (std::fabs(left) > FLT_MAX || std::fabs(top) > FLT_MAX) return;
    app_.screen.MoveMainWindow(static_cast<float>(left), static_cast<float>(top));
  }

  App app_;
  AppState& s_;
};

// A settings file that cannot be written costs the user only the settings
// of this run; the log keeps the cause.
void LogUnwritten(const AppState& state, const WriteStatus& status) {
  if (!status) LogFailure(LogArea::Settings, "cannot write " + state.IniPath, status.error());
}

void Stamp(const AppState& state, const char* version, bool withCredit) {
  LogUnwritten(state, WriteIniString(state, "Information", "SoftName", version));
  if (withCredit)
    LogUnwritten(state, WriteIniString(state, "Information", "Copyright", kIniCredit));
}

}  // namespace

void LoadSettings(App app) {
  const std::string version = ReadIniString(app.state, "Information", "SoftName");
  if (version.empty()) {
    Stamp(app.state, kIniVersion15, true);
    app.screen.Beep();
    app.screen.ShowVersionBox(kFirstRunGreeting);
    return;
  }
  if (version == kIniVersion12) {
    Stamp(app.state, kIniVersion15, false);
    SettingsReader(app).Read({true, false, false, false});
    LogUnwritten(app.state, SaveSettings(app));
    return;
  }
  if (version == kIniVersion13 || version == kIniVersion14) {
    Stamp(app.state, kIniVersion15, false);
    SettingsReader(app).Read({false, true, version == kIniVersion14, false});
    return;
  }
  if (version == kIniVersion15) {
    SettingsReader(app).Read({false, true, true, true});
    return;
  }
  app.screen.ShowMessage(
      "設定ファイル(iniファイル)のバージョンが違うので、\r\n"
      "前の状態を読み取ることができませんでした。",
      "ロード失敗", MessageButtons::Ok, MessageIcon::Information);
  Stamp(app.state, kIniVersion13, true);
  LogUnwritten(app.state, SaveSettings(app));
}

WriteStatus SaveSettings(App app) {
  const AppState& s = app.state;
  auto ini = IniFile::Load(s.IniPath);
  if (!ini) return std::make_error_code(std::errc::io_error);
  const auto set = [&](const char* section, const std::string& key, const std::string& text) {
    ini->Set(section, key, Utf8ToShiftJisLossy(text));
  };
  set("Form", "Left", SingleText(app.screen.MainWindowLeft()));
  set("Form", "Top", SingleText(app.screen.MainWindowTop()));
  set("Option", "KateiOn/Off", BoolText(s.settings.KateiOnOff));
  set("Option", "KateiMode", NumberText(s.settings.KateiMode));
  set("Option", "KateiMax9", NumberText(s.settings.KateiMax9));
  set("Option", "KateiMax16", NumberText(s.settings.KateiMax16));
  set("Option", "NChangeSpeed", NumberText(s.settings.NChangeSpeed));
  set("Option", "NInputMode", NumberText(static_cast<int>(s.settings.InputMode)));
  set("Option", "LPrintMode", BoolText(s.settings.LPrintMode));
  set("Option", "AAnswerCheak", BoolText(s.settings.AAnswerCheak));
  set("Option", "Beep", BoolText(s.settings.Beep));
  set("Option", "GifPath", s.settings.GifPath);
  set("Option", "Name", s.settings.UserName);
  for (std::size_t i = 0; i < 3; ++i) {
    set("Color", "Soft" + std::to_string(i), NumberText(s.settings.SoftColor[i]));
  }
  for (std::size_t i = 0; i < 3; ++i) {
    set("Color", "Html" + std::to_string(i), NumberText(s.settings.HtmlColor[i]));
  }
  WriteToolsSection(*ini, s.settings.Tools);
  return ini->Save(s.IniPath);
}

}  // namespace gridora
