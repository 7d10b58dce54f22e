// SPDX-License-Identifier: MIT
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

// A settings file that cannot be written costs the user only the settings
// of this run; the log keeps the cause.
void LogUnwritten(const AppState& state, const WriteStatus& status) {
  if (!status) LogFailure(LogArea::Settings, "cannot write " + state.IniPath, status.error());
}

// The settings file, parsed once for the whole of LoadSettings.
class SettingsReader {
 public:
  explicit SettingsReader(App app)
      : app_(app), s_(app.state), ini_(IniFile::Load(app.state.IniPath)) {}

  // The version line; "" when there is none (or the file cannot be read).
  std::string Version() const { return Text("Information", "SoftName").value_or(""); }

  // Writes the version line (and the credit) into the file.
  void Stamp(const char* version, bool withCredit) {
    if (!ini_) {
      // A file that exists but cannot be read is never replaced.
      LogUnwritten(s_, WriteStatus(std::make_error_code(std::errc::io_error)));
      return;
    }
    ini_->Set("Information", "SoftName", version);
    if (withCredit) ini_->Set("Information", "Copyright", Utf8ToShiftJisLossy(kIniCredit));
    LogUnwritten(s_, ini_->Save(s_.IniPath));
  }

  // Reads the settings a file of `version` holds. A key that is missing is
  // no stored value: its setting keeps the default.
  void Read(const FileVersion& version) {
    ReadWindowPosition();
    const Settings& d = Defaults();
    const auto boolean = [&](const char* key, bool fallback) {
      const std::optional<std::string> text = Text("Option", key);
      if (!text) return fallback;
      return version.oldBooleans ? OldFileBoolean(*text) : ConvertBoolean(*text).value_or(fallback);
    };
    s_.settings.KateiOnOff = boolean("KateiOn/Off", d.KateiOnOff);
    s_.settings.KateiMode = Numeric("Option", "KateiMode", 0, 1, d.KateiMode);
    if (version.kateiMax) {
      s_.settings.KateiMax9 = Numeric("option", "KateiMax9", 2, 9, d.KateiMax9);
      s_.settings.KateiMax16 = Numeric("option", "KateiMax16", 2, 16, d.KateiMax16);
    }
    s_.settings.NChangeSpeed = Numeric("Option", "NChangeSpeed", 0, 8, d.NChangeSpeed);
    if (const std::optional<std::string> inputMode = Text("Option", "NInputMode")) {
      const int mode =
          InRange(version.oldBooleans ? ReadNumber(*inputMode) : ConvertNumber(*inputMode), 0, 2)
              .value_or(static_cast<int>(d.InputMode));
      s_.settings.InputMode = static_cast<InputKind>(mode);
    }
    s_.settings.LPrintMode = boolean("LPrintMode", d.LPrintMode);
    s_.settings.AAnswerCheak = boolean("AAnswerCheak", d.AAnswerCheak);
    if (version.beepAndName) s_.settings.Beep = boolean("Beep", d.Beep);
    s_.settings.GifPath = Text("Option", "GifPath").value_or(d.GifPath);
    if (version.beepAndName) s_.settings.UserName = Text("Option", "Name").value_or(d.UserName);
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
  // The value as ReadIniString gives it; nullopt for a missing key.
  std::optional<std::string> Text(const std::string& section, const std::string& key) const {
    if (!ini_) return std::nullopt;
    const auto value = ini_->Get(Utf8ToShiftJisLossy(section), Utf8ToShiftJisLossy(key));
    if (!value) return std::nullopt;
    return ProfileValueText(*value);
  }

  int Numeric(const std::string& section, const std::string& key, int low, int high,
              int fallback) const {
    const std::optional<std::string> text = Text(section, key);
    if (!text) return fallback;
    return InRange(ReadNumber(*text), low, high).value_or(fallback);
  }

  // A position that no float holds stays the centred default, and so does
  // a missing coordinate; one off every screen is the window's to correct.
  void ReadWindowPosition() {
    const std::optional<std::string> leftText = Text("Form", "Left");
    const std::optional<std::string> topText = Text("Form", "Top");
    if (!leftText && !topText) return;
    const double left = leftText ? ReadNumber(*leftText) : app_.screen.MainWindowLeft();
    const double top = topText ? ReadNumber(*topText) : app_.screen.MainWindowTop();
    if (std::fabs(left) > FLT_MAX || std::fabs(top) > FLT_MAX) return;
    app_.screen.MoveMainWindow(static_cast<float>(left), static_cast<float>(top));
  }

  App app_;
  AppState& s_;
  std::optional<IniFile> ini_;
};

}  // namespace

int ReadZoomSetting(const AppState& state) {
  const auto ini = IniFile::Load(state.IniPath);
  return ini ? ReadToolsSection(*ini).Zoom : kDefaultZoom;
}

void LoadSettings(App app) {
  SettingsReader file(app);
  const std::string version = file.Version();
  if (version.empty()) {
    file.Stamp(kIniVersion15, true);
    app.screen.Beep();
    app.screen.ShowVersionBox(kFirstRunGreeting);
    return;
  }
  if (version == kIniVersion12) {
    file.Stamp(kIniVersion15, false);
    file.Read({true, false, false, false});
    LogUnwritten(app.state, SaveSettings(app));
    return;
  }
  if (version == kIniVersion13 || version == kIniVersion14) {
    file.Stamp(kIniVersion15, false);
    file.Read({false, true, version == kIniVersion14, false});
    return;
  }
  if (version == kIniVersion15) {
    file.Read({false, true, true, true});
    return;
  }
  app.screen.ShowMessage(
      "設定ファイル(iniファイル)のバージョンが違うので、\r\n"
      "前の状態を読み取ることができませんでした。",
      "ロード失敗", MessageButtons::Ok, MessageIcon::Information);
  file.Stamp(kIniVersion13, true);
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
