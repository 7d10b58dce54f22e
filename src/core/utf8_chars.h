// SPDX-License-Identifier: MIT
#pragma once
// Walking UTF-8 text character by character, for the rules that count
// characters as the user sees them rather than bytes.

#include <string_view>
#include <vector>

namespace gridora {

// The length of the UTF-8 sequence that starts `rest` (not empty): what its
// first byte announces, cut short at the first byte that cannot continue it,
// so a broken character never swallows the ASCII after it. A stray byte is
// a character of its own.
std::size_t Utf8SequenceLength(std::string_view rest);

// The characters of `text`, each a view of its bytes.
std::vector<std::string_view> Utf8Chars(std::string_view text);

}  // namespace gridora
