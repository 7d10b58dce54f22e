// SPDX-License-Identifier: MIT
#include "core/recording_screen.h"

namespace gridora {

namespace {

bool Offers(MessageButtons buttons, MessageAnswer answer) {
  switch (buttons) {
    case MessageButtons::Ok:
      return answer == MessageAnswer::Ok;
    case MessageButtons::OkCancel:
      return answer == MessageAnswer::Ok || answer == MessageAnswer::Cancel;
    case MessageButtons::YesNo:
      return answer == MessageAnswer::Yes || answer == MessageAnswer::No;
    case MessageButtons::YesNoCancel:
      return answer != MessageAnswer::Ok;
  }
  return false;
}

MessageAnswer FirstButton(MessageButtons buttons) {
  return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? MessageAnswer::Ok
                                                                              : MessageAnswer::Yes;
}

}  // namespace

void RecordingScreen::ShowCell(int boardSize, int index, const std::string& caption, Color color) {
  ++cellWrites;
  if (index < 0 || index >= kMaxCells) return;
  CellView& view = cells[boardSize == 16 ? 1 : 0][static_cast<std::size_t>(index)];
  view.caption = caption;
  view.color = color;
}

void RecordingScreen::SetSlotFetchEnabled(SlotMenu menu, int n, bool enabled) {
  if (n < 1 || n > 9) return;
  const bool memory = menu == SlotMenu::MemoryLoad;
  (memory ? memoryLoadMenu : answerMenu)[static_cast<std::size_t>(n)] = enabled;
  launcherButton[static_cast<std::size_t>(memory ? n + 8 : n + 17)] = enabled;
}

MessageAnswer RecordingScreen::ShowMessage(const std::string& text, const std::string& title,
                                           MessageButtons buttons, MessageIcon icon) {
  MessageAnswer answer;
  if (!scriptedAnswers.empty()) {
    answer = scriptedAnswers.front();
    scriptedAnswers.pop_front();
  } else {
    answer = Offers(buttons, defaultAnswer) ? defaultAnswer : FirstButton(buttons);
  }
  messages.push_back({text, title, buttons, icon, answer});
  return answer;
}

}  // namespace gridora
