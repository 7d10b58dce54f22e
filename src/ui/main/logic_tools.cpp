// SPDX-License-Identifier: MIT
#include "ui/main/logic_tools.h"

#include <QDialog>
#include <QFont>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/board.h"
#include "logic/describe.h"
#include "logic/logic_engine.h"

namespace gridora::ui {

namespace {

std::string Tenths(int rating) {
  return std::to_string(rating / 10) + "." + std::to_string(rating % 10);
}

logic::Digits DigitsOf(const AppState& state) {
  logic::Digits digits{};
  for (int c = 0; c < state.CellCount(); ++c) {
    digits[static_cast<std::size_t>(c)] =
        static_cast<std::uint8_t>(DigitOf(state.Board[static_cast<std::size_t>(c)]));
  }
  return digits;
}

// The verdict on a board the engine cannot rate; empty when it can.
std::string Unratable(const AppState& state) {
  const Hint plain = NextHint(state);
  if (plain.kind == Hint::Kind::Contradiction) return "盤面が矛盾しているので評価できません";
  return {};
}

}  // namespace

Hint LogicTools::HintOrApply(App app, bool sameBoard) {
  Hint out;
  if (sameBoard && stepShown_ && shown_.step) {
    stepShown_ = false;
    for (const logic::Candidate& p : hints_.Apply(shown_)) {
      SetCell(app, p.cell, MakeCode(p.digit, kClassBlack));
      out.focus.push_back(p.cell);
    }
    out.kind = Hint::Kind::Single;
    out.text = "ヒント：" + std::string(logic::TechniqueName(shown_.step->technique)) +
               "の手順を進めました";
    return out;
  }
  shown_ = hints_.Next(app.state);
  stepShown_ = shown_.kind == LogicHint::Kind::Step;
  out.text = shown_.text;
  out.focus = shown_.focus;
  out.support = shown_.support;
  switch (shown_.kind) {
    case LogicHint::Kind::Step:
      out.kind = Hint::Kind::Single;
      if (!shown_.step->placements.empty()) {
        out.cell = shown_.step->placements.front().cell;
        out.digit = shown_.step->placements.front().digit;
      }
      break;
    case LogicHint::Kind::Wrong:
    case LogicHint::Kind::Contradiction:
      out.kind = Hint::Kind::Contradiction;
      break;
    case LogicHint::Kind::Complete:
      out.kind = Hint::Kind::Complete;
      break;
    case LogicHint::Kind::Stuck:
      out.kind = Hint::Kind::NeedsHypothesis;
      break;
  }
  return out;
}

void LogicTools::AddMarks(BoardMarks& marks) const {
  if (!stepShown_ || !shown_.step) return;
  for (const logic::Candidate& c : shown_.pattern) marks.hintPattern.push_back({c.cell, c.digit});
  for (const logic::Candidate& c : shown_.removals) marks.hintRemovals.push_back({c.cell, c.digit});
  for (const auto& chain : shown_.step->chains) {
    for (const logic::ChainLink& link : chain) {
      marks.hintLinks.push_back(
          {{link.from.cell, link.from.digit}, {link.to.cell, link.to.digit}, link.on});
    }
  }
}

void LogicTools::FilterCandidates(CandidateMasks& candidates, const BoardCodes& board,
                                  int boardSize) {
  for (int c = 0; c < boardSize * boardSize; ++c) {
    candidates[static_cast<std::size_t>(c)] &=
        static_cast<CandMask>(~hints_.Removed(board, boardSize, c));
  }
}

std::string LogicTools::RatingText(const AppState& state) {
  if (std::string verdict = Unratable(state); !verdict.empty()) return verdict;
  const logic::Path path = logic::SolvePath(state.BoardSize, DigitsOf(state));
  if (path.steps.empty() && !path.solved) return "この盤面からは論理で進める手順がありません";
  if (!path.hardest) return "すべてのマスが埋まっています";
  std::string text = "難易度 ER " + Tenths(path.er) + " (EP " + Tenths(path.ep) + ", ED " +
                     Tenths(path.ed) + ")\n" + "最も難しい手順：" +
                     std::string(logic::TechniqueName(*path.hardest)) + "\n" + "手順の数：" +
                     std::to_string(path.steps.size());
  if (!path.solved) text += "\nこの先は論理だけでは解けないので、ER はこれより上です";
  return text;
}

std::string LogicTools::PathText(const AppState& state) {
  std::string text = RatingText(state);
  const logic::Path path = logic::SolvePath(state.BoardSize, DigitsOf(state));
  std::size_t k = 0;
  for (const logic::Step& step : path.steps) {
    text += "\n" + std::to_string(++k) + ". [" + Tenths(step.rating) + "] " +
            logic::Describe(step, state.BoardSize, [&](int d) { return CharacterOf(state, d); });
  }
  return text;
}

void LogicTools::ShowPath(QWidget* parent, const std::string& text) {
  if (!pathWindow_) {
    pathWindow_ = new QDialog(parent);
    pathWindow_->setObjectName(QStringLiteral("solvingPath"));
    pathWindow_->setWindowTitle(QString::fromUtf8("解き方"));
    pathWindow_->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(pathWindow_);
    auto* view = new QPlainTextEdit(pathWindow_);
    view->setObjectName(QStringLiteral("solvingPathText"));
    view->setReadOnly(true);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(view);
    pathWindow_->resize(640, 480);
  }
  pathWindow_->findChild<QPlainTextEdit*>()->setPlainText(QString::fromStdString(text));
  pathWindow_->show();
  pathWindow_->raise();
  pathWindow_->activateWindow();
}

}  // namespace gridora::ui
