// SPDX-License-Identifier: MIT
#include "play/player_colour.h"

#include <algorithm>
#include <cstdlib>

namespace gridora::play {

namespace {

// Distance of two colours as the eye weighs their components, roughly.
int Distance(Color a, Color b) {
  const int r = RedOf(a) - RedOf(b), g = GreenOf(a) - GreenOf(b), bl = BlueOf(a) - BlueOf(b);
  return 3 * std::abs(r) + 4 * std::abs(g) + 2 * std::abs(bl);
}

constexpr std::array<Color, 4> kChoices{Rgb(0, 70, 210), Rgb(150, 30, 170), Rgb(170, 70, 0),
                                        Rgb(0, 120, 140)};
constexpr int kApart = 300;

}  // namespace

Color PlayerDigitColor(const std::array<Color, 3>& soft) {
  Color best = kChoices[0];
  int bestGap = -1;
  for (Color choice : kChoices) {
    int gap = Distance(choice, soft[0]);
    for (Color c : soft) gap = std::min(gap, Distance(choice, c));
    if (gap >= kApart) return choice;
    if (gap > bestGap) {
      bestGap = gap;
      best = choice;
    }
  }
  return best;
}

Color PlayerNoteColor(const std::array<Color, 3>& soft) {
  const Color c = PlayerDigitColor(soft);
  const auto lift = [](int v) { return v + (255 - v) / 5; };
  return Rgb(lift(RedOf(c)), lift(GreenOf(c)), lift(BlueOf(c)));
}

}  // namespace gridora::play
