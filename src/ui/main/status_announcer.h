// SPDX-License-Identifier: MIT
#pragma once
// StatusAnnouncer: a notification for assistive technology that draws
// nothing. Each Announce shows it anew with the text as its name; screen
// readers speak a notification that appears without moving the focus. Only
// announce while assistive technology listens.

#include <QWidget>

class QAccessibleInterface;

namespace gridora::ui {

class StatusAnnouncer : public QWidget {
 public:
  explicit StatusAnnouncer(QWidget* parent);

  void Announce(const QString& text);
  const QString& Text() const { return text_; }

 private:
  QString text_;
};

// Its accessible interface (role Notification, name the text), for the
// factory of the window's parts.
QAccessibleInterface* StatusAnnouncerInterface(QObject* object);

}  // namespace gridora::ui
