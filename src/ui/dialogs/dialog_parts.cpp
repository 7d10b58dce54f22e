// SPDX-License-Identifier: MIT
#include "ui/dialogs/dialog_parts.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QGroupBox>
#include <QLineEdit>

namespace gridora::ui {

void NameUnlabelledControls(QWidget& dialog) {
  for (QWidget* control : dialog.findChildren<QWidget*>()) {
    const bool unlabelled = qobject_cast<QLineEdit*>(control) ||
                            qobject_cast<QAbstractSlider*>(control) ||
                            qobject_cast<QAbstractSpinBox*>(control);
    if (!unlabelled || !control->accessibleName().isEmpty()) continue;
    for (QWidget* up = control->parentWidget(); up && up != &dialog; up = up->parentWidget()) {
      if (auto* frame = qobject_cast<QGroupBox*>(up); frame && !frame->title().isEmpty()) {
        control->setAccessibleName(QString(frame->title()).remove(QLatin1Char('&')));
        break;
      }
    }
  }
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const TwipsRect& rect, const QString& tip) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(Px(rect.left), Px(rect.top), Px(rect.width), Px(rect.height));
  if (!tip.isEmpty()) button->setToolTip(tip);
  return button;
}

void NoDefaultButton(std::initializer_list<QPushButton*> buttons) {
  for (QPushButton* button : buttons) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
}

void PlaceBesideOwner(QWidget& dialog, const QWidget* owner, int dx, int dy) {
  if (!owner) return;
  dialog.setWindowIcon(owner->windowIcon());
  dialog.move(owner->pos() + QPoint(Px(dx), Px(dy)));
}

QColor ShadowColor(const QWidget& widget) {
  return widget.palette().color(QPalette::Dark);
}

QColor HighlightColor(const QWidget& widget) {
  return widget.palette().color(QPalette::Light);
}

}  // namespace gridora::ui
