// SPDX-License-Identifier: MIT
#include "ui/main/accessible_parts.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <array>

#include "ui/main/board_surface.h"
#include "ui/main/client_area.h"
#include "ui/main/status_announcer.h"
#include "ui/main/toolbar_rules.h"
#include "ui/main/toolbar_strip.h"

namespace gridora::ui {

namespace {

QAccessibleInterface* Of(QObject* object) {
  return object ? QAccessible::queryAccessibleInterface(object) : nullptr;
}

// A board: a table whose children are its cell labels, row by row. The
// hidden board has none (and its parent leaves it out).
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit BoardTable(BoardSurface* board) : QAccessibleWidget(board, QAccessible::Table) {}

  BoardSurface* Board() const { return static_cast<BoardSurface*>(widget()); }
  int Size() const { return Board()->BoardSize(); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return QStringLiteral("盤面 %1×%1").arg(Size());
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return Board()->isVisible() ? Size() * Size() : 0; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    return Of(Board()->Label(index));
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto* label = child ? dynamic_cast<CellLabel*>(child->object()) : nullptr;
    if (!label || label->parentWidget() != Board() || childCount() == 0) return -1;
    return label->Cell();
  }
  QAccessibleInterface* focusChild() const override {
    const CellVoice* voice = Board()->Voice();
    return voice && childCount() > 0 ? child(voice->FocusCell(Size())) : nullptr;
  }

  // QAccessibleTableInterface
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || column < 0 || row >= Size() || column >= Size()) return nullptr;
    return child(row * Size() + column);
  }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int column) const override {
    return QStringLiteral("%1列").arg(column + 1);
  }
  QString rowDescription(int row) const override { return QStringLiteral("%1行").arg(row + 1); }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return childCount() > 0 ? Size() : 0; }
  int rowCount() const override { return childCount() > 0 ? Size() : 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}
};

// One cell of a board.
class BoardCell : public QAccessibleWidget, public QAccessibleTableCellInterface {
 public:
  explicit BoardCell(CellLabel* label) : QAccessibleWidget(label, QAccessible::Cell) {}

  CellLabel* Label() const { return static_cast<CellLabel*>(widget()); }
  BoardSurface* Board() const { return static_cast<BoardSurface*>(Label()->parentWidget()); }
  int Size() const { return Board()->BoardSize(); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface)
      return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    const CellVoice* voice = Board()->Voice();
    if (voice && t == QAccessible::Name) return voice->CellName(Size(), Label()->Cell());
    if (voice && t == QAccessible::Description)
      return voice->CellDescription(Size(), Label()->Cell());
    if (t == QAccessible::Name) return Label()->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.focusable = true;
    const CellVoice* voice = Board()->Voice();
    s.focused = voice && Label()->isVisible() && Label()->window()->isActiveWindow() &&
                voice->FocusCell(Size()) == Label()->Cell();
    return s;
  }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }

  // QAccessibleTableCellInterface
  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return Label()->Cell() % Size(); }
  int rowIndex() const override { return Label()->Cell() / Size(); }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return Of(Board()); }
};

// The window background: the hidden board is left out of its children.
class ClientPanel : public QAccessibleWidget {
 public:
  explicit ClientPanel(QWidget* client) : QAccessibleWidget(client, QAccessible::Client) {}

  int childCount() const override { return static_cast<int>(Children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> children = Children();
    return index >= 0 && index < children.size() ? Of(children[index]) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    return static_cast<int>(Children().indexOf(qobject_cast<QWidget*>(child->object())));
  }

 private:
  QList<QWidget*> Children() const {
    QList<QWidget*> shown;
    for (QObject* o : widget()->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (!w || w->isWindow()) continue;
      if (dynamic_cast<BoardSurface*>(w) && w->isHidden()) continue;
      shown.append(w);
    }
    return shown;
  }
};

// One button of the toolbar strip: its tool tip as its name, its status
// tip as its description, pressed as a click presses it.
class ToolbarButtonPart : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  ToolbarButtonPart(ToolbarStrip* strip, int index) : strip_(strip), index_(index) {}

  bool isValid() const override { return !strip_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return strip_ ? strip_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return Of(strip_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::Button; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (!strip_) return {};
    const std::string tip =
        ToolbarTip(strip_->State(), kToolbar[static_cast<std::size_t>(index_)].command);
    if (t == QAccessible::Name) return QString::fromStdString(ToolbarToolTip(tip));
    if (t == QAccessible::Description) return QString::fromStdString(tip);
    return {};
  }
  QRect rect() const override {
    if (!strip_) return {};
    const ToolbarButton& b = kToolbar[static_cast<std::size_t>(index_)];
    return QRect(strip_->mapToGlobal(QPoint(b.left, 0)), QSize(b.right - b.left + 1, 24));
  }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!strip_ || !strip_->isVisible()) s.invisible = true;
    if (strip_ && ToolbarButtonDisabled(strip_->State(), index_)) s.disabled = true;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  // QAccessibleActionInterface
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (strip_ && name == pressAction()) strip_->RunButton(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<ToolbarStrip> strip_;
  int index_;
};

// The toolbar strip: a tool bar of its eleven buttons.
class ToolbarPart : public QAccessibleWidget {
 public:
  explicit ToolbarPart(ToolbarStrip* strip) : QAccessibleWidget(strip, QAccessible::ToolBar) {
    for (int i = 0; i < kToolbarButtons; ++i) {
      auto* button = new ToolbarButtonPart(strip, i);
      ids_[static_cast<std::size_t>(i)] = QAccessible::registerAccessibleInterface(button);
    }
  }
  ~ToolbarPart() override {
    for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return QStringLiteral("ツールバー");
    return QAccessibleWidget::text(t);
  }
  int childCount() const override { return kToolbarButtons; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kToolbarButtons) return nullptr;
    return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < kToolbarButtons; ++i)
      if (QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(i)]) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < kToolbarButtons; ++i) {
      QAccessibleInterface* button = child(i);
      if (button && button->rect().contains(x, y)) return button;
    }
    return nullptr;
  }

 private:
  std::array<QAccessible::Id, kToolbarButtons> ids_{};
};

}  // namespace

QAccessibleInterface* AccessiblePart(const QString&, QObject* object) {
  if (auto* board = dynamic_cast<BoardSurface*>(object)) return new BoardTable(board);
  if (auto* label = dynamic_cast<CellLabel*>(object)) return new BoardCell(label);
  if (auto* client = dynamic_cast<ClientArea*>(object)) return new ClientPanel(client);
  if (auto* strip = dynamic_cast<ToolbarStrip*>(object)) return new ToolbarPart(strip);
  return StatusAnnouncerInterface(object);
}

void InstallAccessibleParts() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(AccessiblePart);
}

}  // namespace gridora::ui
