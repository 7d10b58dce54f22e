// SPDX-License-Identifier: MIT
#include "ui/main/toolbar_rules.h"

#include <cstdlib>

namespace gridora::ui {

int ToolbarHit(int x) {
  for (int i = kToolbarButtons - 1; i >= 0; --i) {
    const ToolbarButton& button = kToolbar[static_cast<std::size_t>(i)];
    if (x >= button.left && x <= button.right) return i;
  }
  return -1;
}

bool ToolbarButtonDisabled(const AppState& s, int index) {
  if (index < 0 || index >= kToolbarButtons) return false;
  switch (kToolbar[static_cast<std::size_t>(index)].command) {
    case CommandId::Undo:
      return s.HistoryPos == 0;
    case CommandId::Redo:
      return s.HistoryPos == s.HistoryTop;
    default:
      return false;
  }
}

std::string ToolbarTip(const AppState& s, CommandId command) {
  switch (command) {
    case CommandId::NewPuzzle9:
      return "新規作成-9：　新しいナンプレを作ります (9x9)";
    case CommandId::NewPuzzle16:
      return "新規作成-16：　新しいナンプレを作ります (16x16)";
    case CommandId::OpenPuzzle:
      return "開く：　新しいナンプレファイルを開きます";
    case CommandId::SavePuzzle:
      return "保存：　ナンプレをファイルに保存します";
    case CommandId::Print:
      return "印刷：　ナンプレを印刷します";
    case CommandId::Solve:
      return "解く：　ナンプレを解きます";
    case CommandId::Undo:
      return s.HistoryPos == 0 ? "やり直し：　(これ以上は戻せません)"
                               : "やり直し：　一つ前の状態に戻します";
    case CommandId::Redo:
      return s.HistoryPos == s.HistoryTop ? "やり直しのやり直し：　(これ以上は戻せません)"
                                          : "やり直しのやり直し：　一つ後の状態に戻します";
    case CommandId::InputMenu:
      return "入力方法：　入力方法を変更します";
    case CommandId::Property:
      return "プロパティ：　問題の登録情報を変更します";
    case CommandId::Help:
      return "ヘルプ：　ヘルプを表示します";
    default:
      return "";
  }
}

std::string ToolbarToolTip(const std::string& tip) {
  return tip.substr(0, tip.find("："));
}

int ColorDistance(Color a, Color b) {
  return std::abs(RedOf(a) - RedOf(b)) + std::abs(GreenOf(a) - GreenOf(b)) +
         std::abs(BlueOf(a) - BlueOf(b));
}

}  // namespace gridora::ui
