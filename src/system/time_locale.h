// SPDX-License-Identifier: MIT
#pragma once
// The locale dates are written in, as the C library and Qt choose it: the
// first of LC_ALL, LC_TIME and LANG that is set and not empty, "C" when
// none is. Under the C or POSIX locale (the default of many servers and
// containers) the short date would be an English "7 Dec 2026"; the program
// writes "2026/12/07" instead, as a Japanese system does.
//
//   if (IsPosixLocaleName(TimeLocaleName())) format = kPosixShortDate;

#include <string>
#include <string_view>

namespace gridora {

inline constexpr const char* kPosixShortDate = "yyyy/MM/dd";

std::string TimeLocaleName();

// "C" and "POSIX", with or without a code set or modifier ("C.UTF-8",
// "C.utf8", "POSIX@euro").
bool IsPosixLocaleName(std::string_view name);

}  // namespace gridora
