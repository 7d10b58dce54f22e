// SPDX-License-Identifier: MIT
#include "ui/main/launcher_panel.h"

#include <QEvent>
#include <QPainter>

#include "ui/main/board_geometry.h"
#include "ui/main/etched.h"
#include "ui/main/fonts.h"

namespace gridora::ui {

namespace {

// The picture of launcher_icons@`scale`x.png: the three icons drawn at
// `scale` times the size of their places.
QImage SharpIcons(int scale) {
  QImage icons(QStringLiteral(":/gridora/launcher_icons@%1x.png").arg(scale));
  icons.setDevicePixelRatio(1);  // cut in image pixels below
  return icons;
}

// A column icon. At one device pixel per pixel the label stretches the
// 16 x 16 picture over its 17 x 17 place; with more device pixels it draws
// the icon drawn at 2 or 3 times the place's size instead.
class ColumnIcon : public QLabel {
 public:
  ColumnIcon(std::array<QImage, 2> sharp, QWidget* parent)
      : QLabel(parent), sharp_(std::move(sharp)) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    const qreal ratio = devicePixelRatioF();
    if (ratio <= 1) {
      QLabel::paintEvent(event);
      return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(contentsRect(), sharp_[ratio <= 2 ? 0 : 1]);
  }

 private:
  std::array<QImage, 2> sharp_;  // at 2 and 3
};

}  // namespace

LauncherPanel::LauncherPanel(LauncherEvents events, QWidget* parent)
    : QWidget(parent), events_(std::move(events)) {
  setObjectName(QStringLiteral("picLaunch"));
  setFixedSize(Px(1335), Px(3705));
  setAutoFillBackground(true);

  const QImage strip(QStringLiteral(":/gridora/launcher_icons.png"));
  const QImage sharp2 = SharpIcons(2);
  const QImage sharp3 = SharpIcons(3);
  for (int column = 0; column < 3; ++column) {
    auto* icon = new ColumnIcon(
        {sharp2.copy(34 * column, 0, 34, 34), sharp3.copy(51 * column, 0, 51, 51)}, this);
    icon->setObjectName(QStringLiteral("imgLaunch_%1").arg(column));
    icon->setGeometry(Px(60 + 360 * column), 0, Px(255), Px(255));
    icon->setScaledContents(true);
    icon->setPixmap(QPixmap::fromImage(strip.copy(16 * column, 0, 16, 16)));
    icon->setMouseTracking(true);
    icon->installEventFilter(this);
    icons_[static_cast<std::size_t>(column)] = icon;
  }

  const QFont font = GothicFont(9);
  for (int k = 0; k < 27; ++k) {
    const int column = k / 9;
    const int n = k % 9 + 1;
    auto* button = new QPushButton(QString::number(n), this);
    button->setObjectName(QStringLiteral("cmdMemorySave_%1").arg(k));
    button->setGeometry(Px(60 + 360 * column), Px(240 * n), Px(255), Px(255));
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    // Fetch buttons start disabled until their slot holds data.
    button->setEnabled(column == 0);
    connect(button, &QPushButton::clicked, this, [this, k] {
      if (events_.clicked) events_.clicked(k);
    });
    buttons_[static_cast<std::size_t>(k)] = button;
  }

  preview_ = new QLabel(this);
  preview_->setObjectName(QStringLiteral("imgPreview"));
  preview_->setGeometry(0, Px(2520), Px(1095), Px(1095));
  hide();
}

QPushButton* LauncherPanel::Button(int k) const {
  if (k < 0 || k >= 27) return nullptr;
  return buttons_[static_cast<std::size_t>(k)];
}

QLabel* LauncherPanel::Icon(int column) const {
  if (column < 0 || column >= 3) return nullptr;
  return icons_[static_cast<std::size_t>(column)];
}

void LauncherPanel::SetButtonEnabled(int k, bool enabled) {
  if (QPushButton* button = Button(k)) button->setEnabled(enabled);
}

void LauncherPanel::ShowPreview(const QImage& image) {
  preview_->setPixmap(QPixmap::fromImage(image));
  preview_->resize(image.deviceIndependentSize().toSize());
}

bool LauncherPanel::eventFilter(QObject* watched, QEvent* event) {
  // A disabled button takes no mouse events: its tip stays silent.
  if (event->type() == QEvent::MouseMove && static_cast<QWidget*>(watched)->isEnabled()) {
    for (int k = 0; k < 27; ++k) {
      if (watched == buttons_[static_cast<std::size_t>(k)] && events_.buttonHovered)
        events_.buttonHovered(k);
    }
    for (int column = 0; column < 3; ++column) {
      if (watched == icons_[static_cast<std::size_t>(column)] && events_.iconHovered)
        events_.iconHovered(column);
    }
  }
  return QWidget::eventFilter(watched, event);
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
