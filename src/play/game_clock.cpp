// SPDX-License-Identifier: MIT
#include "play/game_clock.h"

#include <algorithm>
#include <cstdio>

namespace gridora::play {

void GameClock::Run(std::int64_t now) {
  if (running_) return;
  running_ = true;
  since_ = now;
}

void GameClock::Pause(std::int64_t now) {
  if (!running_) return;
  counted_ += std::max<std::int64_t>(0, now - since_);
  running_ = false;
}

std::int64_t GameClock::Elapsed(std::int64_t now) const {
  return running_ ? counted_ + std::max<std::int64_t>(0, now - since_) : counted_;
}

void GameClock::Reset(std::int64_t elapsed) {
  counted_ = std::max<std::int64_t>(0, elapsed);
  running_ = false;
}

std::string ClockText(std::int64_t milliseconds) {
  const std::int64_t seconds = std::max<std::int64_t>(0, milliseconds) / 1000;
  const long long h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
  char text[32];
  if (h > 0) {
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", h, m, s);
  } else {
    std::snprintf(text, sizeof text, "%lld:%02lld", m, s);
  }
  return text;
}

}  // namespace gridora::play
