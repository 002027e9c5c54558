#include "presets/statistics_rows.h"

#include "services/format_picture.h"
#include "services/text_runtime.h"
#include "store/store.h"

namespace horalix {

namespace {

constexpr std::array<std::string_view, kStatisticsFieldCount> kSampleFields = {
    "001", "03:00:00", "03:00:00", "3:00:00", "3:00:00", "1234.ppt"};

std::string field(const std::vector<platform::DbValue>& record, std::size_t column) {
  return column < record.size() ? fieldText(record[column]) : std::string();
}

std::string joined(const auto& texts, std::string_view separator) {
  std::string line;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i > 0) line += separator;
    line += texts[i];
  }
  return line;
}

}  // namespace

StatisticsRow statisticsRow(const std::vector<platform::DbValue>& record, int position) {
  StatisticsRow row;
  row.position = position;
  row.id = kRunId < record.size() ? static_cast<std::int64_t>(Val(fieldText(record[kRunId]))) : 0;
  row.fields = {Format(static_cast<double>(position), "000"),
                Format(std::string_view(field(record, kSetTime)), "hh:mm:ss"),
                Format(std::string_view(field(record, kUseTime)), "hh:mm:ss"),
                Format(std::string_view(field(record, kOutTime)), "h:mm:ss"),
                Format(std::string_view(field(record, kPauseTime)), "h:mm:ss"),
                field(record, kRunFilename)};
  return row;
}

std::string listLine(const StatisticsRow& row, std::string_view separator) {
  return joined(row.fields, separator);
}

std::string separatorSample(int gap) {
  return joined(kSampleFields, std::string(static_cast<std::size_t>(gap), ' '));
}

int separatorWidth(const std::function<int(const std::string&)>& sampleWidth, int listWidth) {
  constexpr float kShare = 5040.0f / 6850.0f;
  int gap = 1;
  for (int k = 2; k <= 50; ++k) {
    const float share = listWidth > 0 ? static_cast<float>(sampleWidth(separatorSample(gap))) /
                                            static_cast<float>(listWidth)
                                      : 1.0f;
    if (share >= kShare) break;
    gap = k;
  }
  return gap;
}

const std::array<std::string_view, kStatisticsFieldCount>& statisticsHeadings() {
  static constexpr std::array<std::string_view, kStatisticsFieldCount> kHeadings = {
      "序号", "设置时间", "实用时间", "超时时间", "暂停时间", "文件名称"};
  return kHeadings;
}

platform::AutomationTable exportTable(const std::vector<StatisticsRow>& rows) {
  platform::AutomationTable table;
  if (rows.empty()) return table;
  auto& headings = table.rows.emplace_back();
  for (std::string_view heading : statisticsHeadings()) headings.emplace_back(std::string(heading));
  for (const StatisticsRow& row : rows) {
    auto& cells = table.rows.emplace_back();
    cells.emplace_back(static_cast<std::int32_t>(row.position));
    for (std::size_t i = 1; i < kStatisticsFieldCount; ++i) cells.emplace_back(row.fields[i]);
  }
  return table;
}

}  // namespace horalix
