// SPDX-License-Identifier: MIT
#pragma once
// The recovery copy: the current puzzle, kept on disk while it has unsaved
// changes, so that a program killed or logged out loses nothing.
//
// A game of play mode in progress counts as unsaved work too: its notes and
// time live beside the copy (play/kept_games.h), so the copy is kept while
// a game is played, even on a puzzle without changes.
//
// The copy lives in the state folder ($XDG_STATE_HOME/gridora, by default
// ~/.local/state/gridora) as "recovery.gdr", in the puzzle file form; the
// path of the file the puzzle belongs to is kept beside it in
// "recovery.path". One running program owns the copy: it holds a lock on
// "recovery.lock" for as long as it runs, so a second program started
// meanwhile neither offers nor overwrites the first one's copy.
//
//   RecoveryKeeper keeper(RecoveryFilesIn(StateFolder()));
//   if (keeper.Claim())
//     if (auto left = keeper.Pending()) { ...offer it...; }
//   keeper.Update(state);  // after changes; writes or deletes the copy

#include <optional>
#include <string>

#include "core/app_state.h"
#include "core/file_io.h"
#include "core/puzzle_format.h"

namespace gridora {

// The program's state folder: "gridora" in $XDG_STATE_HOME, or in
// "$HOME/.local/state" when that variable is unset, empty or not absolute.
// Null arguments stand for unset variables; "" when neither is usable.
std::string StateFolderFor(const char* xdgStateHome, const char* home);
// The same for the process's environment.
std::string StateFolder();

struct RecoveryFiles {
  std::string copy;   // the puzzle, "recovery.gdr"
  std::string owner;  // the path of the puzzle's file, "recovery.path"
  std::string lock;   // held by the program that keeps the copy
};

// The files in `folder`; all empty when `folder` is "" (no copy is kept).
RecoveryFiles RecoveryFilesIn(const std::string& folder);

// A copy left behind by an earlier run.
struct RecoveredPuzzle {
  PuzzleFile puzzle;
  std::string fileName;  // kNoFileName for a puzzle never saved
  // The puzzle's file still holds exactly the copy's bytes: only a game's
  // state was unsaved, not the puzzle.
  bool sameAsFile = false;
};

class RecoveryKeeper {
 public:
  explicit RecoveryKeeper(RecoveryFiles files);
  ~RecoveryKeeper();
  RecoveryKeeper(const RecoveryKeeper&) = delete;
  RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

  // Takes the lock (creating the folder). False when another running
  // program holds it or the folder cannot be used; the keeper then does
  // nothing at all.
  bool Claim();
  bool Claimed() const { return lockFd_ >= 0; }

  // The copy an earlier run left, if there is a readable one. An unreadable
  // copy is deleted.
  std::optional<RecoveredPuzzle> Pending();

  // Brings the files in line with `state`: a copy of a puzzle with unsaved
  // changes or with a game in play (`gameInPlay`), written only when its
  // bytes differ from the last ones; no copy of a puzzle with neither.
  WriteStatus Update(const AppState& state, bool gameInPlay = false);

  // Deletes the copy.
  void Discard();

 private:
  RecoveryFiles files_;
  int lockFd_ = -1;
  bool copyMayExist_ = false;
  std::string writtenCopy_;
  std::string writtenOwner_;
};

}  // namespace gridora
