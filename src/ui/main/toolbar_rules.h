#pragma once
// The toolbar's rules without a widget: which button a pixel belongs to,
// which buttons count as disabled, their tips, and the colour distance that
// finds the key colours of the button images.

#include <string>

#include "core/app_state.h"

namespace gridora::ui {

// The highest button index whose pixel range holds `x`, or -1.
int ToolbarHit(const AppState& state, int x);

// "undo" while nothing can be undone, "redo" while nothing can be redone.
bool ToolbarButtonDisabled(const AppState& state, int index);

// The status tip of the button with `key` ("" for an unknown key); undo and
// redo say when there is nothing more to step.
std::string ToolbarTip(const AppState& state, const std::string& key);

// The tool tip: the tip's text before its first "：".
std::string ToolbarToolTip(const std::string& tip);

// |R(a) - R(b)| + |G(a) - G(b)| + |B(a) - B(b)|.
int ColorDistance(Color a, Color b);

}  // namespace gridora::ui
