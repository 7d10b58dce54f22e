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
  bool ShowCandidates = false;  // small candidate digits in the empty cells
  bool HighlightSame = false;   // a background for the cells of the focused digit
  bool ShowMistakes = false;    // repeated digits in red
  int Zoom = kDefaultZoom;      // the window's zoom in per cent, one of kZoomSteps
  // Play mode (src/play). The one setting on by default: a file without the
  // section still reads as it, and a user who never changes it gets no
  // section.
  bool ShowTimer = false;        // the play clock in the status bar
  bool AutoRemoveNotes = true;   // a placed digit leaves the notes of its row, column and box
  bool ShowWrongDigits = false;  // digits that differ from the solution, drawn as mistakes

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

// Calls visit(key, member) for the settings of play mode. Each of them is
// written only once it differs from its default or stands in the file
// already, so the section of a user who never touched them stays as it was.
template <typename Settings, typename Visit>
void ForEachPlaySetting(Settings& tools, Visit&& visit) {
  visit("ShowTimer", tools.ShowTimer);
  visit("AutoRemoveNotes", tools.AutoRemoveNotes);
  visit("ShowWrongDigits", tools.ShowWrongDigits);
}

}  // namespace gridora
