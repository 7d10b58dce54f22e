// SPDX-License-Identifier: MIT
#pragma once
// One Japanese sentence that tells a step: the pattern, what it places or
// removes, and the technique's name in brackets at the end.
//
//   Describe(step, 9, nullptr)
//   // "y =  2 の行と y =  7 の行で 4 が入るのは x =  3 の列と x =  8 の列だけなので、
//   //  ( x =  3, y =  5) から 4 を消せます（X-Wing）"

#include <functional>
#include <string>

#include "logic/step.h"

namespace gridora::logic {

// How a digit is written (the board's own characters); nullptr: decimal.
using DigitText = std::function<std::string(int)>;

std::string Describe(const Step& step, int boardSize, const DigitText& digitText);

// "y =  3 の行", "x =  5 の列", "( x =  4～ 6, y =  1～ 3) のブロック".
std::string UnitText(int unit, int boardSize);

}  // namespace gridora::logic
