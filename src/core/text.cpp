// SPDX-License-Identifier: MIT
#include "core/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace gridora {

std::string NumberText(std::int64_t value) {
  std::string text = std::to_string(value);
  return value < 0 ? text : " " + text;
}

std::string SingleText(float value) {
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e7f) {
    return NumberText(static_cast<std::int64_t>(value));
  }
  // Seven significant digits, as a single-precision value carries; no
  // trailing zeros and no zero before the decimal point.
  // std::to_chars ignores the locale, unlike printf.
  char buffer[48];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7).ptr;
  std::string text(buffer, end);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  const auto exponent = text.find('E');
  std::string mantissa = text.substr(0, exponent);
  const std::string tail = exponent == std::string::npos ? "" : text.substr(exponent);
  if (mantissa.find('.') != std::string::npos) {
    while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
    if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
  }
  const bool negative = !mantissa.empty() && mantissa.front() == '-';
  if (negative) mantissa.erase(0, 1);
  if (mantissa.size() > 1 && mantissa[0] == '0' && mantissa[1] == '.') mantissa.erase(0, 1);
  return (negative ? "-" : " ") + mantissa + tail;
}

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Reads the characters of `text` with blanks left out.
class BlankSkipper {
 public:
  explicit BlankSkipper(std::string_view text) : text_(text) {}
  char Peek() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Next() { ++pos_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

int DigitValue(char c, int radix) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < radix ? value : -1;
}

double ReadRadix(BlankSkipper& in, int radix) {
  double value = 0;
  for (int d; (d = DigitValue(in.Peek(), radix)) >= 0; in.Next()) value = value * radix + d;
  return value;
}

}  // namespace

namespace {

// For a decimal ("-12.5e3", as ReadNumberAt builds it) that no double
// holds: true when it is too large, false when it is too close to 0.
bool DecimalTooLarge(std::string_view number) {
  const std::size_t e = number.find('e');
  std::string_view mantissa = number.substr(0, e);
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = number.substr(e + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
      digits.remove_prefix(1);
    for (char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
    if (negative) exponent = -exponent;
  }
  if (!mantissa.empty() && mantissa.front() == '-') mantissa.remove_prefix(1);
  const std::size_t dot = mantissa.find('.');
  std::string_view whole = mantissa.substr(0, dot);
  const std::string_view fraction =
      dot == std::string_view::npos ? std::string_view() : mantissa.substr(dot + 1);
  while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
  // The power of ten of the first digit that is not 0.
  long long magnitude = 0;
  if (!whole.empty()) {
    magnitude = static_cast<long long>(whole.size()) - 1 + exponent;
  } else {
    const std::size_t first = fraction.find_first_not_of('0');
    if (first == std::string_view::npos) return false;
    magnitude = exponent - static_cast<long long>(first) - 1;
  }
  return magnitude > 0;
}

struct NumberRead {
  double value = 0;
  bool tooLarge = false;  // a number that no double holds ("1e999")
};

NumberRead ReadNumberAt(std::string_view text) {
  BlankSkipper in(text);
  if (in.Peek() == '&') {
    in.Next();
    const char kind = in.Peek();
    if (kind == 'H' || kind == 'h') {
      in.Next();
      return {ReadRadix(in, 16), false};
    }
    if (kind == 'O' || kind == 'o') {
      in.Next();
      return {ReadRadix(in, 8), false};
    }
    return {};
  }
  std::string number;
  if (in.Peek() == '+' || in.Peek() == '-') {
    number += in.Peek();
    in.Next();
  }
  bool digits = false;
  for (; DigitValue(in.Peek(), 10) >= 0; in.Next(), digits = true) number += in.Peek();
  if (in.Peek() == '.') {
    number += '.';
    in.Next();
    for (; DigitValue(in.Peek(), 10) >= 0; in.Next(), digits = true) number += in.Peek();
  }
  if (!digits) return {};
  const char e = in.Peek();
  if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
    std::string exponent = "e";
    in.Next();
    if (in.Peek() == '+' || in.Peek() == '-') {
      exponent += in.Peek();
      in.Next();
    }
    bool expDigits = false;
    for (; DigitValue(in.Peek(), 10) >= 0; in.Next(), expDigits = true) exponent += in.Peek();
    if (expDigits) number += exponent;
  }
  if (number.front() == '+') number.erase(0, 1);  // from_chars takes no plus sign
  // std::from_chars ignores the locale, unlike strtod.
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) return {0, DecimalTooLarge(number)};
  return {result.ec == std::errc() && std::isfinite(value) ? value : 0, false};
}

}  // namespace

double ReadNumber(std::string_view text) {
  return ReadNumberAt(text).value;
}

bool ReadsAsNonZero(std::string_view text) {
  const NumberRead read = ReadNumberAt(text);
  return read.value != 0 || read.tooLarge;
}

std::int64_t RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  // Default floating-point rounding is to nearest, ties to even.
  const double rounded = std::nearbyint(value);
  constexpr double kLimit = 9.2e18;
  if (rounded >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (rounded <= -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(rounded);
}

std::int64_t ReadInteger(std::string_view text) {
  return RoundHalfEven(ReadNumber(text));
}

const char* BoolText(bool value) {
  return value ? "True" : "False";
}

std::string EscapeMarkup(std::string_view text, bool breaksToo) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\n':
        out += breaksToo ? "&#10;" : "\n";
        break;
      case '\r':
        out += breaksToo ? "&#13;" : "\r";
        break;
      case '\t':
        out += breaksToo ? "&#9;" : "\t";
        break;
      default:
        out += c;
    }
  }
  return out;
}

namespace {

// Shape checks of the whole-text conversions.

bool IsSpaceOrTab(char c) {
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
  while (!text.empty() && IsSpaceOrTab(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpaceOrTab(text.back())) text.remove_suffix(1);
  if (!IsDecimal(text) && !IsPrefixed(text)) return std::nullopt;
  // The shape is checked; the numeric read gives the value.
  return ReadNumber(text);
}

std::optional<bool> ConvertBoolean(std::string_view text) {
  while (!text.empty() && IsSpaceOrTab(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpaceOrTab(text.back())) text.remove_suffix(1);
  if (EqualsIgnoringCase(text, "True")) return true;
  if (EqualsIgnoringCase(text, "False")) return false;
  if (!ConvertNumber(text)) return std::nullopt;
  return ReadsAsNonZero(text);
}

}  // namespace gridora
