#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime_error_of.h"
#include "services/runtime_error.h"
#include "services/time_conversions.h"
#include "services/time_value.h"
#include "store/field_conversion.h"

namespace horalix {
namespace {

using testing::errorOf;

TEST(Duration, TextsRoundTripAcrossADay) {
  struct Case {
    std::int32_t seconds;
    std::string text;
  };
  const std::vector<Case> cases = {
      {0, "00:00:00"},     {59, "00:00:59"},    {3725, "01:02:05"},    {86399, "23:59:59"},
      {86400, "24:00:00"}, {90000, "25:00:00"}, {360001, "100:00:01"}, {2147483, "596:31:23"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(durationText(c.seconds), c.text) << c.seconds;
    EXPECT_EQ(durationSeconds(c.text), c.seconds) << c.text;
    // The database layer stores the same text for its duration columns.
    EXPECT_EQ(durationText(c.text), c.text) << c.text;
  }
  EXPECT_EQ(errorOf([] { durationText(-1); }), RuntimeErrorCode::TypeMismatch);
}

TEST(Duration, ReadingAcceptsShortFieldsAndRefusesWhatIsNoDuration) {
  EXPECT_EQ(durationSeconds(" 25:0:5 "), 90005);
  EXPECT_EQ(durationSeconds("1:30"), 5400);
  EXPECT_EQ(durationText(" 25:0:5 "), "25:00:05");
  EXPECT_EQ(durationText("7:5"), "07:05:00");
  for (const char* text : {"", "abc", "25", "25:60:00", "25:00:60", "-1:00:00", "1:2:3:4",
                           "2024-01-05 10:00", "1.5:00"}) {
    EXPECT_EQ(errorOf([&] { durationSeconds(text); }), RuntimeErrorCode::TypeMismatch) << text;
    EXPECT_FALSE(durationText(text)) << text;
  }
  EXPECT_EQ(errorOf([] { durationSeconds("999999:00:00"); }), RuntimeErrorCode::Overflow);
  // A time of day still stops at 23 hours.
  EXPECT_FALSE(timeOfDayText("24:00:00"));
  EXPECT_EQ(timeOfDayText("9:05"), "09:05:00");
}

}  // namespace
}  // namespace horalix
