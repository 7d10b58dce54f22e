// SPDX-License-Identifier: MIT
#include "core/log.h"

#include <atomic>
#include <cstdio>

namespace gridora {

namespace {

void StandardError(LogArea area, std::string_view line) {
  std::fprintf(stderr, "gridora.%s: %.*s\n", LogAreaName(area), static_cast<int>(line.size()),
               line.data());
}

// Set once at start-up; atomic so that the solver's worker threads may log.
std::atomic<LogSink> sink{&StandardError};

}  // namespace

const char* LogAreaName(LogArea area) {
  switch (area) {
    case LogArea::Files:
      return "files";
    case LogArea::Settings:
      return "settings";
    case LogArea::System:
      return "system";
  }
  return "";
}

void SetLogSink(LogSink newSink) {
  sink.store(newSink ? newSink : &StandardError);
}

void LogFailure(LogArea area, std::string_view what, const std::error_code& error) {
  std::string line(what);
  line += ": ";
  line += error.message();
  sink.load()(area, line);
}

}  // namespace gridora
