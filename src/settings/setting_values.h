// SPDX-License-Identifier: MIT
#pragma once
// Reading the values of the settings file: the Booleans of the oldest
// files and the range checks. The whole-text conversions are in core/text.h.

#include <optional>
#include <string_view>

#include "core/text.h"

namespace gridora {

// A Boolean of a version-1.2 file: the numeric read of `text`, 0 for true
// and anything else (also a number too large to hold) for false.
bool OldFileBoolean(std::string_view text);

// A rounded number inside [low, high], or nullopt when `value` is missing
// or outside.
std::optional<int> InRange(std::optional<double> value, int low, int high);

}  // namespace gridora
