// SPDX-License-Identifier: MIT
#include "core/zoom.h"

#include "core/settings.h"

#include <gtest/gtest.h>

namespace gridora::testing {
namespace {

TEST(ZoomTest, stepsGoUpAndDownAndStopAtTheEnds) {
  struct Case {
    int from, direction, to;
  };
  for (const Case& c : {Case{100, +1, 150},
                        {150, +1, 200},
                        {200, +1, 300},
                        {300, +1, 300},
                        {300, -1, 200},
                        {200, -1, 150},
                        {150, -1, 100},
                        {100, -1, 100},
                        // values between the steps go to the neighbour in that direction
                        {120, +1, 150},
                        {120, -1, 100},
                        {250, +1, 300},
                        {250, -1, 200},
                        {50, +1, 100},
                        {400, -1, 300}}) {
    EXPECT_EQ(ZoomStep(c.from, c.direction), c.to) << c.from << " " << c.direction;
  }
  EXPECT_TRUE(IsZoomStep(150));
  EXPECT_FALSE(IsZoomStep(120));
  EXPECT_EQ(ToolSettings().Zoom, 100);
}

}  // namespace
}  // namespace gridora::testing
