// SPDX-License-Identifier: MIT
#include "settings/setting_values.h"

#include "core/text.h"

namespace gridora {

bool OldFileBoolean(std::string_view text) {
  return !ReadsAsNonZero(text);
}

std::optional<int> InRange(std::optional<double> value, int low, int high) {
  if (!value) return std::nullopt;
  const std::int64_t rounded = RoundHalfEven(*value);
  if (rounded < low || rounded > high) return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace gridora
