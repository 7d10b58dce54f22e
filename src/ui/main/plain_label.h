// SPDX-License-Identifier: MIT
#pragma once
// Labels as the window and the dialogs lay them out: plain text (a user's
// text is never taken as markup), top-left aligned, placed in twips.

#include <QLabel>

#include "ui/main/board_geometry.h"

namespace gridora::ui {

QLabel* MakePlainLabel(QWidget* parent, const char* name, const QString& text,
                       const TwipsRect& rect);

void SetTextColor(QWidget* widget, const QColor& color);

}  // namespace gridora::ui
