// The preset manager opened again: whatever the last opening left (the link tab, a search, a
// locked file-name field, a half-typed preset), it opens on the new-preset tab with its entry
// area and the stored rows, as a window created anew.
#include <gtest/gtest.h>

#include "presets/preset_manager_fixture.h"
#include "settings/settings.h"

namespace horalix::test {
namespace {

TEST_F(PresetManagerTest, OpenedAgainItShowsTheNewPresetTabAndTheStoredRowsOnly) {
  app.settingsWindow().Load();
  open();
  c("Text1", 1).userSetText("Draft");
  c("Text1", 3).userSetText("for Monday");
  c("Label6", 1).click();
  const std::string nul(1, '\0');
  dialogs.answerFileAfter("C:\\talks" + nul + "a.pptx" + nul + "b.docx", 500);
  c("Command8", 0).click();
  ASSERT_TRUE(c("Text2", 1).Locked());
  c("Check1").click();
  clickRows(c("List1"), {2});
  c("Text4").userSetText("Key");
  ASSERT_EQ(c("List1").List().size(), 1u);
  c("Cmd_close").click();
  ASSERT_FALSE(manager().loaded());
  ASSERT_EQ(data.addPreset(samplePreset("Finale", 7)), DbOutcome::Done);

  open();
  EXPECT_EQ(c("Image1", 0).Height(), 400) << "the new-preset tab is selected";
  EXPECT_EQ(c("Image1", 1).Height(), 375);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(c("Label1", i).visibleOnScreen());
    EXPECT_TRUE(c("Text1", i).visibleOnScreen());
    EXPECT_FALSE(c("Text2", i).visibleOnScreen());
  }
  EXPECT_TRUE(c("Cmd_save").visibleOnScreen());
  EXPECT_FALSE(c("Command8", 0).visibleOnScreen());
  EXPECT_FALSE(c("Command1", 0).visibleOnScreen());
  // Nothing typed or chosen before is left; the number follows the stored presets.
  EXPECT_EQ(c("Text1", 0).Text(), "8");
  EXPECT_EQ(c("Text1", 1).Text(), "");
  EXPECT_EQ(c("Text1", 3).Text(), "");
  EXPECT_FALSE(c("Cmd_save").Enabled());
  EXPECT_EQ(c("Text2", 1).Text(), "");
  EXPECT_FALSE(c("Text2", 1).Locked());
  // No search: the switch is clear, its field empty and hidden, both lists whole.
  EXPECT_EQ(c("Check1").Value(), 0);
  EXPECT_EQ(c("Text4").Text(), "");
  EXPECT_FALSE(c("Text4").Visible());
  EXPECT_EQ(shown(c("List1")),
            (std::vector<std::string>{"001 Keynote", "002 O'Brien", "003 Long    gap", "004 Panel",
                                      "005 Quiz", "006 Zeta", "007 Finale"}));
  EXPECT_EQ(c("List2").List().size(), 2u);
  EXPECT_EQ(c("List1").SelCount(), 0);
  EXPECT_EQ(manager().active, PresetManager::ActiveList::None);
}

}  // namespace
}  // namespace horalix::test
