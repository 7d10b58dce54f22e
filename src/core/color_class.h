// SPDX-License-Identifier: MIT
#pragma once
// Moving the solver's green and yellow digits between colour classes, and
// counting the black digits.

#include "core/app.h"

namespace gridora {

// Which coloured digits an operation applies to.
enum class ColorSelector { GreenAndYellow = 0, Green = 1, Yellow = 2 };
// What it does with them: make them black, green or yellow, or erase them.
enum class ColorOperation { ToBlack = 0, ToGreen = 1, ToYellow = 2, Erase = 3 };

// Applies `operation` to every selected digit, then redraws (one undo step
// when anything changed). Black digits and empty cells are never selected.
// Returns false and does nothing for a selector or operation out of range.
bool ChangeColorClass(App app, int selector, int operation);

// Shows the number of black digits of the board in a message box.
void ShowCellCount(App app);

}  // namespace gridora
