// The look controls in prompt-text mode and back, and the colour list with its dialog.
#include <algorithm>

#include "services/option_names.h"
#include "services/palette.h"
#include "services/program_folder.h"
#include "settings/settings.h"
#include "settings/settings_codec.h"
#include "settings/settings_fixture.h"

namespace horalix::test {
namespace {

class LookControls : public SettingsFixture {
 protected:
  void fill(const SettingsBlock& record) {
    const FillFromCode filling(window);
    decodeSettings(fields, record);
  }
  void storeHotkey(const std::string& key, const std::string& value) {
    platform::IniFile(files).writeString(iniPath(app.platform), "Hotkey", key, value);
  }
};

TEST_F(LookControls, PromptModeShowsTheBarsLookOrItsDefaults) {
  storeHotkey("add", "4");
  fill(app.settings);
  forms.click(c("Check8", 0));
  EXPECT_EQ(c("Text2", 0).Text(), "0");
  EXPECT_EQ(c("Combo2").ListIndex(), 7);
  EXPECT_EQ(c("Combo3").ListIndex(), 0);
  EXPECT_EQ(c("Label10").BackColor(), 0u);
  EXPECT_EQ(c("Text1", 5).BackColor(), 0x8000000Du);  // the system's highlight colour
  EXPECT_FALSE(c("Command3", 1).Enabled());
  forms.click(c("Check8", 0));
  EXPECT_TRUE(c("Command3", 1).Enabled());
  EXPECT_EQ(c("Text2", 0).Text(), "4");  // the clock's own offset again

  // A stored "自定义" opens the dialog as a user's choice would; a transparent bar hides the
  // custom background.
  storeHotkey("processColor", "17");
  storeHotkey("processvalue", "1");
  storeHotkey("processadd", "25");
  storeHotkey("processFont", "No Such Font");
  dialogs.answerColor(0x123456);
  c("Combo1").setText("Arial");
  forms.click(c("Check8", 0));
  EXPECT_EQ(c("Text2", 0).Text(), "25");
  EXPECT_EQ(c("Combo1").Text(), "Trebuchet MS");
  EXPECT_EQ(dialogs.calls().size(), 1u);
  EXPECT_EQ(c("Label10").BackColor(), 0x123456u);
  EXPECT_FALSE(c("Combo4").Visible());
  EXPECT_EQ(notices().back(), "透明时钟建议选用程序设置颜色");
}

// A normal apply encodes the look controls: after prompt-text mode they must hold the clock's
// look again, all of it, or the bars' font, colour and transparency become the clock's.
TEST_F(LookControls, LeavingPromptModeReloadsTheClocksWholeLook) {
  SettingsBlock record = app.settings;
  record.clockFont = "Arial";
  record.Fontselect = "1051701\\12345";
  record.picturename = "face.png\\255";
  app.settings = record;
  fill(record);
  storeHotkey("processFont", "黑体");
  storeHotkey("processColor", "3");
  storeHotkey("processvalue", "1");
  forms.click(c("Check8", 0));
  forms.click(c("Check8", 0));
  EXPECT_TRUE(dialogs.calls().empty());  // "自定义" back from the record opens no dialog
  const SettingsBlock encoded = encodeSettings(fields);
  EXPECT_EQ(encoded.clockFont, record.clockFont);
  EXPECT_EQ(encoded.Fontselect, record.Fontselect);
  EXPECT_EQ(encoded.picturename, record.picturename);
  EXPECT_EQ(encoded.checkvalue, record.checkvalue);

  // With "自定义" on both sides no dialog chooses: the swatch shows the bars' own colour.
  storeHotkey("processColor", "17");
  storeHotkey("processForeset", "999");
  forms.click(c("Check8", 0));
  EXPECT_EQ(c("Label10").BackColor(), 999u);
  EXPECT_TRUE(dialogs.calls().empty());
}

// The notice about a transparent clock concerns the clock's custom colour: leaving prompt-text
// mode judges the clock's colour, not the one the bars' look left in the list.
TEST_F(LookControls, LeavingPromptModeWarnsOfATransparentClockOnlyOnItsCustomColour) {
  SettingsBlock record = app.settings;
  record.checkvalue[static_cast<std::size_t>(CheckFlag::TransparentBack) - 1] = '1';
  const auto noticesOnLeaving = [&](const char* clockColour, const char* barsColour) {
    record.Fontselect = std::string("106") + clockColour + "02\\65280";
    fill(record);
    app.settings = record;
    storeHotkey("processColor", barsColour);
    dialogs.answerColor(0x123456);  // the bars' "自定义" asks for a colour
    forms.click(c("Check8", 0));
    const std::size_t before = notices().size();
    forms.click(c("Check8", 0));
    EXPECT_EQ(c("Check1", 5).Value(), 1);
    const std::vector<std::string> shown = notices();
    return std::count(shown.begin() + static_cast<std::ptrdiff_t>(before), shown.end(),
                      "透明时钟建议选用程序设置颜色");
  };
  EXPECT_EQ(noticesOnLeaving("02", "17"), 0) << "a palette colour";
  EXPECT_EQ(noticesOnLeaving("17", "03"), 1) << "the clock's own custom colour";
}

TEST_F(LookControls, TheColourListFallsBackWhenTheDialogIsCancelled) {
  platform::Control& colours = c("Combo3");
  colours.setListIndex(5);
  colours.setListIndex(17);  // cancelled
  EXPECT_EQ(colours.ListIndex(), 5);
  EXPECT_EQ(c("Label10").BackColor(), ColorByIndex(5));

  // After a colour picked for the overtime text, a cancel keeps "自定义" and its swatch.
  colours.setListIndex(3);
  dialogs.answerColor(0xABCDEF);
  forms.click(c("Text6", 0));
  colours.setListIndex(17);
  EXPECT_EQ(colours.ListIndex(), 17);
  EXPECT_EQ(window.ColourChoice, 17);
  EXPECT_EQ(c("Label10").BackColor(), ColorByIndex(3));

  // Filled by code, "自定义" opens no dialog.
  colours.setListIndex(0);
  const std::size_t dialogsBefore = dialogs.calls().size();
  const FillFromCode filling(window);
  colours.setListIndex(17);
  EXPECT_EQ(dialogs.calls().size(), dialogsBefore);
}

}  // namespace
}  // namespace horalix::test
