// SPDX-License-Identifier: MIT
#include "core/slots.h"

#include <string>

#include "core/board.h"

namespace gridora {

namespace {

bool IsSlotNumber(int n) {
  return n >= 1 && n <= kSlotCount;
}

void Fetch(App app, const BoardCodes& slot, const char* bank, int n) {
  app.state.Board = slot;
  RedrawBoard(app);
  app.screen.SetInformText(std::string(bank) + " no." + std::to_string(n) +
                           " からデータを取り出しました");
}

}  // namespace

bool StoreMemorySlot(App app, int n) {
  if (!IsSlotNumber(n)) return false;
  app.state.MemorySlot[static_cast<std::size_t>(n)] = app.state.Board;
  app.screen.SetSlotFetchEnabled(SlotMenu::MemoryLoad, n, true);
  app.screen.SetInformText("メモリ no." + std::to_string(n) + " にデータを登録しました");
  return true;
}

bool FetchMemorySlot(App app, int n) {
  if (!IsSlotNumber(n)) return false;
  Fetch(app, app.state.MemorySlot[static_cast<std::size_t>(n)], "メモリ", n);
  return true;
}

bool FetchAnswerSlot(App app, int n) {
  if (!IsSlotNumber(n)) return false;
  Fetch(app, app.state.AnswerSlot[static_cast<std::size_t>(n)], "解", n);
  return true;
}

void EnableAnswerSlot(App app, int n, bool enabled) {
  if (!IsSlotNumber(n)) return;
  app.screen.SetSlotFetchEnabled(SlotMenu::Answer, n, enabled);
}

}  // namespace gridora
