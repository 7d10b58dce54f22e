// SPDX-License-Identifier: MIT
#include "convert_cli.h"

#include <iostream>

#include "formats/writers.h"

namespace gridora {

using formats::Format;

bool PuzzleConverter::Add(const formats::Puzzle& puzzle, const std::string& where) {
  if (!formats::CanWrite(format_, puzzle)) {
    std::cerr << where << ": a " << puzzle.boardSize << " x " << puzzle.boardSize
              << " puzzle has no place in " << formats::FormatName(format_) << "\n";
    return false;
  }
  ++count_;
  if (formats::HoldsOnePuzzle(format_)) {
    if (!single_) single_ = puzzle;
    return true;
  }
  if (format_ == Format::OpenSudoku) {
    if (count_ == 1)
      out_ << formats::OpenSudokuStart(puzzle.source.empty() ? "Gridora" : puzzle.source);
    out_ << formats::OpenSudokuGame(puzzle);
  } else {
    out_ << formats::WriteSdmLine(puzzle);
  }
  return true;
}

bool PuzzleConverter::Finish() {
  if (formats::HoldsOnePuzzle(format_)) {
    if (count_ != 1) {
      std::cerr << "gridora-solve: " << formats::FormatName(format_)
                << " holds one puzzle; the input has " << count_ << "\n";
      return false;
    }
    out_ << formats::WriteFile(format_, {*single_});
  } else if (format_ == Format::OpenSudoku) {
    if (count_ == 0) out_ << formats::OpenSudokuStart("Gridora");
    out_ << formats::OpenSudokuEnd();
  }
  out_.flush();
  return static_cast<bool>(out_);
}

}  // namespace gridora
