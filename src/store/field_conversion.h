// The conversions the old database engine made when a text was written into a number or time
// column. The layer makes them before a row is written, so that a field that is not a number
// fails the whole insert instead of being stored as text.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/database.h"
#include "store/office_data_tables.h"

namespace horalix {

// A decimal number (blanks around it, an optional sign, digits, an optional fraction) rounded
// to a whole number with halves going to the even one (2.5 gives 2, 3.5 gives 4); nullopt when
// the text is not such a number or the result lies outside [min, max].
std::optional<std::int64_t> wholeNumberOf(std::string_view text, std::int64_t min,
                                          std::int64_t max);

// A time of day "h:mm:ss" or "h:mm" (hours 0-23, minutes and seconds 0-59, one or two digits
// each, blanks around it) as "hh:mm:ss"; nullopt for anything else (24 hours or more cannot be
// a time of day).
std::optional<std::string> timeOfDayText(std::string_view text);
// The same for a duration of any number of hours (one to six digits; minutes and seconds as
// above), stored with at least two hour digits: "25:0:5" gives "25:00:05".
std::optional<std::string> durationText(std::string_view text);

// The value stored for a text written into a column of that kind; nullopt when the text cannot
// be converted.
std::optional<platform::DbValue> columnValue(ColumnKind kind, const std::string& text);

// The values of a row to add, one text per written column (Identity columns take none), in
// column order; nullopt when any of them cannot be converted, naming that column in `failed`.
std::optional<std::vector<platform::DbValue>> rowValues(std::span<const ColumnSpec> columns,
                                                        const std::vector<std::string>& texts,
                                                        std::string& failed);

}  // namespace horalix
