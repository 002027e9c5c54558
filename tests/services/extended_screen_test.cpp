// A stored top below the screen, brought back onto it by whole screen heights.
#include "services/extended_screen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace horalix::test {
namespace {

TEST(ExtendedScreen, ATopBelowTheScreenIsReducedByWholeHeightsInOneStep) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  struct Case {
    std::int32_t top, height, expected;
  };
  const Case cases[] = {
      {10, 1000, 10},   {1000, 1000, 1000},  {1001, 1000, 1},  {2000, 1000, 1000},
      {2010, 1000, 10}, {2500, 1000, 500},   {-50, 1000, -50}, {kMax, 1000, 647},
      {5000, 0, 5000},  {5000, -1000, 5000}, {kMax, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.top << " " << c.height);
    EXPECT_EQ(reduceByScreenHeights(c.top, c.height), c.expected);
  }
}

}  // namespace
}  // namespace horalix::test
