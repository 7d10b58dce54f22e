// SPDX-License-Identifier: MIT
#include "core/file_title.h"

#include <gtest/gtest.h>

namespace gridora {
namespace {

TEST(FileTitleTest, lastComponentWithoutItsExtension) {
  EXPECT_EQ(FileTitleOf("/home/u/puzzles/q1.gdr"), "q1");
  EXPECT_EQ(FileTitleOf("D:\\work\\q1.GDR"), "q1");
  EXPECT_EQ(FileTitleOf("q1.Gdr"), "q1");  // a bare name keeps its first character
  EXPECT_EQ(FileTitleOf("/home/u/x.gdr/a.gdr"), "a");
  EXPECT_EQ(FileTitleOf("/home/u/x.gdr\\b.gdr"), "b");
  EXPECT_EQ(FileTitleOf("/p/q1.gdr.gdr"), "q1");
  EXPECT_EQ(FileTitleOf("/p/数独 その1.gdr"), "数独 その1");
  EXPECT_EQ(FileTitleOf("/p/.gdr"), "");
}

TEST(FileTitleTest, specialNames) {
  EXPECT_EQ(FileTitleOf("(未定)"), "(未定)");
  EXPECT_EQ(FileTitleOf("/home/u/q1.txt"), "Error!!");
  EXPECT_EQ(FileTitleOf("/home/u/x.gdr/readme"), "Error!!");
  EXPECT_EQ(FileTitleOf("/home/u/x.gdr/"), "Error!!");
  EXPECT_EQ(FileTitleOf(""), "Error!!");
}

}  // namespace
}  // namespace gridora
