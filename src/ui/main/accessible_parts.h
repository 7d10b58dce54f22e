// SPDX-License-Identifier: MIT
#pragma once
// How the window's own drawn parts appear to assistive technology (the
// desktop's accessibility bus): each board as a table of N x N cells named
// by their CellVoice, only the board on screen in the tree; the toolbar
// strip as a tool bar of eleven buttons named by their tips. Installed once
// per process; widgets of other kinds keep Qt's own interfaces.

class QAccessibleInterface;
class QObject;
class QString;

namespace gridora::ui {

// The factory that Qt asks before its own (QAccessible::installFactory).
QAccessibleInterface* AccessiblePart(const QString& className, QObject* object);

// Installs AccessiblePart; a second call does nothing.
void InstallAccessibleParts();

}  // namespace gridora::ui
