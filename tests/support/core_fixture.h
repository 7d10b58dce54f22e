// SPDX-License-Identifier: MIT
#pragma once
// A fresh program state after start-up (tables, defaults, empty 9 x 9
// puzzle) with a recording screen, for tests of the core operations.

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "core/board.h"
#include "core/recording_screen.h"
#include "core/startup.h"

namespace gridora::testing {

class CoreTest : public ::testing::Test {
 protected:
  AppState state;
  RecordingScreen screen;
  App app{state, screen};

  void SetUp() override {
    InitTables(state);
    ApplyDefaultSettings(app);
    NewPuzzle9(app);
  }

  // Changes several cells at once and redraws, as every bulk operation does.
  void BulkSet(std::initializer_list<std::pair<int, int>> cells) {
    for (auto [index, code] : cells)
      state.Board[static_cast<std::size_t>(index)] = static_cast<CellCode>(code);
    RedrawBoard(app);
  }

  int Code(int index) const { return state.Board[static_cast<std::size_t>(index)]; }
};

}  // namespace gridora::testing
