// SPDX-License-Identifier: MIT
#include "solver/masks.h"

#include <gtest/gtest.h>

#include <set>

namespace gridora::testing {
namespace {

TEST(MasksTest, maskDigitTellsEmptyFixedAndOpen) {
  EXPECT_EQ(MaskDigit(0), -1);
  EXPECT_EQ(MaskDigit(0x0001), 1);
  EXPECT_EQ(MaskDigit(0x0100), 9);
  EXPECT_EQ(MaskDigit(0x8000), 16);
  EXPECT_EQ(MaskDigit(0x0003), 0);
  EXPECT_EQ(MaskDigit(0x8001), 0);
  EXPECT_EQ(BitMask[15], 0x8000);
  EXPECT_EQ(BitMask[0], 1);
}

TEST(MasksTest, popCountSeesOnlyTheBoardsDigits) {
  EXPECT_EQ(PopCount(0xFFFF, 9), 9);
  EXPECT_EQ(PopCount(0xFFFF, 16), 16);
  EXPECT_EQ(PopCount(0x0E00, 9), 0);
  EXPECT_EQ(PopCount(0x0101, 9), 2);
}

TEST(MasksTest, unitCellsOfBothSizes) {
  EXPECT_EQ(UnitCell9(40, 2, 0), 30);
  EXPECT_EQ(UnitCell9(40, 2, 8), 50);
  EXPECT_EQ(UnitCell16(0, 2, 15), 51);
  EXPECT_EQ(UnitCell9(40, 0, 0), 36);
  EXPECT_EQ(UnitCell9(40, 1, 8), 76);
  EXPECT_EQ(UnitCell16(255, 2, 0), 204);
  EXPECT_EQ(UnitCell9(40, 3, 4), 0);
  EXPECT_EQ(Geometry9::BoxOf(80), 8);
  EXPECT_EQ(Geometry16::BoxOf(36), 1);  // row 2, column 4
}

template <int N>
void ExpectTablesPartitionTheBoard() {
  using G = Geometry<N>;
  for (int kind = 0; kind < kUnitKinds; ++kind) {
    std::set<int> covered;
    for (int unit = 0; unit < N; ++unit) {
      const auto& cells = G::kUnits[static_cast<std::size_t>(kind)][static_cast<std::size_t>(unit)];
      for (int k = 0; k < N; ++k) {
        const int cell = cells[static_cast<std::size_t>(k)];
        EXPECT_TRUE(covered.insert(cell).second) << "cell " << cell << " twice in kind " << kind;
        EXPECT_EQ(G::kCellUnits[static_cast<std::size_t>(cell)][static_cast<std::size_t>(kind)],
                  unit);
        // The table agrees with the position rule seen from any cell of the unit.
        EXPECT_EQ(G::UnitCell(cells[0], kind, k), cell);
      }
    }
    EXPECT_EQ(static_cast<int>(covered.size()), G::C);
  }
}

TEST(MasksTest, unitTablesPartitionBothBoards) {
  ExpectTablesPartitionTheBoard<9>();
  ExpectTablesPartitionTheBoard<16>();
}

}  // namespace
}  // namespace gridora::testing
