// SPDX-License-Identifier: MIT
#include "ui/main/launcher_tips.h"

#include "core/text.h"

namespace gridora::ui {

namespace {

struct TipParts {
  const char* prefix;
  const char* suffix;
};

constexpr TipParts kParts[3] = {
    {"メモリ", "に現在のナンプレデータを保存"},
    {"メモリ", "からナンプレデータを取り出す"},
    {"解", "を取り出して表示する"},
};

const TipParts& PartsOf(int column) {
  return kParts[column < 0 ? 0 : column > 2 ? 2 : column];
}

}  // namespace

std::string LauncherColumnTip(int column) {
  const TipParts& parts = PartsOf(column);
  return std::string(parts.prefix) + parts.suffix;
}

std::string LauncherButtonTip(int k) {
  const TipParts& parts = PartsOf(k / 9);
  return std::string(parts.prefix) + " no." + NumberText(k % 9 + 1) + " " + parts.suffix;
}

}  // namespace gridora::ui
