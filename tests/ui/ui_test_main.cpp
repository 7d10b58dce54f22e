// SPDX-License-Identifier: MIT
// Runs the window tests inside one QApplication on the offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "support/test_log.h"
#include "ui/main/fonts.h"

// Fontconfig and the Qt platform plugins keep caches for the life of the
// process; they are not leaks of this program.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libQt6Widgets\n"
         "leak:libglib\nleak:libdbus\nleak:libqoffscreen\n";
}

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Settings and the file dialog's history go to a folder of this run only.
  QTemporaryDir config;
  if (config.isValid()) {
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    // The recovery copy too.
    setenv("XDG_STATE_HOME", (config.path() + "/state").toLocal8Bit().constData(), 1);
    // Caches (a collection's ratings).
    setenv("XDG_CACHE_HOME", (config.path() + "/cache").toLocal8Bit().constData(), 1);
  }
  QApplication application(argc, argv);
  gridora::ui::RegisterFontSubstitutions();
  ::testing::InitGoogleTest(&argc, argv);
  gridora::testing::KeepLogPerTest();
  return RUN_ALL_TESTS();
}
