// SPDX-License-Identifier: MIT
#include "rate_cli.h"

#include "logic/describe.h"
#include "logic/logic_engine.h"

namespace gridora {

namespace {

std::string Tenths(int rating) {
  return std::to_string(rating / 10) + "." + std::to_string(rating % 10);
}

char DigitChar(int d) {
  return d == 0 ? '.' : d <= 9 ? static_cast<char>('0' + d) : static_cast<char>('A' + d - 10);
}

// The text between quotes of a JSON string.
std::string JsonText(std::string_view text) {
  std::string out;
  for (char ch : text) {
    if (ch == '"' || ch == '\\') out += '\\';
    out += ch;
  }
  return out;
}

}  // namespace

std::string RateReport(const PuzzleLine& puzzle, bool json, bool steps) {
  const int n = puzzle.boardSize;
  logic::Digits digits{};
  std::string text;
  for (int c = 0; c < n * n; ++c) {
    digits[static_cast<std::size_t>(c)] =
        static_cast<std::uint8_t>(DigitOf(puzzle.board[static_cast<std::size_t>(c)]));
    text += DigitChar(digits[static_cast<std::size_t>(c)]);
  }
  const logic::Path path = logic::SolvePath(n, digits);
  const std::string key = path.hardest ? std::string(logic::TechniqueKey(*path.hardest)) : "none";
  const std::string name = path.hardest ? std::string(logic::TechniqueName(*path.hardest)) : "";
  std::string out;
  if (json) {
    out = "{\"puzzle\":\"" + text + "\",\"rating\":" + Tenths(path.er) +
          ",\"pearl\":" + Tenths(path.ep) + ",\"diamond\":" + Tenths(path.ed) +
          ",\"technique\":\"" + key + "\",\"name\":\"" + JsonText(name) +
          "\",\"steps\":" + std::to_string(path.steps.size()) +
          ",\"solved\":" + (path.solved ? "true" : "false");
    if (steps) {
      out += ",\"path\":[";
      for (std::size_t k = 0; k < path.steps.size(); ++k) {
        const logic::Step& s = path.steps[k];
        if (k > 0) out += ',';
        out += "{\"rating\":" + Tenths(s.rating) + ",\"technique\":\"" +
               std::string(logic::TechniqueKey(s.technique)) + "\",\"text\":\"" +
               JsonText(logic::Describe(s, n, nullptr)) + "\"}";
      }
      out += ']';
    }
    out += '}';
    return out;
  }
  out = text + ' ' + Tenths(path.er) + (path.solved ? "" : "+") + '/' + Tenths(path.ep) + '/' +
        Tenths(path.ed) + ' ' + key + ", " + std::to_string(path.steps.size()) + " steps";
  if (steps) {
    for (std::size_t k = 0; k < path.steps.size(); ++k) {
      const logic::Step& s = path.steps[k];
      out += "\n  " + std::to_string(k + 1) + ". " + Tenths(s.rating) + ' ' +
             std::string(logic::TechniqueKey(s.technique)) + ": " + logic::Describe(s, n, nullptr);
    }
  }
  return out;
}

}  // namespace gridora
