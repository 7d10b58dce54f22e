// SPDX-License-Identifier: MIT
#pragma once
// The settings of the added tools, kept in the section "[Tools]" of the
// settings file. Every tool is off by default, so that the program looks and
// acts as without them until the user turns one on.
//
// ForEachToolSetting names every key once; the settings file reads and
// writes the section through it, so a new setting is a member here and one
// line there.

#include "core/zoom.h"

namespace gridora {

inline constexpr const char* kToolsSection = "Tools";

struct ToolSettings {
  bool ShowCandidates = false;       // small candidate digits in the empty cells
  bool HighlightSame = false;        // a background for the cells of the focused digit
  bool ShowMistakes = false;         // repeated digits in red
  int Zoom = kDefaultZoom;           // the window's zoom in per cent, one of kZoomSteps
  bool HighContrast = false;         // the high-contrast look
  bool HighContrastDesktop = false;  // the look follows the desktop's high-contrast switch

  bool operator==(const ToolSettings&) const = default;
};

// Calls visit(key, member) for every setting, in the order of the file.
// `visit` takes a bool& (written "True"/"False") and, once there are such
// settings, an int& (written as a number).
template <typename Settings, typename Visit>
void ForEachToolSetting(Settings& tools, Visit&& visit) {
  visit("ShowCandidates", tools.ShowCandidates);
  visit("HighlightSame", tools.HighlightSame);
  visit("ShowMistakes", tools.ShowMistakes);
  visit("Zoom", tools.Zoom);
}

// Settings written only once they differ from their default or the file
// already holds them, so that a section written before they existed keeps
// its bytes. Same `visit` as above.
template <typename Settings, typename Visit>
void ForEachSparseToolSetting(Settings& tools, Visit&& visit) {
  visit("HighContrast", tools.HighContrast);
  visit("HighContrastDesktop", tools.HighContrastDesktop);
}

}  // namespace gridora
