#include "ui/main/toolbar_rules.h"

#include <cstdlib>

namespace gridora::ui {

int ToolbarHit(const AppState& s, int x) {
  for (int i = kToolbarButtons - 1; i >= 0; --i) {
    const ToolbarEntry& entry = s.Toolbar[static_cast<std::size_t>(i)];
    if (entry.key && x >= entry.left && x <= entry.right) return i;
  }
  return -1;
}

bool ToolbarButtonDisabled(const AppState& s, int index) {
  if (index < 0 || index >= kToolbarButtons || !s.Toolbar[static_cast<std::size_t>(index)].key)
    return false;
  const std::string key = s.Toolbar[static_cast<std::size_t>(index)].key;
  if (key == "undo") return s.HistoryPos == 0;
  if (key == "redo") return s.HistoryPos == s.HistoryTop;
  return false;
}

std::string ToolbarTip(const AppState& s, const std::string& key) {
  if (key == "new9") return "新規作成-9：　新しいナンプレを作ります (9x9)";
  if (key == "new16") return "新規作成-16：　新しいナンプレを作ります (16x16)";
  if (key == "open") return "開く：　新しいナンプレファイルを開きます";
  if (key == "save") return "保存：　ナンプレをファイルに保存します";
  if (key == "printer") return "印刷：　ナンプレを印刷します";
  if (key == "solve") return "解く：　ナンプレを解きます";
  if (key == "undo") {
    return s.HistoryPos == 0 ? "やり直し：　(これ以上は戻せません)"
                             : "やり直し：　一つ前の状態に戻します";
  }
  if (key == "redo") {
    return s.HistoryPos == s.HistoryTop ? "やり直しのやり直し：　(これ以上は戻せません)"
                                        : "やり直しのやり直し：　一つ後の状態に戻します";
  }
  if (key == "input") return "入力方法：　入力方法を変更します";
  if (key == "property") return "プロパティ：　問題の登録情報を変更します";
  if (key == "help") return "ヘルプ：　ヘルプを表示します";
  return "";
}

std::string ToolbarToolTip(const std::string& tip) {
  return tip.substr(0, tip.find("："));
}

int ColorDistance(Color a, Color b) {
  return std::abs(RedOf(a) - RedOf(b)) + std::abs(GreenOf(a) - GreenOf(b)) +
         std::abs(BlueOf(a) - BlueOf(b));
}

}  // namespace gridora::ui
