// The recorded runs as the statistics window shows and exports them: one row per run with the
// run's ID kept beside the six texts of its line, the line itself, the width of the blanks
// between its columns, and the export table with its heading row.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation.h"
#include "platform/database.h"

namespace horalix {

inline constexpr std::size_t kStatisticsFieldCount = 6;

// One recorded run: its ID in timesum, its 1-based place in the list, and the six texts of its
// line: the place "000", the set and used times "hh:mm:ss", the overtime and paused times
// "h:mm:ss", and the document name as stored.
struct StatisticsRow {
  std::int64_t id = 0;
  int position = 0;
  std::array<std::string, kStatisticsFieldCount> fields;
};

// The row of a timesum record read by column position. A time that is not a time value stays
// as stored, so that one odd record does not hide the others.
StatisticsRow statisticsRow(const std::vector<platform::DbValue>& record, int position);

// The six texts joined by the separator.
std::string listLine(const StatisticsRow& row, std::string_view separator);

// The sample line "001 03:00:00 03:00:00 3:00:00 3:00:00 1234.ppt" with `gap` blanks in each
// of its five gaps.
std::string separatorSample(int gap);

// How many blanks separate the columns: the fewest (1 to 50) that make the sample line, as wide
// as `sampleWidth` measures it, fill about 73.6 % (5040 / 6850) of the list's width.
int separatorWidth(const std::function<int(const std::string&)>& sampleWidth, int listWidth);

// The headings of the export: number, set, used, overtime and paused time, document name.
const std::array<std::string_view, kStatisticsFieldCount>& statisticsHeadings();

// The heading row, then one row per run: its place as a number, then its other five texts.
// No rows at all when the list is empty.
platform::AutomationTable exportTable(const std::vector<StatisticsRow>& rows);

}  // namespace horalix
