// SPDX-License-Identifier: MIT
#pragma once
// gridora-solve --convert: the puzzles read from any format, written in
// another. The puzzles stream through: a collection is never held whole.
//
//   PuzzleConverter out(Format::Sdk, std::cout);
//   out.Add(puzzle); ...
//   bool ok = out.Finish();

#include <cstddef>
#include <optional>
#include <ostream>

#include "formats/formats.h"

namespace gridora {

class PuzzleConverter {
 public:
  PuzzleConverter(formats::Format format, std::ostream& out) : format_(format), out_(out) {}

  // Writes `puzzle` (or keeps it, for a format of one puzzle); false, after
  // a message on standard error, when the format has no place for it.
  bool Add(const formats::Puzzle& puzzle, const std::string& where);
  // Ends the output; false when a format of one puzzle did not get exactly
  // one.
  bool Finish();

 private:
  formats::Format format_;
  std::ostream& out_;
  std::size_t count_ = 0;
  std::optional<formats::Puzzle> single_;
};

}  // namespace gridora
