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

// The stage's number is what the prompt bars take (the alarm's number, 4 at zero, 7 after the
// settings' apply), and the sequencer counts down while the stage is below zero's.
TEST_F(RunCellsTest, AlarmStagesKeepTheirNumbers) {
  struct Case {
    AlarmStage stage;
    int number;
  };
  for (const Case c :
       {Case{AlarmStage::None, 0}, Case{AlarmStage::Alarm1, 1}, Case{AlarmStage::Alarm3, 3},
        Case{AlarmStage::Zero, 4}, Case{AlarmStage::SettingsApplied, 7}}) {
    EXPECT_EQ(static_cast<int>(c.stage), c.number);
  }
  EXPECT_LT(AlarmStage::Alarm3, AlarmStage::Zero);
  EXPECT_GT(AlarmStage::SettingsApplied, AlarmStage::Zero) << "the apply's stage counts up";
}

TEST_F(RunCellsTest, DirectionAndKindReadTheirCells) {
  EXPECT_FALSE(isCountDirection(cell, CountDirection::Down)) << "\"\" counts neither way";
  EXPECT_FALSE(isCountDirection(cell, CountDirection::Up));
  writeCountDirection(cell, CountDirection::Up);
  EXPECT_EQ(cell.Caption(), "1");
  writeCountDirection(cell, CountDirection::Down);
  EXPECT_EQ(cell.Caption(), "0");

  cell.setCaption("2");
  EXPECT_EQ(readDocumentKind(cell), DocumentKind::WordDocument);
  writeDocumentKind(cell, DocumentKind::SlideShow);
  EXPECT_EQ(cell.Caption(), "3");
  cell.setCaption("");
  EXPECT_EQ(readDocumentKind(cell), DocumentKind::None);
}

}  // namespace
}  // namespace horalix::test
