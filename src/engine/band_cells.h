// SPDX-License-Identifier: MIT
#pragma once
// A step the 9 x 9 and the 16 x 16 band searches share: of some cells of a
// band, the one with the fewest digits left.

namespace gridora::engine {

// Walks the cells of `cells` (bits of band `band`'s words, lowest first)
// and keeps the first one with fewer digits left in `cand` (each digit's
// band words) than `best`: best, bestBand and bestBit then name it.
template <class Word, class Digits>
inline void FewestDigits(Word cells, const Digits& cand, int band, int& best, int& bestBand,
                         Word& bestBit) {
  for (; cells != 0; cells &= cells - 1) {
    const Word bit = cells & (~cells + 1);
    int n = 0;
    for (const auto& bands : cand) n += (bands[band] & bit) != 0;
    if (n < best) {
      best = n;
      bestBand = band;
      bestBit = bit;
    }
  }
}

}  // namespace gridora::engine
