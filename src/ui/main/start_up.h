// SPDX-License-Identifier: MIT
#pragma once
// Main: the start-up sequence that ends with the main window on screen.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "ui/main/main_window.h"

namespace gridora::ui {

// Runs start-up in order: tables, the hidden window, default settings, the
// settings file, an empty 9 x 9 puzzle, the command line, then shows the
// window, sets up the input mode and offers a recovery copy left behind. `prepare`, when given,
// runs as soon as the window exists (tests use it to answer message boxes).
std::unique_ptr<MainWindow> StartMain(AppState& state, const std::vector<std::string>& arguments,
                                      const std::function<void(MainWindow&)>& prepare = {});

// Ends the program without questions when it is told to from outside:
// SIGTERM, SIGHUP, or the session manager's request to save before a
// logout. The recovery copy and the settings are written first.
void EndWithSession(MainWindow& window);

}  // namespace gridora::ui
