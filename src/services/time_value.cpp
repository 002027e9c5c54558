#include "services/time_value.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "services/runtime_error.h"

namespace horalix {

namespace {

constexpr int kSecondsPerDay = 86400;

// Days from 1 January 1970 of a proleptic Gregorian date, and back (H. Hinnant's algorithms).
constexpr std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

constexpr std::int64_t kEpochDays = daysFromCivil(1899, 12, 30);

// The range of dates the runtime holds: 1 January 100 to 31 December 9999.
constexpr double kFirstDate = static_cast<double>(daysFromCivil(100, 1, 1) - kEpochDays);
constexpr double kLastDate = static_cast<double>(daysFromCivil(9999, 12, 31) - kEpochDays + 1);

int daysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

[[noreturn]] void typeMismatch() { throw RuntimeError(RuntimeErrorCode::TypeMismatch); }

void requireDateRange(double value) {
  if (!(value >= kFirstDate && value < kLastDate)) throw RuntimeError(RuntimeErrorCode::Overflow);
}

// Reads the texts that stand for dates and times. Fields are unsigned decimal numbers of one
// or more digits.
class TimeTextReader {
 public:
  explicit TimeTextReader(std::string_view s) : s_(s) {}

  void skipBlanks() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }
  bool atEnd() const { return pos_ == s_.size(); }
  bool next(char c) {
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  std::optional<int> field() {
    const std::size_t start = pos_;
    long value = 0;
    for (; pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9'; ++pos_) {
      if (value < 1000000) value = value * 10 + (s_[pos_] - '0');
    }
    if (pos_ == start) return std::nullopt;
    return static_cast<int>(value);
  }
  std::size_t position() const { return pos_; }
  void rewind(std::size_t pos) { pos_ = pos; }

 private:
  std::string_view s_;
  std::size_t pos_ = 0;
};

struct ClockFields {
  int hours = 0, minutes = 0, seconds = 0;
};

// "h:m" or "h:m:s". The field values are not checked here, so that the one reading of clock
// texts serves every rule about their ranges.
std::optional<ClockFields> readClockFields(TimeTextReader& in) {
  ClockFields f;
  const auto hours = in.field();
  if (!hours || !in.next(':')) return std::nullopt;
  const auto minutes = in.field();
  if (!minutes) return std::nullopt;
  f.hours = *hours;
  f.minutes = *minutes;
  if (in.next(':')) {
    const auto seconds = in.field();
    if (!seconds) return std::nullopt;
    f.seconds = *seconds;
  }
  return f;
}

// A time of day: hours up to 23, minutes and seconds up to 59.
double timeOfDayFrom(const ClockFields& f) {
  if (f.hours > 23 || f.minutes > 59 || f.seconds > 59) typeMismatch();
  return timeOfDayValue(f.hours, f.minutes, f.seconds);
}

// A duration: any number of hours, minutes and seconds up to 59.
std::int64_t durationFrom(const ClockFields& f) {
  if (f.minutes > 59 || f.seconds > 59) typeMismatch();
  return f.hours * std::int64_t{3600} + f.minutes * 60 + f.seconds;
}

// "yyyy-m-d" or "yyyy/m/d" with the same separator twice.
std::optional<double> readDate(TimeTextReader& in) {
  const std::size_t start = in.position();
  const auto year = in.field();
  char separator = 0;
  if (year && in.next('-')) {
    separator = '-';
  } else if (year && in.next('/')) {
    separator = '/';
  } else {
    in.rewind(start);
    return std::nullopt;
  }
  const auto month = in.field();
  if (!month || !in.next(separator)) typeMismatch();
  const auto day = in.field();
  if (!day) typeMismatch();
  if (*year < 100 || *year > 9999 || *month < 1 || *month > 12 || *day < 1 ||
      *day > daysInMonth(*year, *month)) {
    typeMismatch();
  }
  return dateSerialValue(*year, *month, *day);
}

}  // namespace

DateTimeParts splitDateTime(double value) {
  requireDateRange(value);
  // The date is the whole part; the time of day is the fraction's size, also before 1899-12-30
  // (-1.25 is 29 December 1899, 06:00).
  const double whole = std::trunc(value);
  std::int64_t days = static_cast<std::int64_t>(whole);
  std::int64_t seconds = std::llround(std::fabs(value - whole) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++days;
  }
  DateTimeParts parts;
  civilFromDays(days + kEpochDays, parts.year, parts.month, parts.day);
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds % 3600 / 60);
  parts.second = static_cast<int>(seconds % 60);
  return parts;
}

int Hour(double value) { return splitDateTime(value).hour; }
int Minute(double value) { return splitDateTime(value).minute; }
int Second(double value) { return splitDateTime(value).second; }

double dateSerialValue(int year, int month, int day) {
  return static_cast<double>(daysFromCivil(year, month, day) - kEpochDays);
}

double timeOfDayValue(int hour, int minute, int second) {
  return (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
}

double timeOf(const platform::LocalTime& now) {
  return timeOfDayValue(now.hour, now.minute, now.second);
}

double dateOf(const platform::LocalTime& now) {
  return dateSerialValue(now.year, now.month, now.day);
}

double CDate(std::string_view text) {
  TimeTextReader in(text);
  in.skipBlanks();
  double value = 0;
  const auto date = readDate(in);
  if (date) {
    value = *date;
    in.skipBlanks();
    if (in.atEnd()) return value;
  }
  const auto clock = readClockFields(in);
  if (!clock) typeMismatch();
  in.skipBlanks();
  if (!in.atEnd()) typeMismatch();
  return value + timeOfDayFrom(*clock);
}

double CDate(double number) {
  requireDateRange(number);
  return number;
}

double TimeValue(std::string_view text) {
  const double value = CDate(text);
  return std::fabs(value - std::trunc(value));
}

std::int32_t durationSeconds(std::string_view text) {
  TimeTextReader in(text);
  in.skipBlanks();
  const auto clock = readClockFields(in);
  if (!clock) typeMismatch();
  in.skipBlanks();
  if (!in.atEnd()) typeMismatch();
  const std::int64_t seconds = durationFrom(*clock);
  if (seconds > INT32_MAX) throw RuntimeError(RuntimeErrorCode::Overflow);
  return static_cast<std::int32_t>(seconds);
}

}  // namespace horalix
