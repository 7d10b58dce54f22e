// SPDX-License-Identifier: MIT
// Play mode's place in the window: its items in "ツール" run through the
// command table, and it guards the input modes.

#include "ui/main/main_window.h"
#include "ui/main/play_mode.h"

namespace gridora::ui {

void MainWindow::ConnectPlay() {
  play_ = new PlayMode(*this);
  const PlayMenu& m = play_->BuildMenu(*ToolsMenu());
  BindCommand(m.play, {CommandId::PlayMode});
  BindCommand(m.noteInput, {CommandId::NoteInput});
  BindCommand(m.autoRemove, {CommandId::AutoRemoveNotes});
  BindCommand(m.candidatesToNotes, {CommandId::CandidatesToNotes});
  BindCommand(m.clearNotes, {CommandId::ClearNotes});
  BindCommand(m.wrongDigits, {CommandId::ShowWrongDigits});
  BindCommand(m.timer, {CommandId::ShowTimer});
  BindCommand(m.records, {CommandId::Records});
  BindCommand(m.noteList, {CommandId::NoteList});
  input_->SetGuard(play_);
}

}  // namespace gridora::ui
