// SPDX-License-Identifier: MIT
#include "core/file_commands.h"

#include "core/board.h"
#include "core/log.h"
#include "core/puzzle_file.h"

namespace gridora {

namespace {

// Writes to `path`; on success `path` becomes the puzzle's file.
bool SaveTo(App app, const std::string& path) {
  if (const WriteStatus written = WritePuzzleFile(app.state, path); !written) {
    LogFailure(LogArea::Files, "cannot save " + path, written.error());
    app.screen.ShowMessage(kCannotWriteText, kSaveFailedTitle, MessageButtons::Ok,
                           MessageIcon::Information);
    return false;
  }
  app.state.PuzzleFileName = path;
  app.state.DataChanged = false;
  app.screen.SetInformText(kSavedText);
  RedrawBoard(app);  // shows the new file name
  return true;
}

}  // namespace

FileDialogRequest PrepareFileDialog(const AppState& state, FileDialogMode mode) {
  FileDialogRequest request;
  request.mode = mode;
  request.initialDirectory = "";
  request.initialFileName =
      state.PuzzleFileName == kNoFileName ? kSampleFileName : state.PuzzleFileName;
  request.filterDescription = "ﾅﾝﾌﾟﾚﾃﾞｰﾀ(*.gdr)";
  request.filterPattern = "*.gdr";
  request.defaultSuffix = "gdr";
  request.confirmOverwrite = true;
  request.hideReadOnly = true;
  return request;
}

bool ConfirmSaveChanges(App app) {
  if (!app.state.DataChanged) return true;
  switch (app.screen.ShowMessage(kSaveQuestionText, kSaveQuestionTitle, MessageButtons::YesNoCancel,
                                 MessageIcon::None)) {
    case MessageAnswer::Yes:
      return SavePuzzle(app);
    case MessageAnswer::No:
      app.state.DataChanged = false;
      return true;
    default:
      return false;
  }
}

bool OpenPuzzle(App app) {
  std::string path;
  if (!app.screen.AskFilePath(PrepareFileDialog(app.state, FileDialogMode::Open), path))
    return false;
  return LoadPuzzleFile(app, path);
}

bool SavePuzzle(App app) {
  if (app.state.PuzzleFileName == kNoFileName) return SavePuzzleAs(app);
  return SaveTo(app, app.state.PuzzleFileName);
}

bool SavePuzzleAs(App app) {
  std::string path;
  if (!app.screen.AskFilePath(PrepareFileDialog(app.state, FileDialogMode::Save), path))
    return false;
  return SaveTo(app, path);
}

}  // namespace gridora
