// SPDX-License-Identifier: MIT
#pragma once
// The 16 x 16 search on per-digit bitboards: each digit keeps the cells it
// may still take as four 64-bit words, one a band of four rows (bit
// row x 16 + column of the band). Inside a band a digit's rows and boxes
// pair off like a permutation, which one table lookup enforces; the columns
// are settled across the four bands; naked singles are found for all cells
// of a band at once by counting the sixteen digit words bit-sliced. Used by
// CountSolutionsFromMasks for every 16 x 16 board.

#include <span>

#include "engine/search.h"

namespace gridora::engine {

// The solutions of a 16 x 16 board given as candidate masks, up to `limit`
// (at least 1); the first min(limit, keep.size()) are copied into `keep`.
SearchResult CountSolutions16(const Masks& masks, int limit, std::span<Grid> keep,
                              const SearchLimits& limits);

}  // namespace gridora::engine
