// SPDX-License-Identifier: MIT
#pragma once
// A search on a worker thread that the user can stop. While it runs the
// event loop keeps going (the window repaints); Esc stops it at once, and
// after half a second a progress note appears over the window whose
// button stops it too. The work receives the flag to read: the complete
// search takes it in its SearchLimits.
//
//   SearchWait wait(window, "解を探しています...", "完全に解く");
//   const Outcome outcome = wait.Run([](const std::atomic<bool>& cancel) { ... });
//   if (wait.Cancelled()) { ... }

#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>

class QProgressDialog;
class QWidget;

namespace gridora::ui {

class SearchWait : public QObject {
 public:
  // The note appears this long after the work starts.
  static constexpr int kNoteDelayMs = 500;

  SearchWait(QWidget* window, const QString& text, const QString& title);
  ~SearchWait() override;

  // Runs work(cancel) on a worker thread and returns what it returns.
  template <typename Work>
  auto Run(Work work) {
    auto result = std::async(std::launch::async, [this, &work] { return work(cancel_); });
    Wait([&result] {
      return result.wait_for(std::chrono::milliseconds(10)) == std::future_status::ready;
    });
    return result.get();
  }

  bool Cancelled() const { return cancel_.load(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Wait(const std::function<bool()>& done);
  void ShowNote();

  QWidget* window_;
  QString text_, title_;
  std::unique_ptr<QProgressDialog> note_;
  std::atomic<bool> cancel_{false};
};

}  // namespace gridora::ui
