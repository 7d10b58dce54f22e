// SPDX-License-Identifier: MIT
#pragma once
// The three ways of changing a cell: mouse stepping with auto-repeat (mode
// 0), the keypad cursor (mode 1) and the pop-up digit list (mode 2). Every
// change goes through SetCell as a black digit.
//
//   InputModes input(app, view, popup);
//   board->SetMouseHandler(&input);          // the cell labels report here
//   if (input.KeyDown(event)) return;        // from the window's key handler

#include <QObject>
#include <QTimer>
#include <array>
#include <string>

#include "core/app.h"
#include "ui/main/cell_label.h"

class QAction;
class QKeyEvent;
class QMenu;

namespace gridora::ui {

inline constexpr int kButtonLeft = 1;
inline constexpr int kButtonRight = 2;
inline constexpr int kButtonMiddle = 4;

// The pop-up digit list (mnuPopTop): items 1 to 16, a separator, "消す".
struct PopupList {
  QMenu* menu = nullptr;
  std::array<QAction*, 17> digits{};  // mnuPop(1 to 16); element 0 unused
  QAction* erase = nullptr;           // mnuPopDelete
};

// What the input modes need from the window.
class InputView {
 public:
  virtual ~InputView() = default;
  virtual void ShowStatus(const std::string& text) = 0;
  virtual void SetCursorBarsVisible(bool visible) = 0;
  virtual void UpdateInputMethodChecks() = 0;
  virtual void RestoreToolbar() = 0;
  // Shows `menu` modally with its top-left corner at `globalPos` and
  // returns the chosen item, or nullptr when it was closed without a choice.
  virtual QAction* ExecPopup(QMenu& menu, const QPoint& globalPos) = 0;
};

// What play mode decides about the input. Without a guard (play mode
// off), every input mode acts exactly as before.
class InputGuard {
 public:
  virtual ~InputGuard() = default;
  // True when `cell` must keep its digit (a given); the guard has told the
  // user why.
  virtual bool Refuses(int cell) = 0;
  // True when digits go into the notes now: the guard has flipped note
  // `digit` of `cell` instead.
  virtual bool TakesAsNote(int cell, int digit) = 0;
  // True when a press of `button` on `cell` opens the note list instead of
  // what the mode does (the middle button in every mode, and the left one
  // in the mouse and list modes while notes are entered); the guard has
  // shown it.
  virtual bool OpensNoteList(int cell, Qt::MouseButton button, const QPoint& globalPos) = 0;
  // The input set `cell` (after SetCell).
  virtual void Placed(int cell) = 0;
};

// The status hint of each mode, shown while the pointer moves over a cell.
std::string InputHint(InputKind inputMode);

// Auto-repeat interval in milliseconds for the speed setting 0 to 8:
// 100 x 2^(s / 4), rounded.
int RepeatInterval(int speed);

class InputModes : public QObject, public CellMouseHandler {
 public:
  InputModes(App app, InputView& view, const PopupList& popup);

  // Cell label mouse events (lblNum9_* and lblNum16_*).
  void CellMouseDown(int boardSize, int cell, Qt::MouseButton button,
                     const QPoint& globalPos) override;
  void CellMouseMove(int boardSize, int cell, Qt::MouseButtons buttons, const QPoint& pos) override;
  void CellMouseUp(int boardSize, int cell, Qt::MouseButton button) override;

  // One auto-repeat step (tmrChangeNo_Timer).
  void TimerStep();

  // The keypad (Form_KeyDown). Returns true when the key was used: only in
  // keypad mode.
  bool KeyDown(const QKeyEvent& event);

  // Switches the input mode (mnuPopInput_Click).
  void SwitchMode(InputKind mode);

  // Ends a running auto-repeat, as releasing every button does.
  void StopRepeat();

  // Play mode's say over the input; null for none.
  void SetGuard(InputGuard* guard) { guard_ = guard; }

  int HeldButtons() const { return held_; }
  int RepeatCell() const { return repeatCell_; }
  // The cell the pop-up digit list was last opened for.
  int PopupCell() const { return popupCell_; }
  int TimerInterval() const { return interval_; }

 private:
  void StopTimerOnly();  // interval 0: the held buttons stay as they are
  void ShowPopupList(int cell, const QPoint& globalPos);
  bool Legal(int cell, int digit) const;
  // SetCell, unless the guard refuses the cell or takes the digit as a
  // note. True when the cell was set.
  bool Put(int cell, int value);

  App app_;
  InputView& view_;
  PopupList popup_;
  QTimer timer_;      // tmrChangeNo
  int interval_ = 0;  // 0: stopped
  int held_ = 0;      // HeldButtons
  int repeatCell_ = 0;
  int popupCell_ = 0;
  InputGuard* guard_ = nullptr;
};

}  // namespace gridora::ui
