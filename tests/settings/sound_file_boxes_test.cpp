// The settings window's sound-name boxes: only Text4(0) to Text4(4) and Text4(10) import a sound.
#include <gtest/gtest.h>

#include "settings/settings.h"
#include "settings/sound_file_boxes.h"
#include "support/bindable_form.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

class SoundFileBoxesTest : public ProgramFixture {};

TEST_F(SoundFileBoxesTest, OnlyTheSoundBoxesOpenTheDialog) {
  BindableForm grid(forms, "Settings");
  for (int i = 0; i <= 11; ++i) grid.addControl("Text4", i, platform::ControlKind::TextBox);
  const ControlRow boxes(grid.binding(), "Text4");
  files.seedFile("D:\\s\\chime.wav", "chime");
  for (int index : {-1, 5, 6, 7, 8, 9, 11, 12}) {
    Text4_Click(app.platform, boxes, index);
    EXPECT_TRUE(dialogs.calls().empty()) << index;
  }
  for (int index : {0, 1, 2, 3, 4, 10}) {
    dialogs.answerFileAfter("D:\\s\\chime.wav", 500);
    Text4_Click(app.platform, boxes, index);
    EXPECT_EQ(controlNamed(grid, "Text4", index).Text(), "chime.wav") << index;
  }
  EXPECT_EQ(dialogs.calls().size(), 6u);
  EXPECT_EQ(files.readAll(programPath("sounds\\chime.wav")), "chime");
  // The settings window's own boxes import the same way.
  dialogs.answerFileAfter("D:\\s\\chime.wav", 500);
  platform::Form& settings = app.settingsWindow();
  controlNamed(settings, "Text4", 10).click();
  EXPECT_EQ(controlNamed(settings, "Text4", 10).Text(), "chime.wav");
}

}  // namespace
}  // namespace horalix::test
