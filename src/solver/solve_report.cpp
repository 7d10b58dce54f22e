// SPDX-License-Identifier: MIT
#include "solver/solve_report.h"

#include "core/board.h"
#include "core/startup.h"
#include "solver/run_solver.h"
#include "solver/solver_tables.h"

namespace gridora {

namespace {

void AppendJsonString(std::string& out, const std::string& text) {
  out += '"';
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (byte < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += ch;
    }
  }
  out += '"';
}

void AppendCodes(std::string& out, const BoardCodes& codes, int cells) {
  out += '[';
  for (int i = 0; i < cells; ++i) {
    if (i > 0) out += ',';
    out += std::to_string(codes[static_cast<std::size_t>(i)]);
  }
  out += ']';
}

int EnabledAnswers(const RecordingScreen& screen) {
  int enabled = 0;
  for (int n = 1; n <= kSlotCount; ++n) {
    if (screen.answerMenu[static_cast<std::size_t>(n)]) ++enabled;
  }
  return enabled;
}

char CellChar(int code) {
  const int digit = DigitOf(code);
  if (digit == 0) return '.';
  if (digit <= 9) return static_cast<char>('0' + digit);
  if (digit <= 16) return static_cast<char>('A' + digit - 10);
  return '?';
}

}  // namespace

void SolveFresh(SolveRecord& record, int boardSize, const BoardCodes& board,
                const SolverOptions& options) {
  AppState& state = record.state;
  state = AppState{};
  record.screen = RecordingScreen{};
  App app{state, record.screen};
  InitTables(state);
  InitSolverTables(state);
  ApplyDefaultSettings(app);
  if (boardSize == 16) {
    NewPuzzle16(app);
  } else {
    NewPuzzle9(app);
  }
  if (options.max9) state.settings.KateiMax9 = *options.max9;
  if (options.max16) state.settings.KateiMax16 = *options.max16;
  if (options.mode) state.settings.KateiMode = *options.mode;
  if (options.noAlternatives) state.settings.AAnswerCheak = false;
  if (options.showLevel) state.settings.LPrintMode = true;
  state.Board = board;
  RedrawBoard(app);
  record.outcome = RunSolver(app);
}

std::string ReportJson(const SolveRecord& record) {
  const int cells = record.state.CellCount();
  std::string out = "{\"message\":";
  AppendJsonString(out, record.screen.informText);
  out += ",\"board\":";
  AppendCodes(out, record.state.Board, cells);
  out += ",\"solutions\":" + std::to_string(record.outcome.solutionCount);
  out += ",\"answers\":[";
  const int stored = record.outcome.storedAnswers();
  for (int n = 1; n <= stored; ++n) {
    if (n > 1) out += ',';
    AppendCodes(out, record.state.AnswerSlot[static_cast<std::size_t>(n)], cells);
  }
  out += "],\"enabled_answers\":" + std::to_string(EnabledAnswers(record.screen)) + "}";
  return out;
}

std::string ReportText(const SolveRecord& record) {
  const int size = record.state.BoardSize;
  std::string out = record.screen.informText + "\n";
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      if (column > 0) out += ' ';
      out += CellChar(record.state.Board[static_cast<std::size_t>(row * size + column)]);
    }
    out += '\n';
  }
  return out;
}

OutcomeGroup GroupOf(const SolveOutcome& outcome) {
  if (outcome.tooMany()) return OutcomeGroup::TooMany;
  if (outcome.solutionCount > 1) return OutcomeGroup::Several;
  if (outcome.solutionCount == 1) return OutcomeGroup::OneSolution;
  return outcome.state == SolveState::Contradiction ? OutcomeGroup::Contradiction
                                                    : OutcomeGroup::NotSolved;
}

}  // namespace gridora
