// SPDX-License-Identifier: MIT
#pragma once
// The settings file "Gridora.ini": LoadSettings reads it once at start-up,
// carrying files of versions 1.2 to 1.4 forward and greeting the user on the
// very first run; SaveSettings writes every setting back at quit.
//
// Both work on the file named by AppState::IniPath (see SetIniFile). Values
// that cannot be read, or lie outside a setting's valid range, leave the
// setting at its default.
//
//   SetIniFile(app.state, kIniFileName);
//   LoadSettings(app);   // after ApplyDefaultSettings, before the window shows
//   ...
//   SaveSettings(app);   // when quitting

#include "core/app.h"
#include "core/file_io.h"

namespace gridora {

inline constexpr const char* kIniFileName = "Gridora.ini";

inline constexpr const char* kIniVersion12 = "Gridora's Ini File version 1.2";
inline constexpr const char* kIniVersion13 = "Gridora's Ini File version 1.3";
inline constexpr const char* kIniVersion14 = "Gridora's Ini File version 1.4";
inline constexpr const char* kIniVersion15 = "Gridora's Ini File version 1.5";

// The value of Information/Copyright: written, never read.
inline constexpr const char* kIniCredit = "(c) Gridora developers";

// The notice of the version box on the first run.
inline constexpr const char* kFirstRunGreeting =
    "はじめまして！ (^-^)/\r\n使用方法等は、ヘルプをご覧ください。\r\n感想等よろしくお願いします！";

// The zoom kept under [Tools] "Zoom" in the file of `state.IniPath`: one of
// kZoomSteps, else the default. Read before the first window, which is
// drawn at that zoom from the start.
int ReadZoomSetting(const AppState& state);

// Reads the settings file into the state and moves the main window to the
// stored position. See the notes at the top of this file.
void LoadSettings(App app);

// Writes the main window's position and every setting into the settings
// file, in one replacement of the whole file. False, with the cause, when it
// could not be written (the file is then left as it was).
WriteStatus SaveSettings(App app);

}  // namespace gridora
