// SPDX-License-Identifier: MIT
#pragma once
// The window's fonts. The layout asks for the Japanese system fonts by name;
// where they are missing (every Linux desktop) the metric-compatible IPA
// fonts stand in through Qt's font substitution table.

#include <QFont>

namespace gridora::ui {

inline constexpr const char* kGothicFamily = "ＭＳ Ｐゴシック";
inline constexpr const char* kMinchoFamily = "ＭＳ Ｐ明朝";

// Registers the IPA fonts as substitutes for the two family names. Call once
// after the QApplication exists and before the first window.
void RegisterFontSubstitutions();

QFont GothicFont(double points, bool bold = false);
QFont MinchoFont(double points, bool bold = false);

}  // namespace gridora::ui
