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

// The same from the digits of a board (0 empty); a byte above 9 gives no
// solution.
SearchResult CountSolutions9(const Grid& givens, int limit, std::span<Grid> keep,
                             const SearchLimits& limits);

// The builds of the 9 x 9 search: one for any processor, one for processors
// with AVX2 and BMI2 (x86-64 only). They take the same steps, so they give
// the same results, guesses included; CountSolutions9 above runs the best
// the processor has.
enum class SearchIsa { Plain, Avx2 };

// True when `isa`'s build is there and the processor can run it.
bool SearchIsaAvailable(SearchIsa isa);

// CountSolutions9 with a given build; one the processor lacks falls back to
// Plain.
SearchResult CountSolutions9(const Masks& masks, int limit, std::span<Grid> keep,
                             const SearchLimits& limits, SearchIsa isa);
SearchResult CountSolutions9(const Grid& givens, int limit, std::span<Grid> keep,
                             const SearchLimits& limits, SearchIsa isa);

}  // namespace gridora::engine
