// SPDX-License-Identifier: MIT
// The search itself, included twice by band_search.cpp: once for any
// processor, once inside a region compiled for AVX2 and BMI2. Both copies
// take the same steps on the same words, so they give the same results; the
// second computes the segments of a band word with one bit extraction
// instead of three table lookups, and lets the compiler use the newer
// instructions throughout. GRIDORA_BAND_PEXT selects the segment code.
// No include guard: each inclusion sits in a namespace of its own.

// Bit r * 3 + k: row r of the band has a place in box k.
inline unsigned Segments(Word x) {
#if GRIDORA_BAND_PEXT
  return _pext_u32(x | x >> 1 | x >> 2, 0x01249249u);
#else
  return kBoxesOfRow[x & kRow] | kBoxesOfRow[(x >> 9) & kRow] << 3 | kBoxesOfRow[x >> 18] << 6;
#endif
}

inline Word Matched(Word x) {
  return x & kMatched[Segments(x)];
}

#if GRIDORA_BAND_PEXT
// True when any lane is not zero, and when x and y share a bit: one ptest.
inline bool Any(Lanes x) {
  const auto v = reinterpret_cast<__m128i>(x);
  return !_mm_testz_si128(v, v);
}
inline bool Meet(Lanes x, Lanes y) {
  return !_mm_testz_si128(reinterpret_cast<__m128i>(x), reinterpret_cast<__m128i>(y));
}
#else
inline bool Meet(Lanes x, Lanes y) {
  return Any(x & y);
}
#endif

class BandSearch {
 public:
  // Every digit everywhere, then each cell loses the digits its mask lacks
  // (few walks: an open cell lacks none, a given lacks eight).
  void Load(const Masks& masks) {
    for (auto& bands : s_.cand) bands = {kBand, kBand, kBand};
    s_.open = {kBand, kBand, kBand};
    for (int band = 0; band < 3; ++band) {
      for (int k = 0; k < 27; ++k) {
        const Word bit = 1u << k;
        for (unsigned lack = ~masks[static_cast<std::size_t>(band * 27 + k)] & 0x1FFu; lack != 0;
             lack &= lack - 1) {
          s_.cand[static_cast<std::size_t>(std::countr_zero(lack))][band] &= ~bit;
        }
      }
    }
    dirty_ = 0x1FFu;
  }

  // The same board from digits 0 to 9 (0 empty): each digit keeps its own
  // givens and the open cells outside their rows, columns and boxes, so
  // that the first propagation starts with the givens' rows settled. The
  // filled cells are found without a branch a cell, the givens' digits by
  // walking the filled cells alone.
  void Load(const Grid& givens) {
    std::array<std::array<Word, 3>, 10> own{};
    std::array<Word, 3> empty{};
    for (int band = 0; band < 3; ++band) {
      Word filled = 0;
      for (int k = 0; k < 27; ++k) {
        filled |= Word{givens[static_cast<std::size_t>(band * 27 + k)] != 0} << k;
      }
      for (Word x = filled; x != 0; x &= x - 1) {
        const int k = std::countr_zero(x);
        own[givens[static_cast<std::size_t>(band * 27 + k)]][band] |= Word{1} << k;
      }
      empty[band] = kBand & ~filled;
    }
    for (int d = 0; d < 9; ++d) {
      const auto& mine = own[static_cast<std::size_t>(d + 1)];
      const unsigned columns = Columns(mine[0] | mine[1] | mine[2]);
      for (int band = 0; band < 3; ++band) {
        const Word g = mine[band];
        // The boxes of the band holding a given, as columns.
        const unsigned c = Columns(g);
        const unsigned boxes = ((c | c >> 1 | c >> 2) & 0x49u) * 7u;
        s_.cand[d][band] = (empty[band] & ~(RowsOf(g) | Spread(columns | boxes))) | g;
      }
    }
    s_.open = {kBand, kBand, kBand};
    dirty_ = 0x1FFu;
  }

  // Searches the board loaded last.
  SearchResult Run(int limit, std::span<Grid> keep, const SearchLimits& limits) {
    SearchResult result;
    int depth = 0;
    bool ok = Propagate();
    hard_ = std::popcount(s_.open[0]) + std::popcount(s_.open[1]) + std::popcount(s_.open[2]) >=
            kHardOpen;
    for (;;) {
      if (ok && (s_.open[0] | s_.open[1] | s_.open[2]) == 0) {
        if (result.solutions < static_cast<int>(keep.size())) {
          WriteGrid(keep[static_cast<std::size_t>(result.solutions)]);
        }
        if (result.solutions == 0) WriteGrid(result.first);
        if (++result.solutions >= limit) return result;
        ok = false;
      }
      if ((ok || depth > 0) && limits.Reached(result.guesses)) {
        result.stopped = true;
        return result;
      }
      int digit;
      if (ok) {
        // Take the first way of a branch; the frame keeps the board for
        // the others.
        Frame& frame = stack_[depth++];
        if (result.guesses >= kHardAfter) hard_ = true;
        Choose(frame);
        frame.state = s_;
        frame.next = 1;
        Store(s_.cand[frame.digit], LanesOf(s_.cand[frame.digit]) & LanesOf(frame.ways[0]));
        digit = frame.digit;
      } else {
        if (depth == 0) return result;
        Frame& frame = stack_[depth - 1];
        s_ = frame.state;
        Store(s_.cand[frame.digit],
              LanesOf(s_.cand[frame.digit]) & LanesOf(frame.ways[frame.next]));
        if (++frame.next == frame.count) --depth;  // the last way needs no saved board
        digit = frame.digit;
      }
      // One place propagates, whichever way came: the optimised copies
      // stay small.
      dirty_ = 1u << digit;
      ok = Propagate();
      ++result.guesses;
    }
  }

 private:
  // Each digit's three band words and a fourth, always zero, so that the
  // digits are counted a vector at a time (Lanes).
  struct State {
    alignas(16) std::array<Bands, 9> cand;  // cells each digit may take, by band
    alignas(16) Bands open;                 // cells not yet placed, by band
  };
  // A branch: the ways it splits one digit's band into, tried in turn.
  struct Frame {
    State state;
    std::array<Bands, 6> ways;  // masks of the digit's bands, one a way
    int count;
    int next;
    int digit;
  };

  // Brings one digit's three bands to a fixed point of the band matchings
  // and the column rules, then places the digit where a row has one place
  // left, taking those cells from the other digits. False on a
  // contradiction.
  bool Settle(int d) {
    auto& f = s_.cand[d];
    Word a = f[0], b = f[1], c = f[2];
    for (;;) {
      // Every word, changed or not: a word matched before comes back the
      // same, and a branch a word would be mispredicted half the time.
      a = Matched(a);
      b = Matched(b);
      c = Matched(c);
      if (a == 0 || b == 0 || c == 0) return false;
      // Scalar steps: taking the columns from a vector's lanes costs the
      // chain more time than it saves instructions.
      const unsigned ca = Columns(a), cb = Columns(b), cc = Columns(c);
      // The column rules look at the columns alone, and keep whole
      // columns: columns they left as they were before (every column
      // served) stay so.
      const Word columns = ca | cb << 9 | cc << 18;
      if (columns == steady_[d]) break;
      if ((ca | cb | cc) != kRow) return false;
      const Word pa = kPinned[ca], pb = kPinned[cb], pc = kPinned[cc];
      const Word na = a & kKeep[ca & ~(cb | cc)] & ~(pb | pc);
      const Word nb = b & kKeep[cb & ~(ca | cc)] & ~(pa | pc);
      const Word nc = c & kKeep[cc & ~(ca | cb)] & ~(pa | pb);
      if (((na ^ a) | (nb ^ b) | (nc ^ c)) == 0) {  // one branch
        steady_[d] = columns;
        break;
      }
      a = na;
      b = nb;
      c = nc;
    }
    f = {a, b, c};
    const Lanes placed = LoneLanes(Lanes{a, b, c, 0}) & LanesOf(s_.open);
    if (!Any(placed)) return true;
    // The placed cells leave every digit (without a branch a digit), then
    // come back to this one.
    Store(s_.open, LanesOf(s_.open) & ~placed);
    dirty_ |= TakeFromAll(placed);
    Store(f, LanesOf(f) | placed);
    dirty_ &= ~(1u << d);
    return true;
  }

  // Takes `placed` from every digit; returns the digits that had any of it.
  unsigned TakeFromAll(Lanes placed) {
#if GRIDORA_BAND_PEXT
    // Two digits a 256-bit vector. A lane sharing nothing with `placed`
    // sets its bit of the mask, four bits a digit (the fourth lane always
    // does): a digit met `placed` unless its four bits are all set.
    const __m128i p = reinterpret_cast<__m128i>(placed);
    const __m256i p2 = _mm256_broadcastsi128_si256(p);
    const __m256i zero = _mm256_setzero_si256();
    auto* cand = reinterpret_cast<__m256i*>(s_.cand.data());
    std::uint64_t clean = 0;
    for (int i = 0; i < 4; ++i) {
      const __m256i before = _mm256_loadu_si256(cand + i);
      _mm256_storeu_si256(cand + i, _mm256_andnot_si256(p2, before));
      const __m256i met = _mm256_cmpeq_epi32(_mm256_and_si256(before, p2), zero);
      const auto bits = static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(met)));
      clean |= std::uint64_t{bits} << (8 * i);
    }
    auto* last = reinterpret_cast<__m128i*>(s_.cand.data() + 8);
    const __m128i before = _mm_load_si128(last);
    _mm_store_si128(last, _mm_andnot_si128(p, before));
    const __m128i met = _mm_cmpeq_epi32(_mm_and_si128(before, p), _mm_setzero_si128());
    const auto bits = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(met)));
    clean |= std::uint64_t{bits} << 32;
    const std::uint64_t kept = ~clean;
    return static_cast<unsigned>(
        _pext_u64(kept | kept >> 1 | kept >> 2 | kept >> 3, 0x111111111ull));
#else
    unsigned met = 0;
    for (int e = 0; e < 9; ++e) {
      const Lanes before = LanesOf(s_.cand[e]);
      Store(s_.cand[e], before & ~placed);
      met |= unsigned{Meet(before, placed)} << e;
    }
    return met;
#endif
  }

  // Settles the digits that changed, then places the cells with one digit
  // left, until nothing changes. False on a contradiction.
  bool Propagate() {
    bool linesDone = false;
    for (;;) {
      while (dirty_ != 0) {
        const int d = std::countr_zero(dirty_);
        dirty_ &= dirty_ - 1;
        if (!Settle(d)) return false;
      }
      Lanes once{}, twice{};
      for (const Bands& bands : s_.cand) {
        const Lanes x = LanesOf(bands);
        twice |= once & x;
        once |= x;
      }
      // A cell that no digit can take.
      const Lanes lacking = once ^ kAllLanes;
      if ((lacking[0] | lacking[1] | lacking[2]) != 0) return false;
      const Lanes singles = once & ~twice & LanesOf(s_.open);
      bool found = false;
      for (int band = 0; band < 3; ++band) {
        const Word single = singles[band];
        if (single == 0) continue;
        found = true;
        for (int d = 0; d < 9; ++d) {
          Word& f = s_.cand[d][band];
          const Word mine = f & single;
          if (mine == 0) continue;
          // Two of them in one row would leave one cell empty.
          if (Lone(mine) != mine) return false;
          f &= ~RowsOf(mine) | mine;
          dirty_ |= 1u << d;
        }
      }
      if (!found) {
        // Mini-lines cost more than they save on easy boards: only once a
        // search has guessed a while, and once a propagation.
        if (!hard_ || linesDone) return true;
        linesDone = true;
        bool changed = false;
        if (!MiniLines(changed)) return false;
        if (!changed) return true;
      }
    }
  }

  // A mini-line, the three cells where a box meets a row or a column,
  // holds three different digits. When only three digits can go there,
  // each of them must; when three digits must, no other can. False on a
  // contradiction (fewer than three can, more than three must).
  bool MiniLines(bool& changed) {
    // Per digit and band (fields band * 9 on): the segments of the rows
    // and, 32 bits up, the columns it may take; the segments it must take
    // (a row left in one box) and, 32 bits up, the columns only this band
    // can give it. Tallied over the digits, all bands at once.
    std::array<std::uint64_t, 9> can, must;
    Tally canTally, mustTally;
    for (int d = 0; d < 9; ++d) {
      const auto& f = s_.cand[static_cast<std::size_t>(d)];
      const std::uint64_t rows = Segments(f[0]) | Segments(f[1]) << 9 | Segments(f[2]) << 18;
      const Lanes lanes = Columns(LanesOf(f));
      const std::uint64_t columns = lanes[0] | lanes[1] << 9 | std::uint64_t{lanes[2]} << 18;
      can[d] = rows | columns << 32;
      must[d] = PinnedGroups(rows) | (columns & ~OtherBands(columns)) << 32;
      canTally.Add(can[d]);
      mustTally.Add(must[d]);
    }
    // Every mini-line needs three digits that can go there, and takes no
    // more than three that must.
    if ((canTally.three & canTally.three >> 32 & kBands) != kBands || mustTally.four != 0) {
      return false;
    }
    const std::uint64_t canThree = canTally.Three(), mustThree = mustTally.Three();
    const auto set = [&](int d, int band, Word keep) {
      Word& f = s_.cand[d][band];
      if ((f & keep) == f) return;
      f &= keep;
      dirty_ |= 1u << d;
      changed = true;
    };
    for (int band = 0; band < 3; ++band) {
      const int o1 = band == 0 ? 1 : 0, o2 = band == 2 ? 1 : 2;
      const int low = 9 * band, high = 32 + 9 * band;
      const auto field = [](std::uint64_t x, int at) {
        return static_cast<unsigned>(x >> at) & kRow;
      };
      // A mini-line whose cells are all placed holds its three digits
      // already: nothing follows from it.
      const unsigned openRows = Segments(s_.open[band]), openColumns = Columns(s_.open[band]);
      const unsigned rowsThree = field(canThree, low) & openRows;
      const unsigned columnsThree = field(canThree, high) & openColumns;
      const unsigned rowsMustThree = field(mustThree, low) & openRows;
      const unsigned columnsMustThree = field(mustThree, high) & openColumns;
      if ((rowsThree | columnsThree | rowsMustThree | columnsMustThree) == 0) continue;
      for (int d = 0; d < 9; ++d) {
        const unsigned r = field(can[d], low), c = field(can[d], high);
        const unsigned pinned = field(must[d], low), mine = field(must[d], high);
        Word keep = kHoldAt[r & rowsThree] & ~kSegmentCells[rowsMustThree & r & ~pinned];
        const unsigned held = c & columnsThree;
        keep &= kKeep[held] & ~Spread(columnsMustThree & c & ~mine);
        set(d, band, keep);
        if (held != 0) {
          set(d, o1, ~Spread(held));
          set(d, o2, ~Spread(held));
        }
      }
    }
    return true;
  }

  // The cell branch: an open cell with two digits left if there is one,
  // else the open cell with the fewest; its lowest digit there, or not.
  void ChooseCell(Frame& frame) const {
    Lanes once{}, twice{}, thrice{};
    for (const Bands& bands : s_.cand) {
      const Lanes x = LanesOf(bands);
      thrice |= twice & x;
      twice |= once & x;
      once |= x;
    }
    const Lanes twos = twice & ~thrice & LanesOf(s_.open);
    int bestBand = -1, best = 10;
    Word bestBit = 0;
    for (int band = 0; band < 3 && best > 2; ++band) {
      const Word two = twos[band];
      if (two != 0) {
        bestBand = band;
        bestBit = two & (~two + 1);
        best = 2;
        break;
      }
      FewestDigits(s_.open[band], s_.cand, band, best, bestBand, bestBit);
    }
    int d = 0;
    while ((s_.cand[d][bestBand] & bestBit) == 0) ++d;
    frame.digit = d;
    frame.ways[0] = frame.ways[1] = {~Word{0}, ~Word{0}, ~Word{0}, 0};
    frame.ways[0][bestBand] = ~RowOf(bestBit) | bestBit;
    frame.ways[1][bestBand] = ~bestBit;
    frame.count = 2;
  }

  // The band branch: one digit's row-box matchings in one band.
  void ChooseBand(Frame& frame, int d, int band) const {
    const unsigned m = Segments(s_.cand[d][band]);
    frame.digit = d;
    frame.count = 0;
    for (const Word cells : kMatchingCells) {
      if ((Segments(cells) & m) != Segments(cells)) continue;
      Bands& way = frame.ways[frame.count++];
      way = {~Word{0}, ~Word{0}, ~Word{0}, 0};
      way[band] = cells;
    }
  }

  // The branch: the band whose digits have the fewest matchings left in
  // all, and there the digit with the fewest (more than one); a cell when
  // every digit has its matching fixed in every band.
  void Choose(Frame& frame) const {
    // Without the mini-lines, fixing matchings can go far into a dead end
    // on a sparse board before any cell runs dry.
    if (!hard_) return ChooseCell(frame);
    std::array<std::array<int, 3>, 9> count;
    int bestBand = -1, bestSum = 9 * 6 + 1;
    for (int band = 0; band < 3; ++band) {
      int sum = 0;
      bool open = false;
      for (int d = 0; d < 9; ++d) {
        count[d][band] = kMatchings[Segments(s_.cand[d][band])];
        sum += count[d][band];
        open = open || count[d][band] > 1;
      }
      if (open && sum < bestSum) {
        bestSum = sum;
        bestBand = band;
      }
    }
    if (bestBand < 0) return ChooseCell(frame);
    int best = 0;
    for (int d = 1; d < 9; ++d) {
      const int n = count[d][bestBand];
      if (n > 1 && (count[best][bestBand] < 2 || n < count[best][bestBand])) best = d;
    }
    ChooseBand(frame, best, bestBand);
  }

  void WriteGrid(Grid& grid) const {
    grid.fill(0);
    for (int d = 0; d < 9; ++d) {
      for (int band = 0; band < 3; ++band) {
        for (Word x = s_.cand[d][band]; x != 0; x &= x - 1) {
          grid[static_cast<std::size_t>(band * 27 + std::countr_zero(x))] =
              static_cast<std::uint8_t>(d + 1);
        }
      }
    }
  }

  bool hard_ = false;  // see kHardAfter and kHardOpen
  // Each digit's columns (band * 9 on) that the column rules left as they
  // were last; a mask no board has to begin with.
  std::array<Word, 9> steady_ = [] {
    std::array<Word, 9> t{};
    t.fill(~Word{0});
    return t;
  }();
  State s_;
  unsigned dirty_ = 0;  // digits whose bands changed since they were settled
  // A frame stays while a way other than its last is taken: that way places
  // a cell (81) or fixes a digit's matching in a band (27).
  std::array<Frame, 81 + 27> stack_;
};
