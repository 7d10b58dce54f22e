// SPDX-License-Identifier: MIT
#pragma once
// Pieces the dialogs share: buttons placed in twips, the placement beside
// the main window, and the etched separators in the desktop's colours.

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <initializer_list>

#include "ui/main/board_geometry.h"

namespace gridora::ui {

// A push button at `rect` (twips) with an optional tool tip.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text,
                        const TwipsRect& rect, const QString& tip = {});

// Makes none of `buttons` a default button: Qt would otherwise make the
// first of them the dialog's default when it is shown, and Enter would
// press it wherever the focus is. Enter then presses no button at all.
void NoDefaultButton(std::initializer_list<QPushButton*> buttons);

// Puts the dialog's top-left corner `dx`, `dy` twips right of and below the
// owner's (the main window's) and gives it the owner's icon.
void PlaceBesideOwner(QWidget& dialog, const QWidget* owner, int dx, int dy);

// The colours of an etched pair: the button shadow, then the 3D highlight.
QColor ShadowColor(const QWidget& widget);
QColor HighlightColor(const QWidget& widget);

// Gives every control of `dialog` that has no name of its own (text boxes,
// sliders, scroll bars, spin boxes) the title of the frame around it, so
// that a screen reader can say what it is for.
void NameUnlabelledControls(QWidget& dialog);

}  // namespace gridora::ui
