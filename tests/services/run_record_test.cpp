#include "services/run_record.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "main/main_window.h"
#include "presets/office_data_file.h"
#include "services/program_folder.h"
#include "services/time_value.h"
#include "services/window_positions.h"
#include "store/preset_database.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

using platform::regDwordData;
using platform::regSzData;

class RunRecordTest : public ProgramFixture {
 protected:
  std::string iniText() { return files.readAll(iniPath(app.platform)).value_or(""); }
  void createOfficeData() { createOfficeDataFile(files.realPath(programPath("OfficeData.db"))); }
  // The run record: set time and the three millisecond counts.
  void setRecord(const std::string& set, double used, double over, double paused,
                 const std::string& document = "手动计时") {
    app.run.record.setTime = set;
    app.run.record.bankedDownMs = used;
    app.run.record.bankedUpMs = over;
    app.run.record.pausedMs = paused;
    app.run.record.document = document;
  }
  // The timesum rows as their five texts.
  std::vector<std::vector<std::string>> runRows() {
    PresetDatabase officeData{platform.database, files, messageBoxes, files.programFolder(),
                              "731QT908"};
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : officeData.runRecords().table.rows) {
      std::vector<std::string> texts;
      for (std::size_t i = 1; i < row.size(); ++i) texts.push_back(fieldText(row[i]));
      rows.push_back(texts);
    }
    return rows;
  }
};

struct RecordingCase {
  const char* what;
  std::optional<std::int32_t> timeRecord;
  bool database;
  std::size_t rows;
};

class TenSecondRun : public RunRecordTest, public testing::WithParamInterface<RecordingCase> {};

TEST_P(TenSecondRun, IsRecordedAndAddsARowOnlyWithRecordingOn) {
  const RecordingCase& c = GetParam();
  if (c.timeRecord) storeNumber("Time_Record", *c.timeRecord);
  if (c.database) createOfficeData();
  // 10,500 ms rounds to the even second: 10.
  setRecord("00:00:10", 10000, 0, 0);
  SaveTimeRecord(app.platform, app.ports, app.run.record, 1200, 300, "Stop.wav");

  EXPECT_EQ(iniText(),
            "[clocksite]\r\nclockleft=1200\r\nclocktop=300\r\nset_time=00:00:10\r\n"
            "use_time=00:00:10\r\nout_time=00:00:00\r\npause_time=00:00:00\r\n"
            "filename=手动计时\r\n");
  EXPECT_EQ(stored("clockleft"), regDwordData(1200));
  EXPECT_EQ(stored("clocktop"), regDwordData(300));
  EXPECT_EQ(stored("musicname"), regSzData("Stop.wav"));
  if (c.database) {
    const auto rows = runRows();
    ASSERT_EQ(rows.size(), c.rows);
    if (c.rows == 1) {
      EXPECT_EQ(rows[0], (std::vector<std::string>{"00:00:10", "00:00:10", "00:00:00", "00:00:00",
                                                   "手动计时"}));
    }
  }
  EXPECT_TRUE(messageBoxes.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Recording, TenSecondRun,
                         testing::Values(RecordingCase{"on", 1, true, 1},
                                         RecordingCase{"off", 0, true, 0},
                                         RecordingCase{"missing", std::nullopt, true, 0},
                                         RecordingCase{"on_without_database", 1, false, 0}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(RunRecordTest, DurationsOfADayOrMoreAreWrittenWithTheirHoursAndReadBack) {
  files.writeAll(iniPath(app.platform),
                 "[clocksite]\r\nuse_time=00:00:05\r\nout_time=00:00:01\r\n");
  storeNumber("Time_Record", 1);
  createOfficeData();
  // 25 hours used, exactly 24 hours over, a pause of 90 s.
  setRecord("01:00:00", 90000000, 86400000, 90000, "talk.pptx");
  SaveTimeRecord(app.platform, app.ports, app.run.record, 0, 0, "");

  EXPECT_EQ(iniValue("clocksite", "use_time"), "25:00:00");
  EXPECT_EQ(iniValue("clocksite", "out_time"), "24:00:00");
  EXPECT_EQ(iniValue("clocksite", "pause_time"), "00:01:30");
  EXPECT_EQ(durationSeconds(iniValue("clocksite", "use_time")), 90000);
  const auto rows = runRows();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"01:00:00", "25:00:00", "24:00:00", "00:01:30",
                                               "talk.pptx"}));
  EXPECT_EQ(durationSeconds(rows[0][1]), 90000);
}

TEST_F(RunRecordTest, ParkedClockAndAnUnwritableTimeKeepTheirStoredValues) {
  files.writeAll(iniPath(app.platform), "[clocksite]\r\nclockleft=700\r\nuse_time=00:00:05\r\n");
  storeNumber("clockleft", 700);
  storeNumber("Time_Record", 1);
  createOfficeData();
  // A used time past the longest duration: clocksite keeps its text, and no row is added.
  setRecord("00:05:00", 3e12, 1400, 0);
  SaveTimeRecord(app.platform, app.ports, app.run.record, 0, -300, "");

  EXPECT_EQ(iniText(),
            "[clocksite]\r\nclockleft=700\r\nuse_time=00:00:05\r\nset_time=00:05:00\r\n"
            "out_time=00:00:01\r\npause_time=00:00:00\r\nfilename=手动计时\r\n");
  EXPECT_EQ(stored("clockleft"), regDwordData(700));
  EXPECT_FALSE(stored("clocktop"));
  EXPECT_EQ(stored("musicname"), regSzData(""));
  EXPECT_TRUE(runRows().empty());
}

TEST_F(RunRecordTest, WithoutTheScriptingShellTheRegistryFunctionsStoreAndRead) {
  scriptingShell.setAvailable(false);
  storeNumber("Time_Record", 1);
  createOfficeData();
  // 1,000 ms: 2 s in clocksite (half a second added, 1.5 rounds to even), 1 s in the row.
  setRecord("00:00:10", 1000, 0, 0);
  SaveTimeRecord(app.platform, app.ports, app.run.record, 15, 30, "end.wav");

  EXPECT_EQ(stored("clockleft"), regDwordData(15));
  EXPECT_EQ(stored("musicname"), regSzData("end.wav"));
  EXPECT_EQ(iniValue("clocksite", "use_time"), "00:00:02");
  ASSERT_EQ(runRows().size(), 1u);
  EXPECT_EQ(runRows()[0][1], "00:00:01");
}

TEST_F(RunRecordTest, PositionSaversWriteBothStoresWithoutTestingTheValues) {
  struct Case {
    void (*save)(platform::Platform&, std::int32_t, std::int32_t);
    const char* leftKey;
    const char* topKey;
  };
  const std::vector<Case> cases = {{SaveClockPos, "clockleft", "clocktop"},
                                   {SaveClockTwoPos, "clocklefttwo", "clocktoptwo"}};
  for (bool shell : {true, false}) {
    scriptingShell.setAvailable(shell);
    for (const Case& c : cases) {
      c.save(app.platform, -100, shell ? 0 : 4500);
      EXPECT_EQ(iniValue("clocksite", c.leftKey), "-100") << c.leftKey;
      EXPECT_EQ(iniValue("clocksite", c.topKey), shell ? "0" : "4500") << c.topKey;
      EXPECT_EQ(stored(c.leftKey), regDwordData(-100)) << c.leftKey << shell;
      EXPECT_EQ(stored(c.topKey), regDwordData(shell ? 0 : 4500)) << c.topKey << shell;
    }
  }
}

}  // namespace
}  // namespace horalix::test
