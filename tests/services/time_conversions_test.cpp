#include "services/time_conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "runtime_error_of.h"
#include "services/format_picture.h"
#include "services/runtime_error.h"
#include "services/time_value.h"

namespace horalix {
namespace {

RuntimeErrorCode secondsToTimeError(std::int32_t seconds) {
  return testing::errorOf([=] { SecondsToTime(seconds); });
}

TEST(TimeConversions, SecondsBecomeTimeValues) {
  struct Case {
    std::int32_t seconds;
    const char* text;
  };
  const std::vector<Case> cases = {
      {0, "00:00:00"},   {59, "00:00:59"},   {90, "00:01:30"},
      {150, "00:02:30"}, {3725, "01:02:05"}, {86399, "23:59:59"},
  };
  for (const Case& c : cases) EXPECT_EQ(Format(SecondsToTime(c.seconds), "hh:mm:ss"), c.text);
}

TEST(TimeConversions, SecondsOfADayOrMoreOrNegativeFail) {
  EXPECT_EQ(secondsToTimeError(86400), RuntimeErrorCode::TypeMismatch);
  EXPECT_EQ(secondsToTimeError(90000), RuntimeErrorCode::TypeMismatch);
  EXPECT_EQ(secondsToTimeError(-1), RuntimeErrorCode::TypeMismatch);
  EXPECT_EQ(secondsToTimeError(-3600), RuntimeErrorCode::TypeMismatch);
  // The hours do not fit the 16-bit part before any text is formed.
  EXPECT_EQ(secondsToTimeError(std::numeric_limits<std::int32_t>::max()),
            RuntimeErrorCode::Overflow);
}

TEST(TimeConversions, MillisecondsSplitIntoHoursMinutesSecondsTenths) {
  struct Case {
    std::int32_t ms;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {83456, "0\\1\\23\\4"},
      {3600000, "1\\0\\0\\0"},
      {0, "0\\0\\0\\0"},
      {59999, "0\\0\\59\\9"},
      {60000, "0\\1\\0\\0"},
      {1999, "0\\0\\1\\9"},
      {1099, "0\\0\\1\\0"},
      {86399999, "23\\59\\59\\9"},
      {90000000, "25\\0\\0\\0"},
      {-1, "-1\\-1\\-1\\0"},
      {-500, "-1\\-1\\-1\\-5"},
      {std::numeric_limits<std::int32_t>::max(), "596\\31\\23\\6"},
      {std::numeric_limits<std::int32_t>::min(), "-597\\-32\\-24\\-6"},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitMilliseconds(c.ms), c.expected) << c.ms;
}

TEST(TimeConversions, TimeValuesBecomeSecondsOfTheirTimeOfDay) {
  EXPECT_EQ(TimeToSeconds(CDate("00:02:30")), 150);
  EXPECT_EQ(TimeToSeconds(CDate("23:59:59")), 86399);
  EXPECT_EQ(TimeToSeconds(1.5), 43200);  // noon of the following day
  EXPECT_EQ(TimeToSecondsByte(CDate("00:04:16")), 256);
  EXPECT_EQ(TimeToSecondsByte(CDate("00:10:00")), 600);
  for (std::int32_t s = 0; s < 86400; ++s) {
    const double t = SecondsToTime(s);
    ASSERT_EQ(TimeToSeconds(t), s);
    ASSERT_EQ(TimeToSecondsByte(t), s);
  }
}

}  // namespace
}  // namespace horalix
