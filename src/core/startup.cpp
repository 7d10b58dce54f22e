#include "core/startup.h"

namespace gridora {

namespace {

// Keys and inclusive pixel ranges of the toolbar buttons.
constexpr std::array<ToolbarEntry, kToolbarButtons> kToolbarTable = {{
    {"new9", 9, 34},
    {"new16", 36, 61},
    {"open", 63, 88},
    {"save", 90, 115},
    {"printer", 117, 142},
    {"solve", 152, 177},
    {"undo", 179, 204},
    {"redo", 206, 231},
    {"input", 233, 264},
    {"property", 265, 290},
    {"help", 300, 325},
}};

}  // namespace

void InitTables(AppState& s) {
  s.SoftColor = kDefaultSoftColor;
  s.HtmlColor = kDefaultHtmlColor;
  s.CursorCell = 0;
  s.PopupCell = 0;
  for (BoardCodes& slot : s.MemorySlot) slot.fill(0);
  s.Toolbar = kToolbarTable;
  s.ToolbarHot = -1;
}

void ApplyDefaultSettings(App app) {
  for (int n = 1; n <= kSlotCount; ++n) {
    app.screen.SetSlotMenuEnabled(SlotMenu::Answer, n, false);
    app.screen.SetSlotMenuEnabled(SlotMenu::MemoryLoad, n, false);
  }
  AppState& s = app.state;
  s.KateiOnOff = true;
  s.KateiMode = 1;
  s.NChangeSpeed = 2;
  s.InputMode = 0;
  s.GifPath = "gdr_cg/";
  s.LPrintMode = false;
  s.AAnswerCheak = true;
  s.Beep = true;
  s.UserName = "不明";
  s.KateiMax9 = 9;
  s.KateiMax16 = 3;
  app.screen.CenterMainWindow();
  s.DataChanged = false;
}

}  // namespace gridora
