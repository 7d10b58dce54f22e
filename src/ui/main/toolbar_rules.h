// SPDX-License-Identifier: MIT
#pragma once
// The toolbar's rules without a widget: which button a pixel belongs to,
// which buttons count as disabled, their tips, and the colour distance that
// finds the key colours of the button images.

#include <array>
#include <string>

#include "core/app_state.h"
#include "ui/main/commands.h"

namespace gridora::ui {

inline constexpr int kToolbarButtons = 11;

// One button of the strip: the command it runs and its inclusive pixel range.
struct ToolbarButton {
  CommandId command;
  int left;
  int right;
};

// The buttons from left to right.
inline constexpr std::array<ToolbarButton, kToolbarButtons> kToolbar = {{
    {CommandId::NewPuzzle9, 9, 34},
    {CommandId::NewPuzzle16, 36, 61},
    {CommandId::OpenPuzzle, 63, 88},
    {CommandId::SavePuzzle, 90, 115},
    {CommandId::Print, 117, 142},
    {CommandId::Solve, 152, 177},
    {CommandId::Undo, 179, 204},
    {CommandId::Redo, 206, 231},
    {CommandId::InputMenu, 233, 264},
    {CommandId::Property, 265, 290},
    {CommandId::Help, 300, 325},
}};

// The highest button index whose pixel range holds `x`, or -1.
int ToolbarHit(int x);

// Undo while nothing can be undone, redo while nothing can be redone.
bool ToolbarButtonDisabled(const AppState& state, int index);

// The status tip of the button that runs `command` ("" for a command without
// a button); undo and redo say when there is nothing more to step.
std::string ToolbarTip(const AppState& state, CommandId command);

// The tool tip: the tip's text before its first "：".
std::string ToolbarToolTip(const std::string& tip);

// |R(a) - R(b)| + |G(a) - G(b)| + |B(a) - B(b)|.
int ColorDistance(Color a, Color b);

}  // namespace gridora::ui
