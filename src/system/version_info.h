// SPDX-License-Identifier: MIT
#pragma once
// What the version information box shows and starts, without the box: the
// version text and the platform's system-information program.

#include <string>

#include "core/app.h"

namespace gridora {

// "Version " + major.minor.revision of the program, in plain decimal
// ("Version 2.30.33").
std::string VersionText();
std::string VersionText(int major, int minor, int revision);

// The box's caption: the application title and "のバージョン情報".
std::string VersionBoxCaption();

// Reads `key` of the [Desktop Entry] group of the installed desktop entry
// `desktopId` ("org.kde.kinfocenter.desktop"), found in the XDG application
// folders: the registry of programs on this platform. False, with `value`
// "", when the entry or the key is missing.
bool GetKeyValue(const std::string& desktopId, const std::string& key, std::string& value);

// Starts a system-information program: the first installed desktop entry of
// a known one, or else the first known program found in PATH. When there is
// none, or it cannot be started, the message "現時点ではｼｽﾃﾑ情報を使用で
// きません" is shown with an OK button.
void StartSysInfo(App app);

}  // namespace gridora
