// SPDX-License-Identifier: MIT
#include "ui/main/search_wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProgressDialog>
#include <QWidget>

namespace gridora::ui {

SearchWait::SearchWait(QWidget* window, const QString& text, const QString& title)
    : window_(window), text_(text), title_(title) {}

SearchWait::~SearchWait() = default;

void SearchWait::Wait(const std::function<bool()>& done) {
  // Esc reaches no widget of a locked window: it is caught for the whole
  // program while the work runs.
  QCoreApplication::instance()->installEventFilter(this);
  QElapsedTimer clock;
  clock.start();
  // At least one pass, so that the window repaints in its locked state
  // even when the work is quick.
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!note_ && !cancel_ && clock.elapsed() >= kNoteDelayMs) ShowNote();
  } while (!done());
  QCoreApplication::instance()->removeEventFilter(this);
  note_.reset();
}

// The note is a window of its own: as a child of the locked main window it
// would be locked too.
void SearchWait::ShowNote() {
  note_ = std::make_unique<QProgressDialog>(text_, QStringLiteral("中止"), 0, 0);
  note_->setObjectName(QStringLiteral("frmSearchWait"));
  note_->setWindowTitle(title_);
  note_->setAutoClose(false);
  note_->setAutoReset(false);
  note_->setMinimumDuration(0);
  connect(note_.get(), &QProgressDialog::canceled, this, [this] { cancel_ = true; });
  note_->adjustSize();
  if (window_ != nullptr) {
    note_->move(window_->frameGeometry().center() - note_->rect().center());
  }
  note_->show();
}

bool SearchWait::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    cancel_ = true;
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace gridora::ui
