// Rows of OfficeData.db for tests of the main window: named presets and document links.
#pragma once

#include <string>

namespace horalix::test {

// A text as an SQL literal, its quotes doubled.
inline std::string sqlText(std::string text) {
  for (std::size_t at = text.find('\''); at != std::string::npos; at = text.find('\'', at + 2))
    text.insert(at, 1, '\'');
  return "'" + text + "'";
}

// One preset row in the table's column order; the texts name the preset so that a test sees
// which one was applied.
inline std::string presetRow(int id, const std::string& name, const std::string& tiemone = "60") {
  return "INSERT INTO clocksetting VALUES (" + std::to_string(id) + ", " + sqlText(name) +
         ", '2024-03-01', '', '1:00:30', " + sqlText(tiemone) + ", 30, 10, '" +
         std::string(33, '1') + "', '100100100', 300, 5, 'a.wav', " + sqlText("process " + name) +
         ", " + sqlText("overtime " + name) +
         ", 'Trebuchet MS', '1020304', 'bg.png\\0', '11111111', " + sqlText("time up " + name) +
         ", 99, 640, 480);\n";
}

// A document link: the document's bare file name and the preset it runs with.
inline std::string linkRow(int id, const std::string& document, const std::string& preset) {
  return "INSERT INTO file_list VALUES (" + std::to_string(id) + ", " + sqlText(document) + ", " +
         sqlText(preset) + ", '');\n";
}

}  // namespace horalix::test
