// SPDX-License-Identifier: MIT
#include "ui/main/input_modes.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <cmath>

#include "core/board.h"
#include "solver/solver_tables.h"
#include "ui/main/board_geometry.h"
#include "ui/main/keypad.h"

namespace gridora::ui {

std::string InputHint(InputKind inputMode) {
  switch (inputMode) {
    case InputKind::Mouse:
      return "[マウス入力]  左クリック:数字＋１ 右:数字－１";
    case InputKind::Keypad:
      return "[テンキー入力]  左:カーソル移動 右:数字消去";
    default:
      return "[メニュー入力]  左:ポップメニュー 右:数字消去";
  }
}

int RepeatInterval(int speed) {
  const int s = speed < 0 ? 0 : speed > 8 ? 8 : speed;
  return static_cast<int>(std::lround(100.0 * std::pow(2.0, s / 4.0)));
}

namespace {

int ButtonBit(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return kButtonLeft;
    case Qt::RightButton:
      return kButtonRight;
    case Qt::MiddleButton:
      return kButtonMiddle;
    default:
      return 0;
  }
}

int ButtonBits(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? kButtonLeft : 0) |
         (buttons & Qt::RightButton ? kButtonRight : 0) |
         (buttons & Qt::MiddleButton ? kButtonMiddle : 0);
}

KeyInput ReadKeyEvent(const QKeyEvent& event) {
  KeyInput in;
  in.key = event.key();
  const Qt::KeyboardModifiers mods = event.modifiers();
  in.modified = (mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
  in.keypad = (mods & Qt::KeypadModifier) != 0;
  // Only X11 and Wayland report the evdev-based keycodes DigitOfKeycode knows.
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
    in.physicalDigit = DigitOfKeycode(event.nativeScanCode());
  return in;
}

}  // namespace

InputModes::InputModes(App app, InputView& view, const PopupList& popup)
    : app_(app), view_(view), popup_(popup) {
  timer_.setObjectName(QStringLiteral("tmrChangeNo"));
  connect(&timer_, &QTimer::timeout, this, [this] { TimerStep(); });
}

bool InputModes::Legal(int cell, int digit) const {
  return IsPlacementLegal(app_.state, cell, digit);
}

bool InputModes::Put(int cell, int value) {
  if (guard_ && guard_->Refuses(cell)) return false;
  if (guard_ && value != 0 && guard_->TakesAsNote(cell, value)) return false;
  SetCell(app_, cell, value);
  if (guard_) guard_->Placed(cell);
  return true;
}

void InputModes::StopTimerOnly() {
  interval_ = 0;
  timer_.stop();
}

void InputModes::StopRepeat() {
  interval_ = 0;
  held_ = 0;
  timer_.stop();
}

void InputModes::CellMouseDown(int, int cell, Qt::MouseButton button, const QPoint& globalPos) {
  if (guard_ && guard_->OpensNoteList(cell, button, globalPos)) return;
  switch (app_.state.settings.InputMode) {
    case InputKind::Mouse:
      repeatCell_ = cell;
      held_ |= ButtonBit(button);
      interval_ = RepeatInterval(app_.state.settings.NChangeSpeed);
      timer_.start(interval_);
      TimerStep();  // the press itself makes the first change
      break;
    case InputKind::Keypad:
      if (button == Qt::LeftButton) PlaceCursor(app_, cell);
      if (button == Qt::RightButton) Put(cell, 0);
      break;
    case InputKind::PopupList:
      if (button == Qt::LeftButton) ShowPopupList(cell, globalPos);
      if (button == Qt::RightButton) Put(cell, 0);
      break;
  }
}

void InputModes::CellMouseMove(int boardSize, int cell, Qt::MouseButtons buttons,
                               const QPoint& pos) {
  held_ = ButtonBits(buttons);
  view_.ShowStatus(InputHint(app_.state.settings.InputMode));
  if (app_.state.settings.InputMode != InputKind::Mouse || held_ == 0) return;
  // The board point under the pointer, from the label that has the press.
  const TwipsRect label = CellLabelRect(boardSize, cell);
  const int under = CellAt(boardSize, label.left + pos.x() * kTwipsPerPixel,
                           label.top + pos.y() * kTwipsPerPixel);
  if (under < 0) {
    StopTimerOnly();
    return;
  }
  repeatCell_ = under;
}

void InputModes::CellMouseUp(int, int, Qt::MouseButton button) {
  if (app_.state.settings.InputMode != InputKind::Mouse) return;
  const int before = held_;
  held_ &= ~ButtonBit(button);
  if (held_ == 0 && before != 0) StopTimerOnly();
}

void InputModes::TimerStep() {
  AppState& s = app_.state;
  if (s.settings.InputMode != InputKind::Mouse || interval_ == 0) return;
  if (held_ == 0) {
    StopTimerOnly();
    return;
  }
  const int d = ((held_ & kButtonLeft) ? 1 : 0) - ((held_ & kButtonRight) ? 1 : 0);
  if (d == 0 || !s.IsCellIndex(repeatCell_)) return;
  if (guard_ && guard_->Refuses(repeatCell_)) {
    StopTimerOnly();
    return;
  }
  const int n = s.BoardSize;
  int v = DigitOf(s.Board[static_cast<std::size_t>(repeatCell_)]);
  do {
    v = (v + d + n + 1) % (n + 1);
  } while (v != 0 && !Legal(repeatCell_, v));
  Put(repeatCell_, v);
}

bool InputModes::KeyDown(const QKeyEvent& event) {
  AppState& s = app_.state;
  if (s.settings.InputMode != InputKind::Keypad) return false;
  const int n = s.BoardSize;
  const KeypadAction action = ReadKeypadKey(ReadKeyEvent(event), s.CursorCell, n);
  switch (action.kind) {
    case KeypadKind::Ignore:
      return true;
    case KeypadKind::Move:
      PlaceCursor(app_, action.cell);
      if (action.erase) Put(action.cell, 0);
      return true;
    case KeypadKind::Value:
      if (action.value > n) {
        if (s.settings.Beep) app_.screen.Beep();
      } else if (guard_ && action.value != 0 && guard_->TakesAsNote(s.CursorCell, action.value)) {
        return true;  // a note: the cursor stays for the next one
      } else if (action.value == 0 || Legal(s.CursorCell, action.value)) {
        Put(s.CursorCell, action.value);
      }
      break;
    case KeypadKind::Other:
      break;
  }
  PlaceCursor(app_, WrapCell(s.CursorCell + 1, n));
  return true;
}

void InputModes::ShowPopupList(int cell, const QPoint& globalPos) {
  const AppState& s = app_.state;
  for (int i = 1; i <= 16; ++i) {
    QAction* item = popup_.digits[static_cast<std::size_t>(i)];
    const bool onBoard = i <= 9 || s.BoardSize != 9;
    item->setVisible(onBoard);
    if (!onBoard) continue;
    // A "&" in a display character is shown, not taken as an access key.
    item->setText(QString::fromStdString(CharacterOf(s, i)).replace(u'&', QStringLiteral("&&")));
    item->setEnabled(Legal(cell, i));
  }
  popupCell_ = cell;
  // Centred horizontally on the pointer.
  const QPoint at = globalPos - QPoint(popup_.menu->sizeHint().width() / 2, 0);
  QAction* chosen = view_.ExecPopup(*popup_.menu, at);
  if (!chosen || !chosen->isEnabled() || !chosen->isVisible()) return;
  if (chosen == popup_.erase) {
    Put(popupCell_, 0);
    return;
  }
  for (int i = 1; i <= 16; ++i) {
    if (chosen == popup_.digits[static_cast<std::size_t>(i)]) Put(popupCell_, i);
  }
}

void InputModes::SwitchMode(InputKind mode) {
  app_.state.settings.InputMode = mode;
  view_.SetCursorBarsVisible(mode == InputKind::Keypad);
  if (mode == InputKind::Keypad) PlaceCursor(app_, app_.state.CursorCell);
  view_.UpdateInputMethodChecks();
  view_.RestoreToolbar();
}

}  // namespace gridora::ui
