// SPDX-License-Identifier: MIT
#include "logic/describe.h"

#include <algorithm>
#include <map>

#include "solver/finish_solve.h"

namespace gridora::logic {

namespace {

std::string TwoColumns(int value) {
  const std::string text = (value < 10 ? " " : "") + std::to_string(value);
  return text;
}

std::string Axis(const char* name, int value, int n) {
  return std::string(name) + (n == 9 ? " = " : " =") + TwoColumns(value);
}

class Teller {
 public:
  Teller(const Step& step, int n, const DigitText& digitText)
      : s_(step), n_(n), geo_(GeometryOf(n)), digitText_(digitText) {}

  std::string Tell() const {
    const Step& s = s_;
    switch (s.technique) {
      case Technique::HiddenSingle:
        return UnitText(s.units.front(), n_) + "で " + D(s.digit) + " が入るのは " +
               L(s.cells.front()) + " だけです";
      case Technique::NakedSingle:
        return L(s.cells.front()) + " に入る数字は " + D(s.digit) + " だけです";
      case Technique::Pointing:
      case Technique::Claiming:
        return Locked() + Removed() + Name();
      case Technique::DirectPointing:
      case Technique::DirectClaiming:
        return Locked() + Direct() + Name();
      case Technique::NakedPair:
      case Technique::NakedTriple:
      case Technique::NakedQuad:
        return Cells(s.cells) + " には " + Digits(PatternDigits()) + " しか入らないので、" +
               Removed() + Name();
      case Technique::HiddenPair:
      case Technique::HiddenTriple:
      case Technique::HiddenQuad:
        return Hidden() + Removed() + Name();
      case Technique::DirectHiddenPair:
      case Technique::DirectHiddenTriple:
        return Hidden() + Direct() + Name();
      case Technique::XWing:
      case Technique::Swordfish:
      case Technique::Jellyfish:
        return Fish() + Removed() + Name();
      case Technique::XYWing:
      case Technique::XYZWing:
        return Wing() + Removed() + Name();
      case Technique::Skyscraper:
      case Technique::TwoStringKite:
      case Technique::TurbotFish:
      case Technique::ThreeLinks:
      case Technique::FourLinks:
        return Links() + Removed() + Name();
      case Technique::UniqueRectangle:
      case Technique::UniqueLoop:
        if (!s.subset.empty()) return RoofSubset() + Removed() + Name();
        return Cells(s.cells) + " が " + Digits(RectangleDigits()) +
               " だけになると二通りに入れ替えられて解が一つに決まらないので、" + Removed() + Name();
      case Technique::WXYZWing:
      case Technique::VWXYZWing:
      case Technique::UVWXYZWing:
        return AlsWing() + Removed() + Name();
      case Technique::GroupedLinks:
        return GroupedLinks() + Removed() + Name();
      case Technique::XCycle:
      case Technique::YCycle:
      case Technique::XYCycle:
        return Cycle() + Removed() + Name();
      case Technique::Bug:
        if (!s.placements.empty()) {
          return L(s.cells.front()) + " 以外のマスは候補が二つずつなので、ここが " + D(s.digit) +
                 " でないと解が一つに決まらず、" + L(s.cells.front()) + " は " + D(s.digit) +
                 " です" + Name();
        }
        return Cells(s.cells) + " 以外のマスは候補が二つずつなので、" + Extras() +
               " のどれかが入らないと解が一つに決まらないので、" + Removed() + Name();
      default:
        return Chains() + Name();
    }
  }

 private:
  std::string D(int digit) const { return digitText_ ? digitText_(digit) : std::to_string(digit); }
  std::string L(int cell) const { return LocationText(cell, n_); }
  std::string Cells(const std::vector<int>& cells) const {
    std::string out;
    for (int c : cells) out += (out.empty() ? "" : "・") + L(c);
    return out;
  }
  std::string Digits(Mask m) const {
    std::string out;
    for (; m; m &= m - 1) out += (out.empty() ? "" : "・") + D(Lowest(m));
    return out;
  }
  // "( x = 4, y = 4) の 9・( x = 6, y = 8) の 3": the candidates of the pattern.
  std::string Extras() const {
    std::string out;
    for (const Candidate& c : s_.pattern)
      out += (out.empty() ? "" : "・") + L(c.cell) + " の " + D(c.digit);
    return out;
  }
  std::string Name() const { return "（" + std::string(TechniqueName(s_.technique)) + "）"; }
  Mask PatternDigits() const {
    Mask m = 0;
    for (const Candidate& c : s_.pattern) m |= Bit(c.digit);
    return m;
  }
  Mask RectangleDigits() const {
    Mask m = ~Mask{0};
    for (int cell : s_.cells) {
      Mask here = 0;
      for (const Candidate& c : s_.pattern) {
        if (c.cell == cell) here |= Bit(c.digit);
      }
      m &= here;
    }
    return m;
  }
  // The roof of a unique rectangle or loop, one cell of a naked subset of
  // its extra digits or a hidden one of the pattern's two digits.
  std::string RoofSubset() const {
    const Mask pair = RectangleDigits();
    std::vector<int> roof;
    Mask extras = 0;
    Mask subset = 0;
    for (const Candidate& c : s_.pattern) {
      const bool inPattern = std::find(s_.cells.begin(), s_.cells.end(), c.cell) != s_.cells.end();
      if (!inPattern) {
        subset |= Bit(c.digit);
      } else if ((Bit(c.digit) & pair) == 0) {
        extras |= Bit(c.digit);
        if (std::find(roof.begin(), roof.end(), c.cell) == roof.end()) roof.push_back(c.cell);
      }
    }
    const std::string start = Cells(s_.cells) + " が " + Digits(pair) +
                              " だけになると二通りに入れ替えられて解が一つに決まらないため、";
    const std::string unit = UnitText(s_.units.front(), n_);
    if (s_.hiddenSubset) {
      return start + Cells(roof) + " の両方に " + Digits(pair) + " が入ることはなく、" + unit +
             "で " + Digits(pair | subset) + " が入るのは " + Cells(roof) + " の片方のほかに " +
             Cells(s_.subset) + " だけなので、";
    }
    return start + Cells(roof) + " のどちらかには " + Digits(extras) + " のどれかが入ります。" +
           unit + "では " + Cells(s_.subset) + " と合わせて " + Digits(extras | subset) +
           " が埋まるので、";
  }
  // "( x = 1, y = 2)・( x = 4, y = 2) から 5 を、… を消せます"; placements follow.
  std::string Removed() const {
    std::map<int, std::vector<int>> byDigit;
    for (const Candidate& r : s_.removals) byDigit[r.digit].push_back(r.cell);
    std::string out;
    for (const auto& [digit, cells] : byDigit) {
      out += (out.empty() ? "" : "、") + Cells(cells) + " から " + D(digit) + " を";
    }
    if (!out.empty()) out += "消せます";
    for (const Candidate& p : s_.placements) {
      out += (out.empty() ? "" : "。") + L(p.cell) + " は " + D(p.digit) + " です";
    }
    return out;
  }
  std::string Direct() const {
    const Candidate& p = s_.placements.front();
    std::map<int, std::vector<int>> byDigit;
    std::string out;
    for (const Candidate& r : s_.removals) byDigit[r.digit].push_back(r.cell);
    for (const auto& [digit, cells] : byDigit) {
      out += (out.empty() ? "" : "、") + Cells(cells) + " から " + D(digit) + " を";
    }
    return out + "消すと、" + L(p.cell) + " に入る " + D(p.digit) + " が決まります";
  }
  std::string Locked() const {
    const int unit = s_.units.front();
    const int first = s_.cells.front();
    std::string where;
    const auto& units = geo_.unitsOf[static_cast<std::size_t>(first)];
    for (int slot = 0; slot < 3; ++slot) {
      const int other = units[static_cast<std::size_t>(slot)];
      if (other == unit) continue;
      const bool all = std::all_of(s_.cells.begin(), s_.cells.end(), [&](int c) {
        return geo_.unitsOf[static_cast<std::size_t>(c)][static_cast<std::size_t>(slot)] == other;
      });
      if (all &&
          ((KindOf(geo_, unit) == UnitKind::Box) != (KindOf(geo_, other) == UnitKind::Box))) {
        where = UnitText(other, n_);
        break;
      }
    }
    return UnitText(unit, n_) + "で " + D(s_.digit) + " が入るのは " + where +
           "との重なりだけなので、";
  }
  std::string Hidden() const {
    return UnitText(s_.units.front(), n_) + "で " + Digits(PatternDigits()) + " が入るのは " +
           Cells(s_.cells) + " だけなので、";
  }
  std::string Fish() const {
    const std::size_t k = s_.units.size() / 2;
    std::string base;
    std::string cover;
    for (std::size_t i = 0; i < k; ++i) {
      base += (base.empty() ? "" : "と ") + UnitText(s_.units[i], n_);
      cover += (cover.empty() ? "" : "と ") + UnitText(s_.units[k + i], n_);
    }
    return base + "で " + D(s_.digit) + " が入るのは " + cover + "との交点だけなので、";
  }
  std::string Wing() const {
    const int pivot = s_.cells[0];
    return L(pivot) + " に何が入っても " + L(s_.cells[1]) + " と " + L(s_.cells[2]) +
           (s_.technique == Technique::XYZWing ? " と " + L(pivot) + " のどれか" : " のどちらか") +
           "が " + D(s_.digit) + " になるので、";
  }
  std::string Links() const {
    std::string out;
    for (std::size_t i = 0; i + 1 < s_.cells.size(); i += 2) {
      out += (out.empty() ? "" : "、") + L(s_.cells[i]) + " と " + L(s_.cells[i + 1]);
    }
    return D(s_.digit) + " は " + out + " のどちらかに入り、鎖の両端 " + L(s_.cells.front()) +
           " か " + L(s_.cells.back()) + " のどちらかは " + D(s_.digit) + " なので、";
  }
  Mask DigitsIn(int cell) const {
    Mask m = 0;
    for (const Candidate& c : s_.pattern) {
      if (c.cell == cell) m |= Bit(c.digit);
    }
    return m;
  }
  // The set is every cell but the last, the cell of two candidates.
  std::string AlsWing() const {
    const std::vector<int> set(s_.cells.begin(), s_.cells.end() - 1);
    Mask all = 0;
    for (int c : set) all |= DigitsIn(c);
    const int pincer = s_.cells.back();
    return Cells(set) + " には " + Digits(all) + " しか入らず、" + L(pincer) + " には " +
           Digits(DigitsIn(pincer)) + " しか入らないので、";
  }
  std::string GroupedLinks() const {
    std::string out;
    for (std::size_t i = 0; i + 1 < s_.groups.size(); i += 2) {
      out += (out.empty() ? "" : "、") + Cells(s_.groups[i]) + " と " + Cells(s_.groups[i + 1]);
    }
    return D(s_.digit) + " は " + out + " のどちらかに入り、鎖の両端 " + Cells(s_.groups.front()) +
           " か " + Cells(s_.groups.back()) + " のどこかは " + D(s_.digit) + " なので、";
  }
  std::string Cycle() const {
    const auto& chain = s_.chains.front();
    return Node(chain.front().from, true) + ChainText(chain) +
           " と輪になり、どちらに回っても同じなので、";
  }
  std::string Node(const Candidate& c, bool on) const {
    return "(" + std::to_string(c.cell % n_ + 1) + "," + std::to_string(c.cell / n_ + 1) + ")" +
           (on ? "=" : "≠") + D(c.digit);
  }
  std::string ChainText(const std::vector<ChainLink>& chain) const {
    std::string out;
    for (const ChainLink& link : chain) out += " → " + Node(link.to, link.on);
    return out;
  }
  std::string Chains() const {
    const Step& s = s_;
    std::string out;
    switch (s.technique) {
      case Technique::CellForcingChains:
      case Technique::DynamicCellForcingChains:
        out = L(s.assumption.cell) + " にどの候補が入っても";
        break;
      case Technique::RegionForcingChains:
      case Technique::DynamicRegionForcingChains:
        out = UnitText(s.units.front(), n_) + "で " + D(s.assumption.digit) + " がどこに入っても";
        break;
      case Technique::DoubleChains:
        out = L(s.assumption.cell) + " が " + D(s.assumption.digit) + " でもそうでなくても";
        break;
      default: {
        const bool removal = !s.removals.empty();
        out = L(s.assumption.cell) + " が " + D(s.assumption.digit) +
              (removal ? " だとすると" : " でないとすると");
        break;
      }
    }
    out += "、";
    for (std::size_t k = 0; k < s.chains.size(); ++k) {
      const auto& chain = s.chains[k];
      if (chain.empty()) continue;
      out += (k > 0 ? "、" : "") + Node(chain.front().from, true) + ChainText(chain);
    }
    const bool contradiction =
        s.technique == Technique::XChain || s.technique == Technique::YChain ||
        s.technique == Technique::XYChain || s.technique == Technique::NishioChains ||
        s.technique == Technique::ContradictionChains;
    out += contradiction ? " となって矛盾するので、" : " となるので、";
    return out + Removed();
  }

  const Step& s_;
  int n_;
  const Geometry& geo_;
  const DigitText& digitText_;
};

}  // namespace

std::string UnitText(int unit, int n) {
  const Geometry& g = GeometryOf(n);
  switch (KindOf(g, unit)) {
    case UnitKind::Row:
      return Axis("y", unit - n + 1, n) + " の行";
    case UnitKind::Column:
      return Axis("x", unit - 2 * n + 1, n) + " の列";
    case UnitKind::Box:
      break;
  }
  const int x = unit % g.box * g.box + 1;
  const int y = unit / g.box * g.box + 1;
  return "( " + Axis("x", x, n) + "～" + TwoColumns(x + g.box - 1) + ", " + Axis("y", y, n) + "～" +
         TwoColumns(y + g.box - 1) + (n == 9 ? ")" : " )") + " のブロック";
}

std::string Describe(const Step& step, int boardSize, const DigitText& digitText) {
  return Teller(step, boardSize, digitText).Tell();
}

}  // namespace gridora::logic
