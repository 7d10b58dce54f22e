// SPDX-License-Identifier: MIT
// The "ツール" menu's items for other programs' puzzle files and for
// collections; FormatsTools does the work.

#include "system/app_paths.h"
#include "system/recovery.h"
#include "ui/main/formats_tools.h"
#include "ui/main/main_window.h"
#include "ui/main/play_mode.h"

namespace gridora::ui {

void MainWindow::ConnectFormatsTools() {
  QMenu* tools = ToolsMenu();
  tools->addSeparator()->setObjectName(QStringLiteral("mnuToolsDumy5"));
  const auto add = [&](const char* text, const char* name, Command command,
                       const QKeySequence& shortcut = {}) {
    QAction* action = tools->addAction(QString::fromUtf8(text));
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    BindCommand(action, command);
    return action;
  };
  add("他の形式を開く...(&I)", "mnuToolsOpenOther", {CommandId::OpenOtherFormat});
  add("他の形式で保存...(&X)", "mnuToolsSaveOther", {CommandId::SaveOtherFormat});
  QAction* next = add("次の問題(&J)", "mnuToolsNextPuzzle", {CommandId::NextPuzzle},
                      QKeySequence(Qt::CTRL | Qt::Key_PageDown));
  QAction* previous = add("前の問題", "mnuToolsPreviousPuzzle", {CommandId::PreviousPuzzle},
                          QKeySequence(Qt::CTRL | Qt::Key_PageUp));
  QAction* list = add("問題集の一覧...", "mnuToolsPuzzleList", {CommandId::PuzzleList});
  // Which puzzle of each collection was shown last lives beside the
  // recovery copy, in the user's state folder; the results are play mode's
  // records; the ratings are a cache.
  const std::string state = StateFolder();
  const std::string cache = CacheFolder();
  formats_ = std::make_unique<FormatsTools>(
      *this,
      FormatsTools::Folders{state.empty() ? std::string() : state + "/collections",
                            play_->RecordsFile(),
                            cache.empty() ? std::string() : cache + "/ratings"},
      std::array<QAction*, 3>{next, previous, list});
}

}  // namespace gridora::ui
