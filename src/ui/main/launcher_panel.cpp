#include "ui/main/launcher_panel.h"

#include <QPainter>

#include "ui/main/board_geometry.h"
#include "ui/main/etched.h"
#include "ui/main/fonts.h"

namespace gridora::ui {

LauncherPanel::LauncherPanel(std::function<void(int)> onClick, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("picLaunch"));
  setFixedSize(Px(1335), Px(3705));
  setAutoFillBackground(true);
  const QFont font = GothicFont(9);
  for (int k = 0; k < 27; ++k) {
    const int column = k / 9;
    const int n = k % 9 + 1;
    auto* button = new QPushButton(QString::number(n), this);
    button->setObjectName(QStringLiteral("cmdMemorySave_%1").arg(k));
    button->setGeometry(Px(60 + 360 * column), Px(240 * n), Px(255), Px(255));
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    // Fetch buttons start disabled until their slot holds data.
    button->setEnabled(column == 0);
    connect(button, &QPushButton::clicked, this, [onClick, k] { onClick(k); });
    buttons_[static_cast<std::size_t>(k)] = button;
  }
  hide();
}

QPushButton* LauncherPanel::Button(int k) const {
  if (k < 0 || k >= 27) return nullptr;
  return buttons_[static_cast<std::size_t>(k)];
}

void LauncherPanel::SetButtonEnabled(int k, bool enabled) {
  if (QPushButton* button = Button(k)) button->setEnabled(enabled);
}

void LauncherPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor shadow = palette().color(QPalette::Dark);
  const QColor highlight = palette().color(QPalette::Light);
  PaintEtchedVertical(painter, 360, 0, 2520, shadow, highlight);
  PaintEtchedVertical(painter, 720, 0, 2520, shadow, highlight);
  PaintEtchedHorizontal(painter, 2505, 0, 1080, shadow, highlight);
}

}  // namespace gridora::ui
