// SPDX-License-Identifier: MIT
#include "ui/main/fonts.h"

#include <QString>
#include <QStringList>

namespace gridora::ui {

void RegisterFontSubstitutions() {
  QFont::insertSubstitutions(QString::fromUtf8(kGothicFamily),
                             {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
  QFont::insertSubstitutions(QString::fromUtf8(kMinchoFamily),
                             {QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho")});
}

namespace {

QFont MakeFont(const char* family, double points, bool bold) {
  QFont font(QString::fromUtf8(family));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace

QFont GothicFont(double points, bool bold) {
  return MakeFont(kGothicFamily, points, bold);
}

QFont MinchoFont(double points, bool bold) {
  return MakeFont(kMinchoFamily, points, bold);
}

}  // namespace gridora::ui
