// SPDX-License-Identifier: MIT
#pragma once
// GameClock: the play time of a game, as arithmetic on the times it is
// given (milliseconds of a steady clock), so that it runs the same in a
// test as on the screen.
//
//   GameClock clock;
//   clock.Run(now);              // the game starts or the window comes back
//   clock.Pause(now + 5000);     // minimised: 5 s counted
//   clock.Elapsed(later);        // 5000 while paused

#include <cstdint>
#include <string>

namespace gridora::play {

class GameClock {
 public:
  // Starts counting at `now`; nothing happens while it runs already.
  void Run(std::int64_t now);
  // Stops counting at `now`, keeping the time counted so far.
  void Pause(std::int64_t now);
  bool Running() const { return running_; }
  // The time counted up to `now`, in milliseconds.
  std::int64_t Elapsed(std::int64_t now) const;
  // Sets the time counted (a kept game) and leaves the clock paused.
  void Reset(std::int64_t elapsed = 0);

 private:
  std::int64_t counted_ = 0;
  std::int64_t since_ = 0;
  bool running_ = false;
};

// The time as the clock shows it: "m:ss" under an hour, "h:mm:ss" above.
std::string ClockText(std::int64_t milliseconds);

}  // namespace gridora::play
