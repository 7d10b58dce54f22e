#pragma once
// The ".gdr" file association, kept where the desktop looks for it: a MIME
// type for "*.gdr" in the user's shared MIME database, a desktop entry that
// starts this program with the file, and that entry as the type's default
// application in the user's mimeapps.list. All three live in the user's own
// data and configuration folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME).

#include <string>

namespace gridora {

inline constexpr const char* kGdrMimeType = "application/x-gridora";
inline constexpr const char* kGdrDescription = "ﾅﾝﾊﾞｰﾌﾟﾚｰｽ ﾃﾞｰﾀﾌｧｲﾙ";
inline constexpr const char* kDesktopId = "org.gridora.Gridora.desktop";
// The MIME package file that holds the type, in <data home>/mime/packages.
inline constexpr const char* kMimePackageName = "org.gridora.Gridora.xml";

// 1 when a MIME type is registered for file names ending in `extension`
// (".gdr"), else 0.
int IsExtensionAssociated(const std::string& extension);

// The two states of the association; the numbers are the ones the settings
// dialog's check box passes.
enum class Association : int { Off = 0, On = 1 };

// On registers the association for the running executable; Off removes
// exactly what On adds and nothing else. Failures are logged, not shown.
void SetFileAssociation(Association state);

}  // namespace gridora
