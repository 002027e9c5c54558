#include "store/field_conversion.h"

#include <limits>

namespace horalix {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// Up to `maxDigits` digits, as a number.
std::optional<int> digitsField(std::string_view field, std::size_t maxDigits) {
  if (field.empty() || field.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : field) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string twoDigits(int value) {
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// "h:mm:ss" or "h:mm" with hours of up to `maxHourDigits` digits and at most `maxHours`,
// minutes and seconds of one or two digits up to 59, as "hh:mm:ss".
std::optional<std::string> clockText(std::string_view text, std::size_t maxHourDigits,
                                     int maxHours) {
  std::string_view s = trimmed(text);
  const auto firstColon = s.find(':');
  if (firstColon == std::string_view::npos) return std::nullopt;
  const auto secondColon = s.find(':', firstColon + 1);
  auto hours = digitsField(s.substr(0, firstColon), maxHourDigits);
  auto minutes = digitsField(s.substr(firstColon + 1, secondColon - firstColon - 1), 2);
  std::optional<int> seconds = 0;
  if (secondColon != std::string_view::npos) seconds = digitsField(s.substr(secondColon + 1), 2);
  if (!hours || !minutes || !seconds || *hours > maxHours || *minutes > 59 || *seconds > 59) {
    return std::nullopt;
  }
  const std::string h = std::to_string(*hours);
  return (h.size() < 2 ? "0" + h : h) + ":" + twoDigits(*minutes) + ":" + twoDigits(*seconds);
}

}  // namespace

std::optional<std::int64_t> wholeNumberOf(std::string_view text, std::int64_t min,
                                          std::int64_t max) {
  std::string_view s = trimmed(text);
  bool negative = false;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  const auto point = s.find('.');
  std::string_view whole = s.substr(0, point);
  std::string_view fraction = point == std::string_view::npos ? "" : s.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  for (char c : whole) {
    if (!isDigit(c)) return std::nullopt;
  }
  for (char c : fraction) {
    if (!isDigit(c)) return std::nullopt;
  }

  // Whole digits beyond 18 cannot fit any column; the range check below refuses them.
  std::int64_t magnitude = 0;
  for (char c : whole) {
    if (magnitude > std::numeric_limits<std::int64_t>::max() / 10 - 1) return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
  }
  // Round the fraction: above one half goes up, exactly one half goes to the even number.
  if (!fraction.empty()) {
    const char first = fraction[0];
    const bool restNonZero = fraction.substr(1).find_first_not_of('0') != std::string_view::npos;
    if (first > '5' || (first == '5' && restNonZero) || (first == '5' && magnitude % 2 == 1)) {
      ++magnitude;
    }
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < min || value > max) return std::nullopt;
  return value;
}

std::optional<std::string> timeOfDayText(std::string_view text) { return clockText(text, 2, 23); }

std::optional<std::string> durationText(std::string_view text) {
  return clockText(text, 6, 999999);
}

std::optional<platform::DbValue> columnValue(ColumnKind kind, const std::string& text) {
  switch (kind) {
    case ColumnKind::Text:
      return platform::DbValue(text);
    case ColumnKind::Integer32:
      if (auto n = wholeNumberOf(text, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max())) {
        return platform::DbValue(*n);
      }
      return std::nullopt;
    case ColumnKind::Integer16:
      if (auto n = wholeNumberOf(text, std::numeric_limits<std::int16_t>::min(),
                                 std::numeric_limits<std::int16_t>::max())) {
        return platform::DbValue(*n);
      }
      return std::nullopt;
    case ColumnKind::TimeOfDay:
      if (auto t = timeOfDayText(text)) return platform::DbValue(*t);
      return std::nullopt;
    case ColumnKind::Duration:
      if (auto t = durationText(text)) return platform::DbValue(*t);
      return std::nullopt;
    case ColumnKind::Identity:
      break;
  }
  return std::nullopt;
}

std::optional<std::vector<platform::DbValue>> rowValues(std::span<const ColumnSpec> columns,
                                                        const std::vector<std::string>& texts,
                                                        std::string& failed) {
  std::vector<platform::DbValue> values;
  std::size_t next = 0;
  for (const ColumnSpec& column : columns) {
    if (column.kind == ColumnKind::Identity) continue;
    const std::string empty;
    std::optional<platform::DbValue> value =
        columnValue(column.kind, next < texts.size() ? texts[next] : empty);
    ++next;
    if (!value) {
      failed = std::string(column.name);
      return std::nullopt;
    }
    values.push_back(std::move(*value));
  }
  return values;
}

}  // namespace horalix
