// SPDX-License-Identifier: MIT
#pragma once
// KeptGames: the play state of puzzles (givens, notes, time, helped) kept
// beside them in the user's data folder, so that a game survives Save and
// reopening, a kill (with the recovery copy) and quitting, while the puzzle
// file itself stays exactly what the file format says.
//
// A kept game belongs to one place (the puzzle file's full path, or the
// recovery copy's) and to the exact bytes that file had when the game was
// kept; Find gives it back only for that place with those bytes, so another
// puzzle never picks it up and a file changed on disk makes it ignored.
//
//   KeptGames kept(GamesFolder(PlayDataFolder()));
//   kept.Keep("/home/u/a.gdr", bytesOfTheFile, game.Record(now));
//   if (auto record = kept.Find("/home/u/a.gdr", bytesNow)) game.Resume(state, *record);

#include <optional>
#include <string>

#include "core/file_io.h"
#include "play/game.h"

namespace gridora::play {

// The data folder of play mode: "gridora" in $XDG_DATA_HOME, or in
// "$HOME/.local/share" when that variable is unset, empty or not absolute.
// Null arguments stand for unset variables; "" when neither is usable.
std::string PlayDataFolderFor(const char* xdgDataHome, const char* home);
// The same for the process's environment.
std::string PlayDataFolder();
// The records file and the folder of kept games inside `dataFolder`
// ("" when it is "").
std::string RecordsPath(const std::string& dataFolder);
std::string GamesFolder(const std::string& dataFolder);

// A record as text, and back (nullopt for text that is not one).
std::string GameRecordText(const GameRecord& record);
std::optional<GameRecord> ReadGameRecord(const std::string& text);

class KeptGames {
 public:
  // Games in `folder`; with "" nothing is kept or found.
  explicit KeptGames(std::string folder) : folder_(std::move(folder)) {}

  // Keeps `record` for the file at `place` whose bytes are `fileBytes`,
  // replacing what was kept for that place.
  WriteStatus Keep(const std::string& place, const std::string& fileBytes,
                   const GameRecord& record) const;
  // The game kept for `place` when the file's bytes are still `fileBytes`.
  std::optional<GameRecord> Find(const std::string& place, const std::string& fileBytes) const;
  // Forgets the game of `place` (a puzzle started anew there).
  void Forget(const std::string& place) const;
  // The file that holds the game of `place`.
  std::string PathOf(const std::string& place) const;

 private:
  std::string folder_;
};

}  // namespace gridora::play
