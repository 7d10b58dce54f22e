#pragma once
// Whether a digit may go into a cell: no other cell of its row, column or
// box holds it, in any colour class.

#include "core/app_state.h"

namespace gridora::ui {

bool PlacementAllowed(const AppState& state, int cell, int digit);

}  // namespace gridora::ui
