// SPDX-License-Identifier: MIT
#pragma once
// FormatsTools: the other programs' puzzle files in the window. Opens one
// puzzle or a collection (formats/), saves the board as .sdk or one line,
// moves through a collection, keeps each puzzle's result when the board is
// solved, lists the collection, and reopens the collection played last at
// the next start. The window only forwards its commands here.

#include <QElapsedTimer>
#include <QLabel>
#include <memory>
#include <optional>
#include <string>

#include "formats/collection.h"
#include "formats/formats.h"

namespace gridora::ui {

class MainWindow;

class FormatsTools {
 public:
  // `folder` keeps the collections' records; the actions are enabled while
  // a collection is open.
  FormatsTools(MainWindow& window, std::string folder, std::array<QAction*, 3> collectionActions);

  // "他の形式を開く...": the file dialog, then the file (the caller has asked
  // about unsaved changes).
  void OpenOther();
  // Opens `path`: one puzzle onto the board, several as a collection at its
  // first unsolved puzzle. False when the file was refused (and said so).
  bool Open(const std::string& path);
  // "他の形式で保存...": the board as .sdk, .ss or one line, after the name.
  void SaveOther();
  // "次の問題", "前の問題": the neighbour in the collection.
  void Move(int step);
  // "問題集の一覧...": the puzzles with their state; the chosen one opens.
  void ShowList();
  // The board changed: a full and correct board counts as solved.
  void BoardChanged();
  // The player took a hint: the result counts as helped.
  void NoteHelp() { helped_ = true; }
  // Reopens the collection played last, if there was one.
  void Resume();

  const std::optional<formats::Collection>& collection() const { return collection_; }
  QLabel* PositionLabel() const { return position_; }

 private:
  // Shows puzzle `k` of the collection; false (after a message) when it
  // cannot be read.
  bool Show(std::size_t k);
  void Loaded(const formats::Puzzle& puzzle);
  void UpdateActions();

  MainWindow& window_;
  std::string folder_;
  std::array<QAction*, 3> actions_;
  std::optional<formats::Collection> collection_;
  std::optional<formats::Puzzle> original_;  // the puzzle as read, to tell givens apart
  QLabel* position_ = nullptr;               // "問題 12 / 1465" in the status bar
  QElapsedTimer clock_;
  bool helped_ = false;
  bool recorded_ = false;
};

}  // namespace gridora::ui
