// SPDX-License-Identifier: MIT
#include "aids/contrast.h"

#include <algorithm>
#include <cmath>

namespace gridora {

namespace {

double Linear(int component) {
  const double c = component / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Color color) {
  return 0.2126 * Linear(RedOf(color)) + 0.7152 * Linear(GreenOf(color)) +
         0.0722 * Linear(BlueOf(color));
}

double ContrastRatio(Color a, Color b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

DigitLook HighContrastDigit(DigitKind kind) {
  switch (kind) {
    case DigitKind::Solver:
      return {Rgb(255, 255, 0), false, false};
    case DigitKind::Player:
      return {kHighContrastPlayer, false, true};
    case DigitKind::Given:
    case DigitKind::Empty:
      break;
  }
  return {Rgb(255, 255, 255), true, false};
}

Color HighContrastGround(CellGround ground) {
  switch (ground) {
    case CellGround::Highlighted:
      return Rgb(0, 0, 120);
    case CellGround::HintFocus:
      return Rgb(0, 50, 0);
    case CellGround::HintSupport:
      return Rgb(50, 0, 50);
    case CellGround::Plain:
      break;
  }
  return Rgb(0, 0, 0);
}

}  // namespace gridora
