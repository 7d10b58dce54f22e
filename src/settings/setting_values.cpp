#include "settings/setting_values.h"

#include <cmath>

#include "core/text.h"

namespace gridora {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsDigitOf(char c, int radix) {
  if (c >= '0' && c <= '9') return c - '0' < radix;
  if (radix != 16) return false;
  return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Moves `pos` past the digits of `radix`; true when there was at least one.
bool SkipDigits(std::string_view text, std::size_t& pos, int radix) {
  const std::size_t start = pos;
  while (pos < text.size() && IsDigitOf(text[pos], radix)) ++pos;
  return pos > start;
}

bool IsDecimal(std::string_view text) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  bool digits = SkipDigits(text, pos, 10);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    digits = SkipDigits(text, pos, 10) || digits;
  }
  if (!digits) return false;
  if (pos < text.size() &&
      (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    if (!SkipDigits(text, pos, 10)) return false;
  }
  return pos == text.size();
}

bool IsPrefixed(std::string_view text) {
  if (text.size() < 3 || text[0] != '&') return false;
  const char kind = text[1];
  const int radix = kind == 'H' || kind == 'h' ? 16 : kind == 'O' || kind == 'o' ? 8 : 0;
  std::size_t pos = 2;
  return radix != 0 && SkipDigits(text, pos, radix) && pos == text.size();
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<double> ConvertNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (!IsDecimal(text) && !IsPrefixed(text)) return std::nullopt;
  // The shape is checked; the numeric read gives the value.
  return ReadNumber(text);
}

std::optional<bool> ConvertBoolean(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (EqualsIgnoringCase(text, "True")) return true;
  if (EqualsIgnoringCase(text, "False")) return false;
  const auto number = ConvertNumber(text);
  if (!number) return std::nullopt;
  return *number != 0;
}

bool OldFileBoolean(std::string_view text) {
  return ReadNumber(text) == 0;
}

std::optional<int> InRange(std::optional<double> value, int low, int high) {
  if (!value) return std::nullopt;
  const std::int64_t rounded = RoundHalfEven(*value);
  if (rounded < low || rounded > high) return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace gridora
