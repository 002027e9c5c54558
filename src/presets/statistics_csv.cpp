#include "presets/statistics_csv.h"

#include <string_view>

namespace horalix {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string cellText(const platform::AutomationCell& cell) {
  if (const auto* number = std::get_if<std::int32_t>(&cell)) return std::to_string(*number);
  const std::string& text = std::get<std::string>(cell);
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string csvText(const platform::AutomationTable& table) {
  std::string text;
  for (const auto& row : table.rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) text += ',';
      text += cellText(row[c]);
    }
    text += "\r\n";
  }
  return text + "\r\n";
}

std::string ListviewToCSV(platform::FileSystem& files, const platform::AutomationTable& SomeArray,
                          const std::string& sFile) {
  if (files.writeAll(sFile, std::string(kByteOrderMark) + csvText(SomeArray))) return {};
  return "Permission denied: " + sFile;
}

}  // namespace horalix
