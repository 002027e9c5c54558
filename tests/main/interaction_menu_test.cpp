#include <gtest/gtest.h>

#include <string>

#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class InteractionMenuTest : public MainWindowTest {};

TEST_F(InteractionMenuTest, PresetItemsShowTheirDurationAndTheirUse) {
  installFile("TimeData.db",
              "[hudongset1]\r\nsname=0:05:30\r\ncheckvalue=11111\r\n"
              "[hudongset2]\r\nsname=00:10:00\r\ncheckvalue=01111\r\n"
              "[hudongset3]\r\ncheckvalue=1\r\n"
              "[hudongset4]\r\nsname= 01:02:03 \r\n");
  start();
  struct Expected {
    const char* caption;
    bool visible;
  };
  const Expected expected[] = {
      {"05:30", true}, {"10:00", false}, {"01:00", true}, {"02:03", false}, {"01:00", false},
  };
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(main.hd_time_one(i).Caption(), expected[i].caption) << i;
    EXPECT_EQ(main.hd_time_one(i).Visible(), expected[i].visible) << i;
  }
}

TEST_F(InteractionMenuTest, APresetThatCannotBeReadHidesOnlyItsOwnItem) {
  installFile("TimeData.db",
              "[hudongset1]\r\nsname=00:03:00\r\ncheckvalue=1\r\n"
              "[hudongset2]\r\nsname=3 minutes\r\ncheckvalue=1\r\n"
              "[hudongset3]\r\nsname=00:07:00\r\ncheckvalue=1\r\n");
  start();
  EXPECT_TRUE(main.hd_time_one(0).Visible());
  EXPECT_EQ(main.hd_time_one(0).Caption(), "03:00");
  EXPECT_FALSE(main.hd_time_one(1).Visible()) << "its duration cannot be read";
  EXPECT_TRUE(main.hd_time_one(2).Visible()) << "a later preset is read on its own";
  EXPECT_EQ(main.hd_time_one(2).Caption(), "07:00");
}

}  // namespace
}  // namespace horalix::test
