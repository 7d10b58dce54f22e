// SPDX-License-Identifier: MIT
#pragma once
// The .opensudoku XML of the Android program, read with expat.
//
// Two layouts are read. Version 1: the root <opensudoku> holds <name>,
// <author>, <description>, <comment>, <created>, <source>, <level>,
// <sourceURL> and <game data="..."/> elements. Version 2: the root holds
// <folder name="..."> elements holding <game data="..." .../> elements.
// A game's data is 81 digits (0 empty), or "version: N" (1 to 4) followed by
// 81 cells "value|notes|editable|" that also carry the player's digits
// (editable 1) and pencil marks ("1,5," or "-" in version 1, a bit mask in
// the others; version 4 adds a second mask of centre marks, which is read
// into the same notes).
//
// expat reads the file as a stream, so a file of any size is read in
// pieces; a document type declaration (and with it every entity of its
// own) is refused, so nothing expands beyond the bytes of the file.
//
//   OpenSudokuReader reader([&](Puzzle&& p, std::uint64_t at, std::uint64_t length) {...});
//   reader.Feed(piece1, false); reader.Feed(piece2, true);

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formats/formats.h"

namespace gridora::formats {

class OpenSudokuReader {
 public:
  // `onGame` receives each game in order, with the byte offset and length of
  // its element in the stream.
  using GameSink = std::function<void(Puzzle&&, std::uint64_t offset, std::uint64_t length)>;
  explicit OpenSudokuReader(GameSink onGame);
  ~OpenSudokuReader();
  OpenSudokuReader(const OpenSudokuReader&) = delete;
  OpenSudokuReader& operator=(const OpenSudokuReader&) = delete;

  // Reads the next piece of the document; `last` for the final one. After
  // an error the reader is spent.
  ReadError Feed(std::string_view piece, bool last);

  // The properties the document gives all its games (author, description as
  // comment, created as date, source, level, URL; the folder's name as the
  // source when there is no source).
  const Puzzle& common() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// One game element as cut out of a document at the offset and length the
// reader reported; the properties are left empty.
ReadError ReadOpenSudokuGame(std::string_view element, Puzzle& puzzle);

// The board of a game's data attribute (see above).
ReadError ReadOpenSudokuData(std::string_view data, Puzzle& puzzle);

}  // namespace gridora::formats
