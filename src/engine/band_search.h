// SPDX-License-Identifier: MIT
#pragma once
// The 9 x 9 search on per-digit bitboards: each digit keeps the cells it may
// still take as three 27-bit words, one a band of three rows. Inside a band
// a digit's rows and boxes pair off like a permutation, which one table
// lookup enforces; the columns are settled across the three bands. Used by
// CountSolutionsFromMasks for every 9 x 9 board.

#include <span>

#include "engine/search.h"

namespace gridora::engine {

// The solutions of a 9 x 9 board given as candidate masks, up to `limit`
// (at least 1); the first min(limit, keep.size()) are copied into `keep`.
SearchResult CountSolutions9(const Masks& masks, int limit, std::span<Grid> keep,
                             const SearchLimits& limits);

}  // namespace gridora::engine
