// SPDX-License-Identifier: MIT
#pragma once
// The user's commands around the puzzle file: Open, Save, Save As, and the
// save-changes question that guards every command that would discard the
// current puzzle (new puzzle, open, quit).

#include "core/app.h"

namespace gridora {

using FileDialogMode = ScreenPort::FileDialogMode;
using FileDialogRequest = ScreenPort::FileDialogRequest;

inline constexpr const char* kSampleFileName = "Sample.gdr";
inline constexpr const char* kSaveFailedTitle = "セーブ失敗";
inline constexpr const char* kCannotWriteText = "ディスクにアクセスできません。";
inline constexpr const char* kSavedText = "ファイルを保存しました";
inline constexpr const char* kSaveQuestionTitle = "セーブ確認";
inline constexpr const char* kSaveQuestionText =
    "ナンプレデータが変更されています。\r\n保存しますか？";

// The file dialog for puzzle files: one filter for "*.gdr", default suffix
// "gdr", overwrite question, no read-only box, and the current file (or
// "Sample.gdr" for a puzzle never saved) as the initial name.
FileDialogRequest PrepareFileDialog(const AppState& state, FileDialogMode mode);

// True when the caller may discard the puzzle: nothing unsaved, the user
// answered No, or answered Yes and the save succeeded. Cancel, or Yes
// followed by a cancelled or failed save, return false and leave
// DataChanged true, so no unsaved work is lost.
bool ConfirmSaveChanges(App app);

// Lets the user choose a file and loads it; a cancelled dialog changes
// nothing. Returns whether a puzzle was loaded. Call ConfirmSaveChanges
// first.
bool OpenPuzzle(App app);

// Saves to PuzzleFileName, or asks for a name as SavePuzzleAs does when
// the puzzle has none. Returns whether the puzzle was saved; a failure is
// reported in a message box and changes nothing.
bool SavePuzzle(App app);

// Lets the user choose a path and saves there; on success the path becomes
// PuzzleFileName. A cancelled dialog or a failure changes nothing.
bool SavePuzzleAs(App app);

}  // namespace gridora
