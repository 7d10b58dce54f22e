// SPDX-License-Identifier: MIT
#pragma once
// Loading a puzzle file into the model and writing the model to a file.
// The bytes themselves are puzzle_format.h's business.

#include <string>

#include "core/app.h"
#include "core/file_io.h"
#include "core/puzzle_format.h"

namespace gridora {

inline constexpr const char* kLoadFailedTitle = "ロード失敗";
inline constexpr const char* kCannotReadText = "データファイルにアクセスできません。";
inline constexpr const char* kWrongFormatText = "データファイルの形式が違います。";
inline constexpr const char* kOpenedText = "ファイルを開きました";

// Reads and checks the whole file at `path`, then replaces the puzzle with
// it: a fresh model of the file's size (history and memory slots emptied),
// its properties and board, PuzzleFileName = path, DataChanged false, a
// redraw and the status text "ファイルを開きました". A file that cannot be
// read or is not a complete puzzle file is reported in a message box and
// changes nothing. Returns whether the puzzle was loaded.
bool LoadPuzzleFile(App app, const std::string& path);

// Replaces the model with `puzzle` as a successful load does; PuzzleFileName
// becomes `path`.
void ApplyPuzzleFile(App app, const PuzzleFile& puzzle, const std::string& path);

// The file contents of the current puzzle.
PuzzleFile PuzzleFileOf(const AppState& state);

// Writes the current puzzle to `path` in the version 2.1 layout, replacing
// the file only once the new one is complete (see ReplaceFile). Shows
// nothing; returns false when the file could not be written.
WriteStatus WritePuzzleFile(const AppState& state, const std::string& path);

}  // namespace gridora
