// SPDX-License-Identifier: MIT
#pragma once
// FormatsTools: the other programs' puzzle files in the window. Opens one
// puzzle or a collection (formats/), saves the board as .sdk or one line,
// moves through a collection, lists it with each puzzle's result and
// rating, and reopens the collection played last at the next start. A
// puzzle of a collection, and one read with the player's digits or pencil
// marks, is played in play mode: the game's givens, notes and solved moment
// are play mode's, and a collection's puzzle solved there joins play mode's
// records under the collection's key. The window only forwards its
// commands here.

#include <QLabel>
#include <memory>
#include <optional>
#include <string>

#include "formats/collection.h"
#include "formats/collection_ratings.h"
#include "formats/formats.h"
#include "play/records.h"

namespace gridora::ui {

class MainWindow;
class CollectionModel;

class FormatsTools {
 public:
  // Where things are kept ("" keeps nothing there).
  struct Folders {
    std::string state;    // the puzzle shown last of each collection, and the last collection
    std::string records;  // play mode's records file
    std::string ratings;  // the cache of the ratings
  };
  // The actions are enabled while a collection is open.
  FormatsTools(MainWindow& window, Folders folders, std::array<QAction*, 3> collectionActions);
  ~FormatsTools();

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
  // "問題集の一覧...": the puzzles with their state and rating; the chosen
  // one opens.
  void ShowList();
  // Reopens the collection played last, if there was one.
  void Resume();

  const std::optional<formats::Collection>& collection() const { return collection_; }
  QLabel* PositionLabel() const { return position_; }
  // The ratings of the open collection's list (null until a list asks).
  formats::CollectionRatings* Ratings() const { return ratings_.get(); }

 private:
  // Shows puzzle `k` of the collection; false (after a message) when it
  // cannot be read.
  bool Show(std::size_t k);
  // The puzzle read is on the board: play mode starts for `play`.
  void Loaded(const formats::Puzzle& puzzle, bool play);
  void UpdateActions();
  // Makes `collection` the open one (nullopt: none), with new ratings.
  void SetCollection(std::optional<formats::Collection> collection);
  // Play mode's solved moment: a puzzle of the collection keeps its result.
  void Solved(play::Records& records, const play::GameResult& result);

  MainWindow& window_;
  Folders folders_;
  std::array<QAction*, 3> actions_;
  std::optional<formats::Collection> collection_;
  std::unique_ptr<formats::CollectionRatings> ratings_;
  std::optional<formats::Puzzle> original_;  // the puzzle as read, to tell givens apart
  QLabel* position_ = nullptr;               // "問題 12 / 1465" in the status bar
  CollectionModel* list_ = nullptr;          // the list shown, if any
};

}  // namespace gridora::ui
