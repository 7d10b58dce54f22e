// SPDX-License-Identifier: MIT
#pragma once
// The scheduler behind Generate and GenerateBatch: puzzles 0 to count - 1,
// puzzle n made from the seed seedOf(n), on options.threads threads, each
// puzzle the lowest of its attempts that has the grade asked for (see
// generator.h).

#include <cstddef>
#include <cstdint>
#include <functional>

#include "engine/generator.h"

namespace gridora::engine {

// Runs the puzzles and hands each to `emit` in index order, one call at a
// time (under the run's lock, from whichever thread finished it). Stops
// early when options.cancel is set.
void RunGeneration(const GenerateOptions& options, std::size_t count,
                   const std::function<std::uint64_t(std::size_t)>& seedOf,
                   const std::function<void(std::size_t, const Generated&)>& emit);

}  // namespace gridora::engine
