#include "store/statistics_csv.h"

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

// The file's bytes: the system's ANSI code page, in which Notepad and the spreadsheet programs
// of that system read a file without a mark. A character the code page lacks would turn into
// "?", so a table with one (a document name in another script) is written as UTF-8 behind a
// byte-order mark instead, which they recognise too: every name stays whole.
std::string csvBytes(const platform::FileSystem& files, const std::string& text) {
  std::string ansi = files.utf8ToAnsi(text);
  if (files.ansiToUtf8(ansi) == text) return ansi;
  return std::string(kByteOrderMark) + text;
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
  if (files.writeAll(sFile, csvBytes(files, csvText(SomeArray)))) return {};
  return "Permission denied: " + sFile;
}

}  // namespace horalix
