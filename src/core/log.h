// SPDX-License-Identifier: MIT
#pragma once
// The program's one logging channel for failures the user is not told about
// in detail: the user sees the short message of the command, the log keeps
// the cause. The window sends the lines to Qt's logging categories
// ("gridora.files", "gridora.settings", "gridora.system"), the command-line
// solver to standard error, and the tests keep them and print them only for
// a test that fails.
//
//   if (const std::error_code error = ReplaceFile(path, bytes))
//     LogFailure(LogArea::Files, "cannot save " + path, error);

#include <string>
#include <string_view>
#include <system_error>

namespace gridora {

enum class LogArea { Files, Settings, System };

// The category name of an area: "files", "settings" or "system".
const char* LogAreaName(LogArea area);

// Where the lines go. The sink is set once by the program's entry point
// (or a test's main) before anything logs; without one, lines go to
// standard error.
using LogSink = void (*)(LogArea area, std::string_view line);
void SetLogSink(LogSink sink);

// Logs "`what`: `error`'s message".
void LogFailure(LogArea area, std::string_view what, const std::error_code& error);

}  // namespace gridora
