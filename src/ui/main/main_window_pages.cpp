// SPDX-License-Identifier: MIT
// "問題を印刷" and "問題集を作る" in the "ツール" menu: the window hands them
// to PageOutput.

#include <QMenu>

#include "ui/main/main_window.h"
#include "ui/main/page_output.h"

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

}  // namespace gridora::ui
