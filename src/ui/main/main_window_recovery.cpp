// SPDX-License-Identifier: MIT
// The recovery copy of the puzzle: written shortly after each change while
// the puzzle has unsaved changes, offered back at the next start when the
// program did not end cleanly.

#include <sys/socket.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "core/log.h"
#include "core/puzzle_file.h"
#include "system/recovery.h"
#include "ui/main/main_window.h"
#include "ui/main/play_mode.h"
#include "ui/main/start_up.h"

namespace gridora::ui {

namespace {

// Changes that come closer together than this (a held mouse button) are
// written once.
constexpr int kRecoveryGapMs = 300;

constexpr const char* kRecoveryQuestion = "前回保存されなかった問題があります。復元しますか？";
constexpr const char* kRecoveryTitle = "復元";

// The signal handler's end of a socket pair; the event loop reads the
// other end, so the work happens outside the handler.
int signalWriteEnd = -1;

extern "C" void ForwardSignal(int signal) {
  const int saved = errno;
  const auto byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
  errno = saved;
}

}  // namespace

void MainWindow::StartRecovery(const RecoveryFiles& files) {
  recovery_.reset();
  auto keeper = std::make_unique<RecoveryKeeper>(files);
  if (!keeper->Claim()) return;
  recovery_ = std::move(keeper);
  play_->SetRecoveryCopy(files.copy);
  if (recoveryTimer_ == nullptr) {
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setSingleShot(true);
    recoveryTimer_->setInterval(kRecoveryGapMs);
    connect(recoveryTimer_, &QTimer::timeout, this, [this] { UpdateRecoveryCopy(); });
  }

  std::optional<RecoveredPuzzle> left = recovery_->Pending();
  if (!left) {
    UpdateRecoveryCopy();
    return;
  }
  App a = app();
  if (ShowMessage(kRecoveryQuestion, kRecoveryTitle, MessageButtons::YesNo,
                  MessageIcon::Question) == MessageAnswer::Yes) {
    ApplyPuzzleFile(a, left->puzzle, left->fileName);
    state_.DataChanged = !left->sameAsFile;  // still not saved, unless only a game was
    play_->ResumeKept(files.copy);           // the game that went with the copy
  } else {
    recovery_->Discard();
  }
  UpdateRecoveryCopy();
}

void MainWindow::ScheduleRecoveryUpdate() {
  if (recoveryTimer_ != nullptr && !recoveryTimer_->isActive()) recoveryTimer_->start();
}

void MainWindow::UpdateRecoveryCopy() {
  if (!recovery_) return;
  if (recoveryTimer_->isActive()) recoveryTimer_->stop();
  // A game in play keeps the copy, until the user quits.
  if (const WriteStatus written = recovery_->Update(state_, play_->InPlay() && !quitting_);
      !written)
    LogFailure(LogArea::Files, "cannot keep the recovery copy", written.error());
}

void MainWindow::PrepareSessionEnd() {
  UpdateRecoveryCopy();
  play_->KeepGame();
  SaveSettingsOrLog();
}

void EndWithSession(MainWindow& window) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) {
    LogFailure(LogArea::System, "cannot watch for the end of the session",
               std::error_code(errno, std::generic_category()));
    return;
  }
  signalWriteEnd = ends[0];
  auto* notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, fd = ends[1]] {
    unsigned char sig = 0;
    if (::read(fd, &sig, 1) != 1) return;
    window.PrepareSessionEnd();
    std::fflush(nullptr);
    // Ended by the signal, as the one who sent it expects.
    std::signal(sig, SIG_DFL);
    std::raise(sig);
    std::_Exit(128 + sig);
  });
  struct sigaction action {};
  action.sa_handler = ForwardSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int sig : {SIGTERM, SIGHUP}) ::sigaction(sig, &action, nullptr);

  // The session manager asks before a logout; the program saves and goes.
  QObject::connect(
      qApp, &QGuiApplication::commitDataRequest, &window,
      [&window](QSessionManager&) {
        window.PrepareSessionEnd();
        QTimer::singleShot(0, [] {
          std::fflush(nullptr);
          std::_Exit(0);
        });
      },
      Qt::DirectConnection);
}

}  // namespace gridora::ui
