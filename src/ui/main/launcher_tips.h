// SPDX-License-Identifier: MIT
#pragma once
// The status texts of the launcher. Every one begins with "メモリ" or "解",
// which is how ShowStatus knows to leave the launcher open.

#include <string>

namespace gridora::ui {

// The tip of a column icon: 0 store memory, 1 fetch memory, 2 fetch answer.
std::string LauncherColumnTip(int column);

// The tip of button k (0 to 26): "メモリ no. 1 に現在のナンプレデータを保存".
std::string LauncherButtonTip(int k);

}  // namespace gridora::ui
