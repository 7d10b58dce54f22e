// SPDX-License-Identifier: MIT
#include "aids/hint.h"

#include <algorithm>
#include <bit>
#include <optional>

#include "aids/board_aids.h"
#include "core/board.h"
#include "core/text.h"
#include "solver/deduction.h"
#include "solver/finish_solve.h"

namespace gridora {

namespace {

constexpr const char* kHintPrefix = "ヒント：";

// The last two characters of the number with its sign blank: 5 -> " 5".
std::string TwoColumns(int value) {
  const std::string text = NumberText(value);
  return text.substr(text.size() - 2);
}

// One coordinate as the location text writes it: "x =  5" on 9 x 9,
// "x = 5" and "x =12" on 16 x 16.
std::string Axis(const char* name, int value, int boardSize) {
  return std::string(name) + (boardSize == 9 ? " = " : " =") + TwoColumns(value);
}

// "y =  3 の行", "x =  5 の列", "( x =  4～ 6, y =  1～ 3) のブロック".
std::string UnitName(int kind, int unit, int boardSize) {
  if (kind == 0) return Axis("y", unit + 1, boardSize) + " の行";
  if (kind == 1) return Axis("x", unit + 1, boardSize) + " の列";
  const int side = BoxSideOf(boardSize);
  const int x = unit % side * side + 1;
  const int y = unit / side * side + 1;
  return "( " + Axis("x", x, boardSize) + "～" + TwoColumns(x + side - 1) + ", " +
         Axis("y", y, boardSize) + "～" + TwoColumns(y + side - 1) + (boardSize == 9 ? ")" : " )") +
         " のブロック";
}

// The search on the solver's candidate grid. It calls the solver's unit
// passes one unit at a time and compares the candidates before and after,
// so a step is exactly what the solver's pass would do on that unit.
//
// When the step needs candidates removed first, the removals that the step
// does not need are dropped again (each in turn, latest first, replaying
// the rest), so that the sentence names only the removals it rests on.
template <int N>
class HintSearch : private Deduction<N> {
 public:
  explicit HintSearch(const AppState& state) : Deduction<N>(nullptr), state_(state) {}

  Hint Run() {
    if (FindRepetition()) return Finish();
    Load();
    bool filled = true;
    for (int cell = 0; cell < C; ++cell) filled = filled && !Open(cell);
    for (;;) {
      std::vector<Finding> found;
      if (const std::optional<Finding> contradiction = FindContradiction()) {
        found.push_back(*contradiction);
      } else if (filled) {
        hint_.kind = Hint::Kind::Complete;
        hint_.text = std::string(kHintPrefix) + "すべてのマスが埋まっています";
        return Finish();
      } else {
        found = FindPlacements();
      }
      if (!found.empty()) {
        Tell(removals_.empty() ? found.front() : FewestRemovals(found));
        return Finish();
      }
      if (!Eliminate()) break;
    }
    hint_.kind = Hint::Kind::NeedsHypothesis;
    hint_.text = std::string(kHintPrefix) + "論理だけでは次の数字が決まらないので、仮定が必要です";
    return Finish();
  }

 private:
  using Base = Deduction<N>;
  using G = Geometry<N>;
  using Unit = typename Base::Unit;
  using Masks = typename Base::Masks;
  using Base::cand_;
  using Base::positions_;
  static constexpr int C = N * N;

  enum class Pass { NakedPair, HiddenPair, LockedCandidates };

  // One pattern a unit pass used to remove candidates: the removals kept
  // are those of `digits` from the cells of `scope` (every cell when empty).
  struct Removal {
    Pass pass;
    int kind;
    int unit;
    CandMask digits = 0;
    std::vector<int> scope;
  };

  // How a pattern is told: its cells and its clause.
  struct Pattern {
    Removal removal;
    std::vector<int> cells;
    std::string text;  // ends in "ので、"
  };

  // What the search found: a cell with one candidate, a digit with one
  // place in a unit, a cell without candidates or a digit without a place.
  struct Finding {
    Hint::Kind kind;
    int cell = -1;      // the cell to fill, or the cell without candidates
    int digit = 0;      // its digit, or the digit without a place
    int unitKind = -1;  // the unit of a hidden single or of a digit without a place
    int unit = -1;
  };

  int DigitAt(int cell) const { return DigitOf(state_.Board[static_cast<std::size_t>(cell)]); }
  bool Open(int cell) const { return DigitAt(cell) == 0; }
  CandMask& Cand(int cell) { return cand_[static_cast<std::size_t>(cell)]; }
  static const Unit& UnitCells(int kind, int unit) {
    return G::kUnits[static_cast<std::size_t>(kind)][static_cast<std::size_t>(unit)];
  }
  // The position of `cell` in its unit of `kind`.
  static std::size_t PositionOf(int cell, int kind) {
    const Unit& cells = UnitCells(kind, G::UnitOf(cell, kind));
    return static_cast<std::size_t>(std::find(cells.begin(), cells.end(), cell) - cells.begin());
  }
  static CandMask Bit(int digit) { return BitMask[static_cast<std::size_t>(digit - 1)]; }
  std::string Loc(int cell) const { return LocationText(cell, N); }
  std::string Char(int digit) const { return CharacterOf(state_, digit); }
  std::string Name(int kind, int unit) const { return UnitName(kind, unit, N); }
  std::string Prefix() const { return kHintPrefix + reasonText_; }

  // Two equal digits in one unit: the first cell in cell order and its
  // nearest later partner.
  bool FindRepetition() {
    for (int a = 0; a < C; ++a) {
      const int digit = DigitAt(a);
      if (digit == 0) continue;
      int partner = C;
      for (int kind = 0; kind < kUnitKinds; ++kind) {
        for (const int peer : UnitCells(kind, G::UnitOf(a, kind))) {
          if (peer > a && peer < partner && DigitAt(peer) == digit) partner = peer;
        }
      }
      if (partner == C) continue;
      hint_.kind = Hint::Kind::Contradiction;
      hint_.focus = {a, partner};
      hint_.text = Prefix() + Loc(a) + " と " + Loc(partner) + " に同じ " + Char(digit) +
                   " があり、矛盾しています";
      return true;
    }
    return false;
  }

  // Filled cells keep their digit (none for a digit beyond the board);
  // empty ones get the digits their row, column and box leave.
  void Load() {
    const CandidateMasks open = CandidatesOf(state_.Board, N);
    for (int cell = 0; cell < C; ++cell) {
      const int digit = DigitAt(cell);
      Cand(cell) = digit == 0   ? open[static_cast<std::size_t>(cell)]
                   : digit <= N ? Bit(digit)
                                : CandMask{0};
    }
  }

  // The cells of a unit that still have `digit`, as positions.
  CandMask PlacesOf(int kind, int unit, int digit) {
    CandMask places = 0;
    const Unit& cells = UnitCells(kind, unit);
    for (int k = 0; k < N; ++k) {
      if ((Cand(cells[static_cast<std::size_t>(k)]) & Bit(digit)) != 0) {
        places = static_cast<CandMask>(places | BitMask[static_cast<std::size_t>(k)]);
      }
    }
    return places;
  }

  std::optional<Finding> FindContradiction() {
    for (int cell = 0; cell < C; ++cell) {
      if (Cand(cell) == 0) return Finding{Hint::Kind::Contradiction, cell};
    }
    for (int kind = 0; kind < kUnitKinds; ++kind) {
      for (int unit = 0; unit < N; ++unit) {
        for (int digit = 1; digit <= N; ++digit) {
          if (PlacesOf(kind, unit, digit) == 0) {
            return Finding{Hint::Kind::Contradiction, -1, digit, kind, unit};
          }
        }
      }
    }
    return std::nullopt;
  }

  // Every cell with one candidate, in cell order, then every digit with
  // one place in a row, a column or a box (rows first, then columns, then
  // boxes), found with the solver's own table of digit positions.
  std::vector<Finding> FindPlacements() {
    std::vector<Finding> found;
    for (int cell = 0; cell < C; ++cell) {
      const int digit = MaskDigit(Cand(cell));
      if (Open(cell) && digit > 0) found.push_back({Hint::Kind::Single, cell, digit});
    }
    for (int kind = 0; kind < kUnitKinds; ++kind) {
      for (int unit = 0; unit < N; ++unit) {
        const Unit& cells = UnitCells(kind, unit);
        this->BuildDigitPositions(cells);
        for (int d = 0; d < N; ++d) {
          const int position = MaskDigit(positions_[static_cast<std::size_t>(d)]) - 1;
          if (position < 0) continue;
          const int cell = cells[static_cast<std::size_t>(position)];
          if (Open(cell) && MaskDigit(Cand(cell)) == 0) {
            found.push_back({Hint::Kind::HiddenSingle, cell, d + 1, kind, unit});
          }
        }
      }
    }
    return found;
  }

  // Whether the finding still stands on the candidates as they are now.
  bool Holds(const Finding& f) {
    switch (f.kind) {
      case Hint::Kind::Single:
        return Cand(f.cell) == Bit(f.digit);
      case Hint::Kind::HiddenSingle:
        return PlacesOf(f.unitKind, f.unit, f.digit) == BitMask[PositionOf(f.cell, f.unitKind)];
      default:
        return f.cell >= 0 ? Cand(f.cell) == 0 : PlacesOf(f.unitKind, f.unit, f.digit) == 0;
    }
  }

  // Writes the finding into the hint, after the reasons of the removals.
  void Tell(const Finding& f) {
    hint_.kind = f.kind;
    const bool reasoned = !reasonText_.empty();
    if (f.kind == Hint::Kind::Contradiction) {
      if (f.cell >= 0) {
        hint_.focus = {f.cell};
        hint_.text = Prefix() + Loc(f.cell) + " に入る数字がなく、矛盾しています";
      } else {
        const Unit& cells = UnitCells(f.unitKind, f.unit);
        hint_.focus.assign(cells.begin(), cells.end());
        hint_.text = Prefix() + Name(f.unitKind, f.unit) + "に " + Char(f.digit) +
                     " が入るマスがなく、矛盾しています";
      }
      return;
    }
    hint_.cell = f.cell;
    hint_.digit = f.digit;
    hint_.focus = {f.cell};
    const std::string digit = Char(f.digit);
    if (f.kind == Hint::Kind::HiddenSingle) {
      const Unit& cells = UnitCells(f.unitKind, f.unit);
      hint_.support.insert(hint_.support.end(), cells.begin(), cells.end());
      hint_.text = Prefix() + Name(f.unitKind, f.unit) + "で " + digit + " が入るのは " +
                   Loc(f.cell) + " だけです";
    } else if (reasoned) {
      hint_.text = Prefix() + Loc(f.cell) + " に入る数字は " + digit + " だけです";
    } else {
      hint_.text = Prefix() + Loc(f.cell) + " の行・列・ブロックには " + digit +
                   " 以外の数字がすべてあるので、ここは " + digit + " です";
    }
  }

  // The solver's pass on one unit. The passes that run before it in the
  // solver's order are left out: when the search reaches a pass they have
  // nothing left to do, and when a step is replayed without a removal it
  // does not need, they must not do that removal behind its back.
  void RunPass(const Removal& removal) {
    const Unit& cells = UnitCells(removal.kind, removal.unit);
    if (removal.pass == Pass::NakedPair) {
      this->NakedPair(cells);
      return;
    }
    this->BuildDigitPositions(cells);
    if (removal.pass == Pass::HiddenPair) {
      this->HiddenPair();
      this->ApplyDigitPositions(cells);
    } else {
      this->LockedCandidates(removal.kind, cells);
    }
  }

  // Undoes every removal since `before` that `removal` does not cover, so
  // that one pass removes what one pattern removes.
  void KeepOnly(const Removal& removal, const Masks& before) {
    for (int cell = 0; cell < C; ++cell) {
      const auto i = static_cast<std::size_t>(cell);
      const bool inScope =
          removal.scope.empty() ||
          std::find(removal.scope.begin(), removal.scope.end(), cell) != removal.scope.end();
      const CandMask kept = inScope ? removal.digits : CandMask{0};
      cand_[i] = static_cast<CandMask>(before[i] & ~(before[i] & ~cand_[i] & kept));
    }
  }

  // Lets the first pattern of the first unit pass that removes candidates
  // do so. False when no pass removes anything.
  bool Eliminate() {
    for (const Pass pass : {Pass::NakedPair, Pass::HiddenPair, Pass::LockedCandidates}) {
      for (int kind = 0; kind < kUnitKinds; ++kind) {
        for (int unit = 0; unit < N; ++unit) {
          const Masks before = cand_;
          const Removal any{pass, kind, unit, 0, {}};
          RunPass(any);
          if (cand_ == before) continue;
          const std::optional<Pattern> pattern = FirstPattern(any, before);
          if (!pattern) continue;  // never: a pass removes only through a pattern
          KeepOnly(pattern->removal, before);
          removals_.push_back(pattern->removal);
          return true;
        }
      }
    }
    return false;
  }

  // Of the first findings, the one that rests on the fewest removals (the
  // earliest of those); keeps just the removals it needs, replayed and told.
  Finding FewestRemovals(const std::vector<Finding>& found) {
    constexpr std::size_t kLooked = 8;  // enough choice, bounded work
    const std::vector<Removal> all = removals_;
    std::size_t best = 0;
    for (std::size_t i = 0; i < found.size() && i < kLooked; ++i) {
      std::vector<Removal> needed = NeededRemovals(found[i], all);
      if (i == 0 || needed.size() < removals_.size()) {
        best = i;
        removals_ = std::move(needed);
      }
    }
    Replay(removals_, true);
    return found[best];
  }

  // Drops from `removals` every removal the finding stands without, each in
  // turn, latest first. The last removal stays: before it nothing was found.
  std::vector<Removal> NeededRemovals(const Finding& f, std::vector<Removal> removals) {
    for (std::size_t i = removals.size() - 1; i-- > 0;) {
      std::vector<Removal> fewer = removals;
      fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
      Replay(fewer, false);
      if (Holds(f)) removals = std::move(fewer);
    }
    return removals;
  }

  void Replay(const std::vector<Removal>& removals, bool tell) {
    Load();
    for (const Removal& removal : removals) {
      const Masks before = cand_;
      RunPass(removal);
      KeepOnly(removal, before);
      if (!tell || cand_ == before) continue;
      if (const std::optional<Pattern> pattern = FirstPattern(removal, before)) {
        hint_.reason = removal.pass == Pass::NakedPair    ? Hint::Reason::NakedPair
                       : removal.pass == Pass::HiddenPair ? Hint::Reason::HiddenPair
                                                          : Hint::Reason::LockedCandidates;
        hint_.support.insert(hint_.support.end(), pattern->cells.begin(), pattern->cells.end());
        reasonText_ += pattern->text;
      }
    }
  }

  // The first pattern through which the pass on `r`'s unit removed
  // candidates from `before` to now; with `r.digits` set, the first one
  // that removes those digits (or, for a hidden pair, keeps those cells).
  std::optional<Pattern> FirstPattern(const Removal& r, const Masks& before) {
    if (r.pass == Pass::NakedPair) return NakedPairOf(r, before);
    if (r.pass == Pass::HiddenPair) return HiddenPairOf(r, before);
    return LockedOf(r, before);
  }

  // Neighbouring positions with the same two candidates that another cell
  // of the unit shares.
  std::optional<Pattern> NakedPairOf(const Removal& r, const Masks& before) {
    const Unit& cells = UnitCells(r.kind, r.unit);
    for (int k = 0; k + 1 < N; ++k) {
      const CandMask pair = before[cells[static_cast<std::size_t>(k)]];
      if (before[cells[static_cast<std::size_t>(k + 1)]] != pair || PopCount(pair, N) != 2) {
        continue;
      }
      if (r.digits != 0 && r.digits != pair) continue;
      bool shared = false;
      for (int m = 0; m < N; ++m) {
        shared = shared ||
                 (m != k && m != k + 1 && (before[cells[static_cast<std::size_t>(m)]] & pair) != 0);
      }
      if (!shared) continue;
      const int a = cells[static_cast<std::size_t>(k)];
      const int b = cells[static_cast<std::size_t>(k + 1)];
      const int low = std::countr_zero(static_cast<unsigned>(pair)) + 1;
      const int high = std::bit_width(static_cast<unsigned>(pair));
      return Pattern{{r.pass, r.kind, r.unit, pair, {}},
                     {a, b},
                     Loc(a) + " と " + Loc(b) + " には " + Char(low) + " と " + Char(high) +
                         " しか入らないので、"};
    }
    return std::nullopt;
  }

  // Neighbouring digits with the same two positions that another digit
  // shares, in the positions of the candidates before.
  std::optional<Pattern> HiddenPairOf(const Removal& r, const Masks& before) {
    const Masks after = cand_;
    cand_ = before;
    const Unit& cells = UnitCells(r.kind, r.unit);
    this->BuildDigitPositions(cells);
    cand_ = after;
    for (int d = 0; d + 1 < N; ++d) {
      const CandMask set = positions_[static_cast<std::size_t>(d)];
      if (positions_[static_cast<std::size_t>(d + 1)] != set || PopCount(set, N) != 2) continue;
      bool shared = false;
      for (int f = 0; f < N; ++f) {
        shared =
            shared || (f != d && f != d + 1 && (positions_[static_cast<std::size_t>(f)] & set));
      }
      if (!shared) continue;
      const int a = cells[static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(set)))];
      const int b = cells[static_cast<std::size_t>(std::bit_width(static_cast<unsigned>(set)) - 1)];
      if (!r.scope.empty() && r.scope != std::vector<int>{a, b}) continue;
      return Pattern{{r.pass, r.kind, r.unit, G::kFull, {a, b}},
                     {a, b},
                     Name(r.kind, r.unit) + "で " + Char(d + 1) + " と " + Char(d + 2) +
                         " が入るのは " + Loc(a) + " と " + Loc(b) + " だけなので、"};
    }
    return std::nullopt;
  }

  // A digit the pass removed, the cells of the unit it is confined to, and
  // the unit it was removed from.
  std::optional<Pattern> LockedOf(const Removal& r, const Masks& before) {
    for (int digit = 1; digit <= N; ++digit) {
      if (r.digits != 0 && r.digits != Bit(digit)) continue;
      bool removed = false;
      for (int cell = 0; cell < C; ++cell) {
        removed = removed || (before[static_cast<std::size_t>(cell)] & ~Cand(cell) & Bit(digit));
      }
      if (!removed) continue;
      std::vector<int> confined;
      for (const int cell : UnitCells(r.kind, r.unit)) {
        if ((before[static_cast<std::size_t>(cell)] & Bit(digit)) != 0) confined.push_back(cell);
      }
      // A line's digit is confined to a box; a box's digit to a row or a
      // column (two places or more never share both).
      const int first = confined.front();
      int target = 2;
      if (r.kind == 2) {
        target = std::all_of(confined.begin(), confined.end(),
                             [&](int cell) { return G::RowOf(cell) == G::RowOf(first); })
                     ? 0
                     : 1;
      }
      std::string where = Name(target, G::UnitOf(first, target));
      if (target == 2) where += "の中";
      return Pattern{
          {r.pass, r.kind, r.unit, Bit(digit), {}},
          confined,
          Name(r.kind, r.unit) + "で " + Char(digit) + " が入るのは " + where + "だけなので、"};
    }
    return std::nullopt;
  }

  // Support without duplicates and without the focus.
  Hint Finish() {
    std::vector<int>& support = hint_.support;
    std::sort(support.begin(), support.end());
    support.erase(std::unique(support.begin(), support.end()), support.end());
    std::erase_if(support, [&](int cell) {
      return std::find(hint_.focus.begin(), hint_.focus.end(), cell) != hint_.focus.end();
    });
    std::sort(hint_.focus.begin(), hint_.focus.end());
    return std::move(hint_);
  }

  const AppState& state_;
  Hint hint_;
  std::vector<Removal> removals_;  // the unit passes that removed candidates, in order
  std::string reasonText_;         // their reasons, each ending in "ので、"
};

}  // namespace

Hint NextHint(const AppState& state) {
  if (state.BoardSize == 16) return HintSearch<16>(state).Run();
  return HintSearch<9>(state).Run();
}

}  // namespace gridora
