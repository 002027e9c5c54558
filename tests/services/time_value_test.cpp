#include "services/time_value.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime_error_of.h"
#include "services/format_picture.h"
#include "services/runtime_error.h"

namespace horalix {
namespace {

constexpr double kSecond = 1.0 / 86400;

using testing::errorOf;

TEST(TimeValue, ClockTextsAreReadAsFractionsOfADay) {
  struct Case {
    std::string text;
    double expected;
  };
  const std::vector<Case> cases = {
      {"00:2:30", 150 * kSecond},
      {"0:0:0", 0},
      {"12:00:00", 0.5},
      {"23:59:59", 86399 * kSecond},
      {" 1:2 ", 3720 * kSecond},
      {"007:05:09", (7 * 3600 + 5 * 60 + 9) * kSecond},
      {"2024-01-05", 45296},
      {"2024/1/5 10:30", 45296 + 10.5 / 24},
      {"1899-12-30 06:00:00", 0.25},
  };
  for (const Case& c : cases) EXPECT_NEAR(CDate(c.text), c.expected, 1e-9) << c.text;
  EXPECT_NEAR(TimeValue("2024-01-05 06:00"), 0.25, 1e-12);
}

TEST(TimeValue, TextsThatAreNoTimeRaiseTypeMismatch) {
  for (const char* text :
       {"24:00:00", "12:60", "12:00:60", "", "abc", "12", "1:2:3:4", "-1:00:00", "-01:-01:-01",
        "12:00 x", "1 2:00", "2023-02-29", "2024-13-01", "2024-01", "12::30", "1.5:00"}) {
    EXPECT_EQ(errorOf([&] { CDate(text); }), RuntimeErrorCode::TypeMismatch) << text;
  }
}

TEST(TimeValue, PartsAreRoundedToTheSecond) {
  struct Case {
    double value;
    int hour, minute, second;
  };
  const std::vector<Case> cases = {
      {150 * kSecond, 0, 2, 30},
      {59.6 * kSecond, 0, 1, 0},
      {59.4 * kSecond, 0, 0, 59},
      {86399.6 * kSecond, 0, 0, 0},  // rolls over into the next day
      {1.5, 12, 0, 0},               // the date part does not count
      {-1.25, 6, 0, 0},              // before 1899-12-30 the time is the fraction's size
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hour(c.value), c.hour) << c.value;
    EXPECT_EQ(Minute(c.value), c.minute) << c.value;
    EXPECT_EQ(Second(c.value), c.second) << c.value;
  }
  const DateTimeParts next = splitDateTime(45296 + 86399.7 * kSecond);
  EXPECT_EQ(next.day, 6);
  EXPECT_EQ(errorOf([] { Hour(1e7); }), RuntimeErrorCode::Overflow);
}

TEST(TimeValue, PicturesFormatNumbersAndTimes) {
  const platform::LocalTime now{2024, 3, 9, 13, 5, 7, 250, 6};
  struct Case {
    std::string got, expected;
  };
  const std::vector<Case> cases = {
      {Format(5, "00"), "05"},
      {Format(0, "00"), "00"},
      {Format(123, "00"), "123"},
      {Format(-5, "00"), "-05"},
      {Format(7, "000"), "007"},
      {Format(2.5, "0"), "3"},  // halves away from zero, unlike CInt
      {Format(-2.5, "00"), "-03"},
      {Format(150 * kSecond, "hh:mm:ss"), "00:02:30"},
      {Format(150 * kSecond, "h:m:s"), "0:2:30"},
      {Format(0.75, "hh:mm"), "18:00"},
      {Format(timeOf(now), "hh:mm:ss"), "13:05:07"},
      {Format(dateOf(now), "yyyy-mm-dd"), "2024-03-09"},
      {Format(dateOf(now) + timeOf(now), "yyyy-mm-dd hh:mm:ss"), "2024-03-09 13:05:07"},
      {Format(dateOf(now), "mm:ss"), "00:00"},  // minutes before seconds, not the month
      {Format("00:2:30", "hh:mm:ss"), "00:02:30"},
      {Format("5", "00"), "05"},
      {Format("abc", "00"), "abc"},
      {Format("25:00:00", "hh:mm:ss"), "25:00:00"},
  };
  for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(cases[i].got, cases[i].expected) << i;
  EXPECT_THROW(Format(1.0, "#,##0.00"), std::invalid_argument);
}

TEST(TimeValue, EveryTimeOfDaySurvivesFormattingAndReading) {
  for (int s = 0; s < 86400; s += 7) {
    const double t = timeOfDayValue(s / 3600, s / 60 % 60, s % 60);
    const std::string text = Format(t, "hh:mm:ss");
    ASSERT_EQ(Format(CDate(text), "hh:mm:ss"), text);
    ASSERT_EQ(Hour(t) * 3600 + Minute(t) * 60 + Second(t), s) << text;
  }
}

}  // namespace
}  // namespace horalix
