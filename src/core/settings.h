// SPDX-License-Identifier: MIT
#pragma once
// Settings: the user's settings, as kept in the settings file "Gridora.ini".
//
// The member initialisers are the defaults: a fresh Settings value is what a
// first run starts with, and whatever the settings file lacks or cannot say
// keeps these values. The settings dialog edits a copy and assigns it back
// on Ok; LoadSettings and SaveSettings read and write AppState::settings.
//
//   Settings edited = app.state.settings;
//   edited.KateiMax9 = 5;
//   app.state.settings = edited;

#include <array>
#include <string>

#include "core/cell.h"
#include "core/tool_settings.h"

namespace gridora {

// How the user puts digits into the board. The numbers are the ones the
// settings file stores under "NInputMode".
enum class InputKind : int {
  Mouse = 0,      // left click counts up, right click counts down
  Keypad = 1,     // the numeric keypad moves the cursor and types
  PopupList = 2,  // a click opens the list of digits
};

// Colour defaults of the digits on screen (black, green, yellow) and of the
// HTML export (text, background 1, background 2).
inline constexpr std::array<Color, 3> kDefaultSoftColor = {Rgb(0, 0, 0), Rgb(48, 112, 80),
                                                           Rgb(128, 128, 96)};
inline constexpr std::array<Color, 3> kDefaultHtmlColor = {Rgb(0, 0, 0), Rgb(255, 255, 192),
                                                           Rgb(224, 255, 255)};

struct Settings {
  std::array<Color, 3> SoftColor = kDefaultSoftColor;  // digits of classes 0, 1, 2
  std::array<Color, 3> HtmlColor = kDefaultHtmlColor;  // export text, background 1, 2
  InputKind InputMode = InputKind::Mouse;
  std::string UserName = "不明";
  std::string GifPath = "gdr_cg/";
  bool KateiOnOff = true;    // key "KateiOn/Off": hypothesis search offered
  int KateiMode = 1;         // 0 commit at once, 1 look for contradictions
  int KateiMax9 = 9;         // hypothesis limit, 9 x 9 (2 to 9)
  int KateiMax16 = 3;        // hypothesis limit, 16 x 16 (2 to 16)
  int NChangeSpeed = 2;      // mouse auto-repeat speed (0 to 8)
  bool LPrintMode = false;   // show the level after solving
  bool AAnswerCheak = true;  // look for alternative solutions
  bool Beep = true;          // beep at a rejected keypad digit
  ToolSettings Tools;        // section [Tools]: the added aids, all off

  bool operator==(const Settings&) const = default;
};

}  // namespace gridora
