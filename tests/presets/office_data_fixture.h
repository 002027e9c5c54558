// A program folder with the preset database layer over it. The database file exists only once
// a test creates it from the shipped schema.
#pragma once

#include <string>
#include <vector>

#include "presets/office_data_file.h"
#include "services/program_folder.h"
#include "store/preset_database.h"
#include "support/headless_fixture.h"

namespace horalix::test {

// A preset with valid values in every field.
PresetRecord samplePreset(const std::string& clockname, int id);

class OfficeDataTest : public HeadlessFixture {
 protected:
  std::string officeDataPath() const { return programPath("OfficeData.db"); }
  std::string realOfficeDataPath() const { return files.realPath(officeDataPath()); }
  void createOfficeData(const std::string& extraSql = "") {
    createOfficeDataFile(realOfficeDataPath(), extraSql);
  }

  // Three presets, a link to each of the first two, two recorded runs.
  void fill();

  // One column of the rows as text.
  static std::vector<std::string> column(const DbRows& rows, std::size_t position);
  // The texts of the message boxes shown so far.
  std::vector<std::string> shownTexts() const;

  // Over the platform's database service, as the program uses it: it opens Windows paths.
  PresetDatabase officeData{platform.database, files, messageBoxes, files.programFolder(),
                            "731QT908"};
};

}  // namespace horalix::test
