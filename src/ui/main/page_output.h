// SPDX-License-Identifier: MIT
#pragma once
// The window's printed pages: "問題を印刷" (the puzzle on the board as a
// clean page) and "問題集を作る" (a puzzle book). Asks what to print, builds
// the pages with the book layer and sends them to the printer (Qt's print
// dialog), the print preview or a PDF file. The book's puzzles are made on
// a worker thread under a progress dialog that can cancel them; the window
// stays usable meanwhile.
//
//   PageOutput pages(window, [&](QDialog& d) { return window.RunDialog(d); });
//   pages.MakeBook();

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "book/puzzle_book.h"
#include "core/app_state.h"
#include "ui/dialogs/page_dialogs.h"

class QDialog;
class QPrinter;
class QWidget;

namespace gridora::ui {

class PageOutput : public QObject {
 public:
  using DialogRunner = std::function<int(QDialog&)>;
  PageOutput(QWidget& window, DialogRunner runDialog);
  ~PageOutput() override;

  // The puzzle of `state`. `givens` marks the puzzle's givens when a game
  // says which they are; without it every black digit is a given.
  void PrintPuzzle(const AppState& state, const std::array<bool, kMaxCells>* givens = nullptr);
  // Asks for a book, makes its puzzles in the background, then prints it.
  void MakeBook();
  // True while a book's puzzles are being made.
  bool Busy() const { return static_cast<bool>(job_); }

  // --- Replaceable steps, so that tests need neither a file dialog nor a printer.
  // Asks where to save a PDF ("" cancels); `suggested` is a file name.
  using PathAsker = std::function<QString(const QString& suggested)>;
  void SetPdfPathAsker(PathAsker asker) { askPath_ = std::move(asker); }
  // Shows a message in a box (QMessageBox unless replaced).
  using Informer = std::function<void(const QString& text, const QString& title)>;
  void SetInformer(Informer informer) { inform_ = std::move(informer); }
  // Called when a book's pages have gone where they were sent (or failed).
  void SetBookDoneHook(std::function<void()> hook) { bookDone_ = std::move(hook); }
  QProgressDialog* Progress() const { return progress_; }

 private:
  using Builder = std::function<book::Document(const book::Paper&)>;
  struct Job;
  // Sends the pages `build` makes for a paper where `destination` says.
  void Output(PageDestination destination, const Builder& build, const QString& name);
  void FinishBook();

  QWidget& window_;
  DialogRunner runDialog_;
  PathAsker askPath_;
  Informer inform_;
  std::function<void()> bookDone_;
  std::unique_ptr<Job> job_;
  QPointer<QProgressDialog> progress_;
};

}  // namespace gridora::ui
