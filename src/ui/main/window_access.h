// SPDX-License-Identifier: MIT
#pragma once
// WindowAccess: what makes the main window usable with a screen reader and
// with low vision. It names the cells (CellVoice), the launcher's buttons and
// the information panel's labels for assistive technology, keeps the
// keyboard's cell as the focused object, raises an event for every cell
// whose name or small digits change (a game's givens, the player's digits
// and notes told apart), announces status texts, and switches
// the high-contrast look (HighContrastLook).
//
//   WindowAccess access(window, state, [&] { return FocusCell(); });
//   access.Refresh();            // after every change of the board or cursor
//   access.Announce("...");      // a new status text

#include <QAccessible>
#include <QPalette>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "aids/cell_speech.h"
#include "core/app_state.h"
#include "ui/main/board_surface.h"

class QLabel;
class QWidget;

namespace gridora {
class DesktopContrastWatch;
}

namespace gridora::ui {

class MainWindow;
class StatusAnnouncer;

class WindowAccess : public CellVoice, private QAccessible::ActivationObserver {
 public:
  // `focusCell` answers the cell the keyboard works on (-1 for none).
  WindowAccess(MainWindow& window, AppState& state, std::function<int()> focusCell);
  ~WindowAccess() override;

  // Which cells are the givens of the game on the board shown, asked anew
  // at every reading: null while no game is played, and every black digit
  // then counts as the puzzle's; in a game the other black digits are the
  // player's. (The player's notes are read from the board's marks, as they
  // are drawn.)
  void SetGivens(std::function<const GivenFlags*()> givens) { givens_ = std::move(givens); }

  // CellVoice
  QString CellName(int boardSize, int cell) const override;
  QString CellDescription(int boardSize, int cell) const override;
  int FocusCell(int boardSize) const override;

  // Raises the events for what changed on the board shown since the last
  // call: names and descriptions of cells, and the focused cell.
  void Refresh();
  // Says `text` without taking the focus.
  void Announce(const std::string& text);

  // The look the settings ask for now: HighContrast, or the desktop's switch
  // while HighContrastDesktop is on.
  bool HighContrastWanted() const;
  bool HighContrastShown() const { return highContrast_; }
  // Shows the look the settings ask for (nothing when it is shown already).
  void ApplyLook();
  // The cell's digit kind on the board shown.
  DigitKind KindOf(int cell) const;

 private:
  // Whether assistive technology listens: the events cost nothing then.
  bool Listening() const { return listening_ || QAccessible::isActive(); }
  void accessibilityActiveChanged(bool active) override;
  void SetHighContrast(bool on);
  void ShowLookOfCells();
  void SpeakChanges();

  MainWindow& window_;
  AppState& state_;
  std::function<int()> focusCell_;
  std::function<const GivenFlags*()> givens_;
  StatusAnnouncer* announcer_ = nullptr;
  std::unique_ptr<DesktopContrastWatch> desktopWatch_;
  bool desktopHighContrast_ = false;
  bool highContrast_ = false;
  bool listening_ = false;
  QPalette normalPalette_;
  std::vector<std::pair<QLabel*, QPalette>> headings_;
  // What was last said about the board shown, to send only the changes.
  int spokenSize_ = 0;
  int spokenFocus_ = -1;
  std::vector<QString> spokenNames_;
  std::vector<QString> spokenDescriptions_;
};

}  // namespace gridora::ui
