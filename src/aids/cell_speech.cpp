// SPDX-License-Identifier: MIT
#include "aids/cell_speech.h"

namespace gridora {

DigitKind DigitKindOf(CellCode code, const GivenFlags* givens, int cell) {
  if (DigitOf(code) == 0) return DigitKind::Empty;
  if (ClassOf(code) != kClassBlack) return DigitKind::Solver;
  if (givens == nullptr || cell < 0 || cell >= kMaxCells) return DigitKind::Given;
  return (*givens)[static_cast<std::size_t>(cell)] ? DigitKind::Given : DigitKind::Player;
}

const char* DigitKindWords(DigitKind kind) {
  switch (kind) {
    case DigitKind::Given:
      return "問題の数字";
    case DigitKind::Solver:
      return "解答の数字";
    case DigitKind::Player:
      return "入力した数字";
    case DigitKind::Empty:
      break;
  }
  return "空き";
}

std::string CellName(int boardSize, int cell, const std::string& digitText, DigitKind kind) {
  const int n = boardSize > 0 ? boardSize : 9;
  std::string name = std::to_string(cell / n + 1) + "行" + std::to_string(cell % n + 1) + "列 ";
  if (kind != DigitKind::Empty) name += digitText + " ";
  return name + DigitKindWords(kind);
}

namespace {

void AddPart(std::string& text, const char* heading, const std::vector<std::string>& digits) {
  if (digits.empty()) return;
  if (!text.empty()) text += " ";
  text += heading;
  for (std::size_t i = 0; i < digits.size(); ++i) text += (i == 0 ? "" : " ") + digits[i];
}

}  // namespace

std::string CellDescription(const std::vector<std::string>& notes,
                            const std::vector<std::string>& candidates) {
  std::string text;
  AddPart(text, "メモ：", notes);
  AddPart(text, "候補：", candidates);
  return text;
}

}  // namespace gridora
