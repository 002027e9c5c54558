#include "services/run_cells.h"

#include <gtest/gtest.h>

#include <string>

#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

class RunCellsTest : public HeadlessFixture {
 protected:
  platform::Form form{forms, "time_glass"};
  platform::Control& cell = form.addCell("Label5", -1, "");
};

// The stage's text is what the prompt bars and the sequencer read: the numbers of the cell's
// encoding, compared exactly.
TEST_F(RunCellsTest, AlarmStagesKeepTheirTextEncoding) {
  struct Case {
    AlarmStage stage;
    const char* text;
  };
  for (const Case c :
       {Case{AlarmStage::None, "0"}, Case{AlarmStage::Alarm1, "1"}, Case{AlarmStage::Alarm3, "3"},
        Case{AlarmStage::Zero, "4"}, Case{AlarmStage::SettingsApplied, "7"}}) {
    writeAlarmStage(cell, c.stage);
    EXPECT_EQ(cell.Caption(), c.text);
    EXPECT_EQ(readAlarmStage(cell), c.stage);
    EXPECT_TRUE(isAlarmStage(cell, c.stage));
  }
  EXPECT_EQ(alarmStageOf(2), AlarmStage::Alarm2);
  cell.setCaption("04");
  EXPECT_EQ(readAlarmStage(cell), AlarmStage::Zero) << "read as a number";
  EXPECT_FALSE(isAlarmStage(cell, AlarmStage::Zero)) << "compared as text";
  cell.setCaption("");
  EXPECT_EQ(readAlarmStage(cell), AlarmStage::None);
  EXPECT_FALSE(isAlarmStage(cell, AlarmStage::None));
}

}  // namespace
}  // namespace horalix::test
