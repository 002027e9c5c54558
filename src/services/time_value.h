// Time values as the runtime holds them: a double counting days since 30 December 1899, whose
// fraction is the time of day (0.5 is 12:00:00). The program keeps durations below 24 hours in
// the same form (00:02:30 is 150 / 86400).
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/event_loop.h"

namespace horalix {

struct DateTimeParts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0;
};

// The calendar date and the time of day of a time value, the time rounded to the nearest
// second (23:59:59.6 becomes 00:00:00 of the next day). A value outside the years 100 to 9999
// raises Overflow.
DateTimeParts splitDateTime(double value);
int Hour(double value);
int Minute(double value);
int Second(double value);

// The time value of a calendar date (midnight), and of a time of day.
double dateSerialValue(int year, int month, int day);
double timeOfDayValue(int hour, int minute, int second);

// The local time of day, and today's date, as time values.
double timeOf(const platform::LocalTime& now);
double dateOf(const platform::LocalTime& now);

// Reads a time text "h:m:s" or "h:m" (fields of one or more digits: "00:2:30"), a date
// "yyyy-m-d" or "yyyy/m/d", or a date and a time separated by blanks. A text that is none of
// these, or a field out of range (hours above 23, minutes or seconds above 59, a day the
// month lacks), raises TypeMismatch.
double CDate(std::string_view text);
// The same reading, keeping only the time of day.
double TimeValue(std::string_view text);
// A number taken as a time value: the days since 30 December 1899, the fraction the time of
// day. A number outside the years 100 to 9999 raises Overflow.
double CDate(double number);

// Reads a duration written "h:m:s" or "h:m" as whole seconds. Unlike a time of day its hours
// may exceed 23 ("25:00:00" is 90,000 seconds), so that runs of a day or more read back;
// minutes and seconds go up to 59. Any other text raises TypeMismatch, a duration beyond the
// 32-bit range Overflow.
std::int32_t durationSeconds(std::string_view text);

}  // namespace horalix
