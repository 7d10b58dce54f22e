// SPDX-License-Identifier: MIT
#pragma once
// The ".gdr" file association, kept where the desktop looks for it: a MIME
// type for "*.gdr" in the user's shared MIME database, a desktop entry that
// starts this program with the file, and that entry as the type's default
// application in the user's mimeapps.list. All three live in the user's own
// data and configuration folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME).
//
// An installed program (RunsInstalled) finds the MIME type and the desktop
// entry in the system's folders already: there the association is only the
// default application line of the user's mimeapps.list, so that the
// desktop never lists the program twice.

#include <string>
#include <string_view>

namespace gridora {

inline constexpr const char* kGdrMimeType = "application/x-gridora";
inline constexpr const char* kGdrDescription = "ﾅﾝﾊﾞｰﾌﾟﾚｰｽ ﾃﾞｰﾀﾌｧｲﾙ";
inline constexpr const char* kDesktopId = "org.gridora.Gridora.desktop";
// The MIME package file that holds the type, in <data home>/mime/packages.
inline constexpr const char* kMimePackageName = "org.gridora.Gridora.xml";

// `text` as one argument of a desktop entry's Exec line: unchanged unless
// it holds a character that the Exec syntax reserves, else in double quotes
// with " ` $ \ escaped; "%" doubled either way.
std::string ExecArgument(std::string_view text);

// 1 when a MIME type is registered for file names ending in `extension`
// (".gdr"), else 0. For an installed program the system always registers
// the type: 1 then also needs this program as the user's default for it.
int IsExtensionAssociated(const std::string& extension);

// The two states of the association; the numbers are the ones the settings
// dialog's check box passes.
enum class Association : int { Off = 0, On = 1 };

// On registers the association for the running executable; Off removes
// exactly what On adds and nothing else. Installed, On writes the one line
// of the default application and Off takes that line out again.
// Failures are logged, not shown.
void SetFileAssociation(Association state);

}  // namespace gridora
