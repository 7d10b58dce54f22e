// SPDX-License-Identifier: MIT
// The puzzle stock seen from the window (offscreen): how long 問題を作る takes
// from the dialog's OK to the puzzle on the board, with a warm stock and
// with none; and the CPU time the stock's worker takes while the window
// idles. Measures and prints; asserts nothing.
//
//   gridora_stock_bench [--runs N] [--size 9|16]    the time table (both sizes
//                                                  unless one is named)
//   gridora_stock_bench --idle SECONDS              the idle window's CPU
//
// Every run uses folders of its own (settings, state, cache); nothing of
// the user's is read or written.

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "engine/puzzle_stock.h"
#include "ui/dialogs/generate_dialog.h"
#include "ui/main/start_up.h"

namespace {

using namespace gridora;

constexpr engine::Grade kGrades[] = {engine::Grade::Easy, engine::Grade::Standard,
                                     engine::Grade::Hard, engine::Grade::Expert};

std::string LoadAverage() {
  std::ifstream in("/proc/loadavg");
  std::string one, five, fifteen;
  in >> one >> five >> fifteen;
  return one + " " + five + " " + fifteen;
}

double ProcessCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The window, started as the program starts it, with its modal steps
// answered here: the generate dialog takes `key` and starts the clock at OK.
class Bench {
 public:
  Bench() {
    setenv("XDG_CONFIG_HOME", folders_.path().toLocal8Bit().constData(), 1);
    setenv("XDG_STATE_HOME", (folders_.path() + "/state").toLocal8Bit().constData(), 1);
    window_ = ui::StartMain(state_, {}, [this](ui::MainWindow& w) {
      w.SetMessageAnswerer([](const std::string&, const std::string&, MessageButtons, MessageIcon) {
        return MessageAnswer::No;
      });
      w.SetDialogRunner([this](QDialog& dialog) {
        auto* generate = dynamic_cast<ui::GenerateDialog*>(&dialog);
        if (generate == nullptr) {
          dialog.reject();
          return;
        }
        generate->GradeBox()->setCurrentIndex(static_cast<int>(key_.grade));
        generate->SymmetricBox()->setChecked(key_.symmetry == engine::Symmetry::Rotate180);
        clock_.start();
        generate->OkButton()->click();
      });
    });
  }

  std::string CacheFolder() const { return (folders_.path() + "/cache").toStdString(); }
  ui::MainWindow& Window() { return *window_; }

  // 問題を作る for `key`: milliseconds from OK to the board drawn.
  double Make(const engine::StockKey& key) {
    key_ = key;
    window_
        ->findChild<QAction*>(
            QString::fromLatin1(key.boardSize == 16 ? "mnuToolsNew16" : "mnuToolsNew9"))
        ->trigger();
    QCoreApplication::processEvents();
    return static_cast<double>(clock_.nsecsElapsed()) / 1e6;
  }

 private:
  QTemporaryDir folders_;
  AppState state_;
  std::unique_ptr<ui::MainWindow> window_;
  engine::StockKey key_;
  QElapsedTimer clock_;
};

std::string Figures(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  char text[64];
  std::snprintf(text, sizeof text, "%.1f | %.1f", ms[ms.size() / 2], ms.back());
  return text;
}

void TimeTable(int runs, const std::vector<int>& sizes) {
  std::printf("load average before: %s\n\n", LoadAverage().c_str());
  std::printf(
      "| size | grade | warm stock, median ms | worst ms | empty stock, median ms | worst ms "
      "|\n|---|---|---:|---:|---:|---:|\n");
  Bench bench;
  for (const int size : sizes) {
    for (const engine::Grade grade : kGrades) {
      const engine::StockKey key{size, grade, engine::Symmetry::Rotate180};
      std::vector<double> warm, empty;
      bench.Window().StartPuzzleStock(bench.CacheFolder());
      engine::PuzzleStock filler(bench.CacheFolder(), 1, {key});
      for (int i = 0; i < runs; ++i) {
        filler.RefillOne();  // untimed: one puzzle of the key in stock
        warm.push_back(bench.Make(key));
        bench.Window().Stock()->Stop();  // its worker is not part of the figure
      }
      bench.Window().StartPuzzleStock("");  // no stock: made while the user waits
      for (int i = 0; i < runs; ++i) empty.push_back(bench.Make(key));
      std::printf("| %d | %s | %s | %s |\n", size, std::string(engine::GradeName(grade)).c_str(),
                  Figures(warm).c_str(), Figures(empty).c_str());
      std::fflush(stdout);
    }
  }
  std::printf("\nload average after: %s\n", LoadAverage().c_str());
}

// Waits `seconds` with the event loop running, as an idle window does.
void Idle(int seconds) {
  QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
}

void IdleCpu(int seconds) {
  Bench bench;
  bench.Window().StartPuzzleStock(bench.CacheFolder());
  std::printf("load average before: %s\n", LoadAverage().c_str());
  // The first 問題を作る of a session starts the worker; the stock is empty.
  bench.Make({9, engine::Grade::Standard, engine::Symmetry::Rotate180});
  engine::PuzzleStock& stock = *bench.Window().Stock();
  const double process = ProcessCpuSeconds();
  Idle(seconds);
  const double filled = stock.WorkerCpuSeconds();
  std::printf("%d s idle from an empty stock: worker %.2f s CPU, whole process %.2f s\n", seconds,
              filled, ProcessCpuSeconds() - process);
  int total = 0;
  for (const engine::StockKey& key : engine::StockKeys()) total += stock.Count(key);
  std::printf("puzzles in stock: %d of %zu\n", total,
              engine::StockKeys().size() * engine::PuzzleStock::kDefaultPerKey);
  const double before = ProcessCpuSeconds();
  Idle(seconds);
  std::printf("%d s more idle with that stock: worker %.3f s CPU, whole process %.3f s\n", seconds,
              stock.WorkerCpuSeconds() - filled, ProcessCpuSeconds() - before);
  std::printf("load average after: %s\n", LoadAverage().c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each line as it comes, also into a file
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  int runs = 100;
  int idle = 0;
  std::vector<int> sizes{9, 16};
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--runs") {
      runs = std::max(1, std::atoi(argv[i + 1]));
    } else if (arg == "--idle") {
      idle = std::atoi(argv[i + 1]);
    } else if (arg == "--size") {
      sizes = {std::atoi(argv[i + 1]) == 16 ? 16 : 9};
    }
  }
  if (idle > 0) {
    IdleCpu(idle);
  } else {
    TimeTable(runs, sizes);
  }
  return 0;
}
