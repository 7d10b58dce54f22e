// SPDX-License-Identifier: MIT
// "問題を印刷" and "問題集を作る" in the "ツール" menu: the window hands them
// to PageOutput, with the givens of the game in play.

#include <QMenu>

#include "ui/main/main_window.h"
#include "ui/main/page_output.h"
#include "ui/main/play_mode.h"

namespace gridora::ui {

void MainWindow::ConnectPageTools() {
  pages_ =
      std::make_unique<PageOutput>(*this, [this](QDialog& dialog) { return RunDialog(dialog); });
  QMenu* tools = ToolsMenu();
  tools->addSeparator()->setObjectName(QStringLiteral("mnuToolsDumy5"));
  const auto add = [&](const char* text, const char* name, Command command) {
    QAction* action = tools->addAction(QString::fromUtf8(text));
    action->setObjectName(QString::fromLatin1(name));
    BindCommand(action, command);
  };
  add("問題を印刷...(&B)", "mnuToolsPrintPuzzle", {CommandId::PrintPuzzle});
  add("問題集を作る...(&K)", "mnuToolsBook", {CommandId::MakeBook});
}

void MainWindow::PrintPuzzle() {
  // In play mode the game knows the givens; the other black digits are the
  // player's, which the page may show.
  const play::Game& game = play_->Game();
  if (!game.Active() || game.BoardSize() != state_.BoardSize) return pages_->PrintPuzzle(state_);
  std::array<bool, kMaxCells> givens{};
  for (int cell = 0; cell < state_.CellCount(); ++cell)
    givens[static_cast<std::size_t>(cell)] = game.IsGiven(cell);
  pages_->PrintPuzzle(state_, &givens);
}

}  // namespace gridora::ui
