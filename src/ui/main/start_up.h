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
// window and sets up the input mode. `prepare`, when given, runs as soon as
// the window exists (tests use it to answer message boxes).
std::unique_ptr<MainWindow> StartMain(AppState& state, const std::vector<std::string>& arguments,
                                      const std::function<void(MainWindow&)>& prepare = {});

}  // namespace gridora::ui
