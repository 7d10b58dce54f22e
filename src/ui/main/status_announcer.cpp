// SPDX-License-Identifier: MIT
#include "ui/main/status_announcer.h"

#include <QAccessibleWidget>

namespace gridora::ui {

namespace {

class Notification : public QAccessibleWidget {
 public:
  explicit Notification(StatusAnnouncer* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<StatusAnnouncer*>(widget())->Text();
    return QAccessibleWidget::text(t);
  }
};

}  // namespace

StatusAnnouncer::StatusAnnouncer(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("statusAnnouncer"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(0, 0, 0, 0);  // outside every layout, and no pixel of its own
  hide();
}

void StatusAnnouncer::Announce(const QString& text) {
  text_ = text;
  // Hidden and shown again, so that every text is a new appearance.
  hide();
  QAccessibleEvent named(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&named);
  show();
}

QAccessibleInterface* StatusAnnouncerInterface(QObject* object) {
  auto* announcer = dynamic_cast<StatusAnnouncer*>(object);
  return announcer ? new Notification(announcer) : nullptr;
}

}  // namespace gridora::ui
