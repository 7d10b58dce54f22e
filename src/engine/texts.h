// SPDX-License-Identifier: MIT
#pragma once
// The verdicts of a solution count, shown by the window and the
// command-line solver alike.

namespace gridora::engine {

inline constexpr const char* kNoSolutionText = "解がありません";
inline constexpr const char* kOneSolutionText = "解は1つだけです";
inline constexpr const char* kSeveralSolutionsText = "解が2つ以上あります";
// A search the user stopped before it ended.
inline constexpr const char* kSearchCancelledText = "探索を中止しました";

// The verdict for a count made with a limit of at least 2.
inline const char* CountVerdict(int solutions) {
  return solutions == 0   ? kNoSolutionText
         : solutions == 1 ? kOneSolutionText
                          : kSeveralSolutionsText;
}

}  // namespace gridora::engine
