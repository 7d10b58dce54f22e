// SPDX-License-Identifier: MIT
// The "ツール" menu: puzzles made by the generator, the complete search's
// solutions and the solution count. Searches and generation run on a worker
// thread while the window shows the wait cursor and keeps painting; the
// searches can be stopped (SearchWait).

#include <QCoreApplication>
#include <chrono>
#include <future>
#include <random>
#include <thread>

#include "core/file_commands.h"
#include "engine/engine_commands.h"
#include "engine/puzzle_stock.h"
#include "engine/texts.h"
#include "ui/dialogs/generate_dialog.h"
#include "ui/main/main_window.h"
#include "ui/main/search_wait.h"

namespace gridora::ui {

namespace {

// Runs `work` on a worker thread; meanwhile the window is locked as during
// a solve and the event loop keeps running. Returns what the work returned.
template <typename Work>
auto WhileWaiting(MainWindow& window, Work work) {
  window.SetSolving(true);
  auto result = std::async(std::launch::async, std::move(work));
  // At least one pass, so that the window repaints in its locked state
  // even when the work is quick.
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  } while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready);
  window.SetSolving(false);
  return result.get();
}

}  // namespace

void MainWindow::ConnectEngineTools() {
  QMenu* tools = ToolsMenu();
  tools->addSeparator()->setObjectName(QStringLiteral("mnuToolsDumy3"));
  const auto add = [&](const char* text, const char* name, Command command) {
    QAction* action = tools->addAction(QString::fromUtf8(text));
    action->setObjectName(QString::fromLatin1(name));
    BindCommand(action, command);
  };
  add("問題を作る-9...(&N)", "mnuToolsNew9", {CommandId::GeneratePuzzle, 9});
  add("問題を作る-16...(&M)", "mnuToolsNew16", {CommandId::GeneratePuzzle, 16});
  tools->addSeparator()->setObjectName(QStringLiteral("mnuToolsDumy4"));
  add("完全に解く(&S)", "mnuToolsFullSolve", {CommandId::FullSolve});
  add("解の数を調べる(&U)", "mnuToolsCount", {CommandId::CountSolutions});
  tools->addSeparator()->setObjectName(QStringLiteral("mnuToolsDumyLogic"));
  add("難易度を評価(&V)", "mnuToolsRate", {CommandId::RatePuzzle});
  add("解き方を表示(&W)...", "mnuToolsPath", {CommandId::SolvingPath});
}

void MainWindow::GeneratePuzzle(int boardSize) {
  GenerateDialog dialog(boardSize, windowIcon(), this);
  if (RunDialog(dialog) != QDialog::Accepted) return;
  App a = app();
  if (!ConfirmSaveChanges(a)) return;
  engine::GenerateOptions options;
  options.boardSize = boardSize;
  options.grade = dialog.grade();
  options.symmetry = dialog.symmetric() ? engine::Symmetry::Rotate180 : engine::Symmetry::None;
  std::random_device device;
  options.seed = (static_cast<std::uint64_t>(device()) << 32) ^ device();
  options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  ShowStatus("問題を作っています...");
  std::optional<engine::Generated> stocked;
  if (stock_) stocked = stock_->Take({boardSize, *options.grade, options.symmetry});
  const engine::Generated made =
      stocked ? *stocked : WhileWaiting(*this, [options] { return engine::Generate(options); });
  if (stock_) stock_->StartRefill();
  engine::PlaceGeneratedPuzzle(a, boardSize, made);
  ShowStatus("問題を作りました (難易度：" + GradeText(made.grade).toStdString() + ")");
}

void MainWindow::StartPuzzleStock(const std::string& folder) {
  stock_ = std::make_unique<engine::PuzzleStock>(folder);
}

namespace {

// Runs a search of the board on a worker thread that Esc or the progress
// note's button can stop, with the window locked meanwhile.
template <typename Search>
auto WhileSearching(MainWindow& window, const char* title, Search search) {
  SearchWait wait(&window, QStringLiteral("解を探しています..."), QString::fromUtf8(title));
  window.SetSolving(true);
  auto result = wait.Run([&search](const std::atomic<bool>& cancel) {
    engine::SearchLimits limits;
    limits.cancel = &cancel;
    return search(limits);
  });
  window.SetSolving(false);
  return result;
}

}  // namespace

void MainWindow::FullSolve() {
  const AppState copy = state_;
  const engine::FullSolveOutcome outcome =
      WhileSearching(*this, "完全に解く", [&copy](const engine::SearchLimits& limits) {
        return engine::ComputeFullSolve(copy, limits);
      });
  engine::ApplyFullSolve(app(), outcome);
}

void MainWindow::CountSolutions() {
  const AppState copy = state_;
  const std::string verdict =
      WhileSearching(*this, "解の数", [&copy](const engine::SearchLimits& limits) {
        return engine::CountSolutionsVerdict(copy, limits);
      });
  if (verdict.empty()) {
    ShowStatus(engine::kSearchCancelledText);
    return;
  }
  ShowMessage(verdict, "解の数", MessageButtons::Ok, MessageIcon::Information);
}

void MainWindow::RatePuzzle() {
  const AppState copy = state_;
  const std::string text = WhileWaiting(*this, [&copy] { return LogicTools::RatingText(copy); });
  ShowMessage(text, "難易度", MessageButtons::Ok, MessageIcon::Information);
}

void MainWindow::ShowSolvingPath() {
  const AppState copy = state_;
  const std::string text = WhileWaiting(*this, [&copy] { return LogicTools::PathText(copy); });
  logic_->ShowPath(this, text);
}

}  // namespace gridora::ui
