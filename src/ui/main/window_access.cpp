// SPDX-License-Identifier: MIT
#include "ui/main/window_access.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QStatusBar>

#include "aids/contrast.h"
#include "core/board.h"
#include "system/desktop_contrast.h"
#include "ui/main/accessible_parts.h"
#include "ui/main/launcher_tips.h"
#include "ui/main/main_window.h"
#include "ui/main/status_announcer.h"

namespace gridora::ui {

namespace {

QColor ToQColor(Color c) {
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// Black ground, white text, yellow for what is selected or named.
QPalette HighContrastPalette() {
  const QColor black(0, 0, 0), white(255, 255, 255), yellow(255, 255, 0), grey(128, 128, 128);
  QPalette p(white, black);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Window, black);
    p.setColor(group, QPalette::WindowText, white);
    p.setColor(group, QPalette::Base, black);
    p.setColor(group, QPalette::AlternateBase, QColor(30, 30, 30));
    p.setColor(group, QPalette::Text, white);
    p.setColor(group, QPalette::Button, black);
    p.setColor(group, QPalette::ButtonText, white);
    p.setColor(group, QPalette::Highlight, yellow);
    p.setColor(group, QPalette::HighlightedText, black);
    p.setColor(group, QPalette::ToolTipBase, black);
    p.setColor(group, QPalette::ToolTipText, yellow);
    p.setColor(group, QPalette::Light, white);
    p.setColor(group, QPalette::Midlight, grey);
    p.setColor(group, QPalette::Mid, grey);
    p.setColor(group, QPalette::Dark, grey);
    p.setColor(group, QPalette::Shadow, white);
    p.setColor(group, QPalette::Link, yellow);
  }
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(170, 170, 170));
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(170, 170, 170));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(170, 170, 170));
  return p;
}

}  // namespace

WindowAccess::WindowAccess(MainWindow& window, AppState& state, std::function<int()> focusCell)
    : window_(window), state_(state), focusCell_(std::move(focusCell)) {
  InstallAccessibleParts();
  for (int size : {9, 16}) window_.Board(size)->SetVoice(this);

  LauncherPanel* launcher = window_.Launcher();
  for (int k = 0; k < 27; ++k) {
    QPushButton* button = launcher->Button(k);
    button->setAccessibleName(QString::fromStdString(LauncherButtonTip(k)));
    button->setAccessibleDescription(QString::fromStdString(LauncherColumnTip(k / 9)));
  }
  for (int column = 0; column < 3; ++column)
    launcher->Icon(column)->setAccessibleName(QString::fromStdString(LauncherColumnTip(column)));

  announcer_ = new StatusAnnouncer(window_.statusBar());

  // Each heading labels its value, so a screen reader reads "<作者> 不明".
  const std::pair<const char*, PropertyLabel> panel[] = {
      {"lblAuthorTop", PropertyLabel::Author},
      {"lblDateTop", PropertyLabel::Date},
      {"lblCommentTop", PropertyLabel::Comment},
      {"lblFileNameTop", PropertyLabel::FileName}};
  for (const auto& [name, value] : panel) {
    auto* heading = window_.findChild<QLabel*>(QString::fromLatin1(name));
    if (!heading) continue;
    heading->setBuddy(window_.Property(value));
    headings_.emplace_back(heading, heading->palette());
  }

  QAccessible::installActivationObserver(this);
  desktopHighContrast_ = DesktopHighContrast();
  desktopWatch_ = std::make_unique<DesktopContrastWatch>([this](bool on) {
    desktopHighContrast_ = on;
    ApplyLook();
  });
}

WindowAccess::~WindowAccess() {
  QAccessible::removeActivationObserver(this);
}

void WindowAccess::accessibilityActiveChanged(bool active) {
  listening_ = active;
  spokenSize_ = 0;  // tell everything anew
}

DigitKind WindowAccess::KindOf(int cell) const {
  if (!state_.IsCellIndex(cell)) return DigitKind::Empty;
  return DigitKindOf(state_.Board[static_cast<std::size_t>(cell)], givens_ ? givens_() : nullptr,
                     cell);
}

QString WindowAccess::CellName(int boardSize, int cell) const {
  if (boardSize != state_.BoardSize || !state_.IsCellIndex(cell)) return {};
  const int digit = DigitOf(state_.Board[static_cast<std::size_t>(cell)]);
  return QString::fromStdString(
      gridora::CellName(boardSize, cell, CharacterOf(state_, digit), KindOf(cell)));
}

QString WindowAccess::CellDescription(int boardSize, int cell) const {
  if (boardSize != state_.BoardSize || !state_.IsCellIndex(cell)) return {};
  // What the board draws in the cell, in the board's own texts.
  const BoardMarks& marks = window_.Board(boardSize)->Marks();
  const auto i = static_cast<std::size_t>(cell);
  const auto texts = [this](CandMask mask) {
    std::vector<std::string> digits;
    for (int d : DigitsOf{mask}) digits.push_back(CharacterOf(state_, d));
    return digits;
  };
  return QString::fromStdString(
      gridora::CellDescription(texts(marks.notes[i]), texts(marks.candidates[i])));
}

int WindowAccess::FocusCell(int boardSize) const {
  return boardSize == state_.BoardSize && focusCell_ ? focusCell_() : -1;
}

void WindowAccess::Refresh() {
  ApplyLook();
  if (highContrast_) ShowLookOfCells();
  if (Listening()) SpeakChanges();
}

void WindowAccess::SpeakChanges() {
  const int size = state_.BoardSize;
  BoardSurface* board = window_.Board(size);
  const auto cells = static_cast<std::size_t>(size * size);
  const bool newBoard = spokenSize_ != size;
  if (newBoard) {
    spokenSize_ = size;
    spokenFocus_ = -1;
    spokenNames_.assign(cells, {});
    spokenDescriptions_.assign(cells, {});
    QAccessibleEvent reordered(board->parentWidget(), QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reordered);
  }
  for (std::size_t i = 0; i < cells; ++i) {
    const int cell = static_cast<int>(i);
    QString name = CellName(size, cell);
    if (name != spokenNames_[i]) {
      spokenNames_[i] = std::move(name);
      if (!newBoard) {
        QAccessibleEvent event(board->Label(cell), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
      }
    }
    QString description = CellDescription(size, cell);
    if (description != spokenDescriptions_[i]) {
      spokenDescriptions_[i] = std::move(description);
      if (!newBoard) {
        QAccessibleEvent event(board->Label(cell), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
      }
    }
  }
  const int focus = FocusCell(size);
  if (focus != spokenFocus_ && board->isVisible()) {
    spokenFocus_ = focus;
    if (focus >= 0 && window_.isActiveWindow()) {
      QAccessibleEvent event(board->Label(focus), QAccessible::Focus);
      QAccessible::updateAccessibility(&event);
    }
  }
}

void WindowAccess::Announce(const std::string& text) {
  if (Listening()) announcer_->Announce(QString::fromStdString(text));
}

bool WindowAccess::HighContrastWanted() const {
  const ToolSettings& tools = state_.settings.Tools;
  return tools.HighContrastDesktop ? desktopHighContrast_ : tools.HighContrast;
}

void WindowAccess::ApplyLook() {
  if (HighContrastWanted() != highContrast_) SetHighContrast(!highContrast_);
}

void WindowAccess::SetHighContrast(bool on) {
  highContrast_ = on;
  if (on) {
    normalPalette_ = QApplication::palette();
    QApplication::setPalette(HighContrastPalette());
    for (auto& [heading, normal] : headings_) {
      normal = heading->palette();
      QPalette p = normal;
      p.setColor(QPalette::WindowText, ToQColor(kHighContrastCaption));
      heading->setPalette(p);
    }
  } else {
    QApplication::setPalette(normalPalette_);
    for (auto& [heading, normal] : headings_) heading->setPalette(normal);
    for (int size : {9, 16}) {
      BoardSurface* board = window_.Board(size);
      for (int cell = 0; cell < size * size; ++cell) board->Label(cell)->SetLook(std::nullopt);
    }
  }
  window_.PrepareToolbarBitmap();
  window_.RefreshAids();
}

void WindowAccess::ShowLookOfCells() {
  const int size = state_.BoardSize;
  BoardSurface* board = window_.Board(size);
  for (int cell = 0; cell < size * size; ++cell) {
    const DigitLook look = HighContrastDigit(KindOf(cell));
    board->Label(cell)->SetLook(
        CaptionLook{ToQColor(look.color), ToQColor(kHighContrastAlert), look.bold, look.underline});
  }
}

}  // namespace gridora::ui
