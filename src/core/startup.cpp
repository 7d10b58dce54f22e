// SPDX-License-Identifier: MIT
#include "core/startup.h"

namespace gridora {

void InitTables(AppState& s) {
  s.settings.SoftColor = kDefaultSoftColor;
  s.settings.HtmlColor = kDefaultHtmlColor;
  s.CursorCell = 0;
  for (BoardCodes& slot : s.MemorySlot) slot.fill(0);
}

void ApplyDefaultSettings(App app) {
  for (int n = 1; n <= kSlotCount; ++n) {
    app.screen.SetSlotFetchEnabled(SlotMenu::Answer, n, false);
    app.screen.SetSlotFetchEnabled(SlotMenu::MemoryLoad, n, false);
  }
  AppState& s = app.state;
  s.settings = Settings{};
  app.screen.CenterMainWindow();
  s.DataChanged = false;
}

}  // namespace gridora
