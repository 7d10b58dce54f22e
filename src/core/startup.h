// SPDX-License-Identifier: MIT
#pragma once
// The first steps of start-up: tables and default settings.

#include "core/app.h"

namespace gridora {

// Fills the tables that do not depend on the screen: colour defaults, the
// cursor cells, the empty memory slots and the toolbar button table.
void InitTables(AppState& state);

// Disables the slot fetch menus, applies the default settings, centres the
// main window and clears DataChanged. The settings file may override these.
void ApplyDefaultSettings(App app);

}  // namespace gridora
