// SPDX-License-Identifier: MIT
#pragma once
// The window's logging categories: the core's log lines go to
// "gridora.files", "gridora.settings" and "gridora.system", so a user can
// turn them on and off with QT_LOGGING_RULES like any Qt program's.

#include <QLoggingCategory>

namespace gridora::ui {

Q_DECLARE_LOGGING_CATEGORY(lcFiles)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcSystem)

// Sends the core's log lines to the categories above.
void InstallQtLogSink();

}  // namespace gridora::ui
