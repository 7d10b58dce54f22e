// SPDX-License-Identifier: MIT
#pragma once
// The print command: the main window, as it looks now, on the default
// printer after one confirmation question. No page set-up, no printer
// dialog; the puzzle is not touched.

#include "core/app.h"

namespace gridora {

inline constexpr const char* kPrintConfirmText = "今すぐ印刷してよろしいですか？";
inline constexpr const char* kPrintConfirmTitle = "確認";
inline constexpr const char* kPrintedText = "画面を印刷しました";
inline constexpr const char* kPrintFailedTitle = "印刷失敗";
inline constexpr const char* kPrintFailedText =
    "プリンタを使用できませんでした。\r\n通常使うプリンタの設定を確認してください。";

// Asks "今すぐ印刷してよろしいですか？" (OK / Cancel, no icon). On OK prints
// the client area and reports "画面を印刷しました" in the status panel; when
// no printer can be used it shows the failure box instead and leaves the
// status panel as it was. Cancel does nothing.
void PrintBoard(App app);

}  // namespace gridora
