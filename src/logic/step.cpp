// SPDX-License-Identifier: MIT
#include "logic/step.h"

#include <array>
#include <utility>

namespace gridora::logic {

namespace {

struct Names {
  Technique technique;
  std::string_view name;
  std::string_view key;
};

constexpr std::array kNames = {
    Names{Technique::HiddenSingle, "隠れたシングル", "hidden single"},
    Names{Technique::DirectPointing, "ポインティングからのシングル", "direct pointing"},
    Names{Technique::DirectClaiming, "クレーミングからのシングル", "direct claiming"},
    Names{Technique::DirectHiddenPair, "隠れたペアからのシングル", "direct hidden pair"},
    Names{Technique::NakedSingle, "裸のシングル", "naked single"},
    Names{Technique::DirectHiddenTriple, "隠れたトリプルからのシングル", "direct hidden triple"},
    Names{Technique::Pointing, "ポインティング", "pointing"},
    Names{Technique::Claiming, "クレーミング", "claiming"},
    Names{Technique::NakedPair, "裸のペア", "naked pair"},
    Names{Technique::XWing, "X-Wing", "x-wing"},
    Names{Technique::HiddenPair, "隠れたペア", "hidden pair"},
    Names{Technique::NakedTriple, "裸のトリプル", "naked triple"},
    Names{Technique::Swordfish, "ソードフィッシュ", "swordfish"},
    Names{Technique::HiddenTriple, "隠れたトリプル", "hidden triple"},
    Names{Technique::Skyscraper, "スカイスクレイパー", "skyscraper"},
    Names{Technique::TwoStringKite, "2-String Kite", "2-string kite"},
    Names{Technique::TurbotFish, "ターボットフィッシュ", "turbot fish"},
    Names{Technique::XYWing, "XY-Wing", "xy-wing"},
    Names{Technique::XYZWing, "XYZ-Wing", "xyz-wing"},
    Names{Technique::UniqueRectangle, "ユニークレクタングル", "unique rectangle"},
    Names{Technique::NakedQuad, "裸のクワッド", "naked quad"},
    Names{Technique::Jellyfish, "ジェリーフィッシュ", "jellyfish"},
    Names{Technique::HiddenQuad, "隠れたクワッド", "hidden quad"},
    Names{Technique::Bug, "BUG", "bug"},
    Names{Technique::ThreeLinks, "3本の強リンクのXチェーン", "x-chain of 3 strong links"},
    Names{Technique::FourLinks, "4本の強リンクのXチェーン", "x-chain of 4 strong links"},
    Names{Technique::XCycle, "Xサイクル", "x-cycle"},
    Names{Technique::XChain, "Xチェーン", "x-chain"},
    Names{Technique::YChain, "XYチェーン", "y-chain"},
    Names{Technique::XYChain, "フォーシングチェーン", "forcing chain"},
    Names{Technique::CellForcingChains, "マスのフォーシングチェーン", "cell forcing chains"},
    Names{Technique::RegionForcingChains, "領域のフォーシングチェーン", "region forcing chains"},
    Names{Technique::ContradictionChains, "矛盾のフォーシングチェーン",
          "contradiction forcing chains"},
    Names{Technique::DoubleChains, "二重のフォーシングチェーン", "double forcing chains"},
    Names{Technique::DynamicCellForcingChains, "動的なマスのフォーシングチェーン",
          "dynamic cell forcing chains"},
    Names{Technique::DynamicRegionForcingChains, "動的な領域のフォーシングチェーン",
          "dynamic region forcing chains"},
    Names{Technique::YCycle, "XYサイクル", "y-cycle"},
    Names{Technique::XYCycle, "混合サイクル", "xy-cycle"},
    Names{Technique::NishioChains, "ニシオのフォーシングチェーン", "nishio forcing chains"},
    Names{Technique::WXYZWing, "WXYZ-Wing", "wxyz-wing"},
    Names{Technique::VWXYZWing, "VWXYZ-Wing", "vwxyz-wing"},
    Names{Technique::UVWXYZWing, "UVWXYZ-Wing", "uvwxyz-wing"},
    Names{Technique::GroupedLinks, "グループ化したXチェーン", "grouped x-chain"},
    Names{Technique::UniqueLoop, "ユニークループ", "unique loop"},
};

const Names& Find(Technique technique) {
  for (const Names& n : kNames) {
    if (n.technique == technique) return n;
  }
  return kNames.front();
}

}  // namespace

std::string_view TechniqueName(Technique technique) {
  return Find(technique).name;
}
std::string_view TechniqueKey(Technique technique) {
  return Find(technique).key;
}

}  // namespace gridora::logic
