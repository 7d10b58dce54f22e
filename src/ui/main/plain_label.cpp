// SPDX-License-Identifier: MIT
#include "ui/main/plain_label.h"

namespace gridora::ui {

QLabel* MakePlainLabel(QWidget* parent, const char* name, const QString& text,
                       const TwipsRect& rect) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(Px(rect.left), Px(rect.top), Px(rect.width), Px(rect.height));
  return label;
}

void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette p = widget->palette();
  p.setColor(QPalette::WindowText, color);
  widget->setPalette(p);
}

}  // namespace gridora::ui
