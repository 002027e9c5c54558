// Opening the settings window again: it starts from its design, as a window created anew, and is
// then filled from the stored settings; what an earlier opening left is gone. And "关闭".
#include "clock/clock.h"
#include "main/main.h"
#include "settings/settings.h"
#include "settings/settings_codec.h"
#include "settings/settings_fixture.h"
#include "support/picture_files.h"

namespace horalix::test {
namespace {

class SettingsReopen : public SettingsFixture {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    installFile("TimeData.db");
  }
  void open() { app.mainWindow().settingsCommand(); }
  std::string storedText(const std::string& name) const {
    const auto value = stored(name);
    return value ? value->data.substr(0, value->data.find('\0')) : "";
  }
  std::size_t noticesOf(const std::string& text) const {
    std::size_t n = 0;
    for (const std::string& shown : notices()) n += shown == text;
    return n;
  }
};

TEST_F(SettingsReopen, EveryOpeningStartsFromTheDesignWithoutRunningHandlers) {
  open();
  // What one opening leaves behind: prompt-text mode, a box the record will not cover next time,
  // the eye-protection colour (whose box acts on every click), a moved window, the second page.
  forms.click(c("Check8", 0));
  ASSERT_FALSE(c("Command3", 1).Enabled());
  c("Check4", 1).setValue(0);
  desktop.setSystemColor(5, 0xFFFFFF);
  forms.click(c("Check10"));
  ASSERT_EQ(desktop.systemColor(5), 13625803u);
  ASSERT_EQ(c("Check10").Value(), 1);
  window.move(2500, 1200, window.Width(), window.Height());
  c("Image2", 2).click();
  window.Unload();

  // The stored checkvalue now ends before the sound column of the reminder grid.
  app.settings.checkvalue = defaultSettings().checkvalue.substr(0, 22);
  open();
  EXPECT_EQ(c("Check8", 0).Value(), 0) << "the look controls are the clock's again";
  EXPECT_TRUE(c("Command3", 1).Enabled());
  EXPECT_EQ(c("Check4", 1).Value(), 1) << "as designed: the record has no character for it";
  // Its box is clear again, and no click of it ran: the desktop keeps its colour.
  EXPECT_EQ(c("Check10").Value(), 0);
  EXPECT_EQ(desktop.systemColor(5), 13625803u);
  EXPECT_EQ(noticesOf("电脑眼睛保护色已恢得成白色"), 0u);
  EXPECT_EQ(window.Left(), 600);
  EXPECT_EQ(window.Top(), 600);
  EXPECT_TRUE(c("Frame1").Visible());
  EXPECT_FALSE(c("Picture7").Visible());
  EXPECT_EQ(c("Image2", 1).Height(), 400);
  EXPECT_EQ(c("Image2", 1).Picture(), c("Image3", 3).Picture());
  EXPECT_EQ(c("Image2", 2).Height(), 375);
  EXPECT_EQ(c("Image2", 2).Picture(), c("Image3", 1).Picture());
  // The fill ran on the fresh controls: lists refilled, positions from the record.
  EXPECT_EQ(c("Combo3").List().size(), 18u);
  EXPECT_EQ(encodeSettings(fields).Fontselect, defaultSettings().Fontselect);
}

// Prompt-text mode left ticked would make the next opening's apply store the clock's look as the
// prompt bars' and nothing else.
TEST_F(SettingsReopen, AfterPromptModeTheNextOpeningAppliesTheWholeRecord) {
  open();
  forms.click(c("Check8", 0));
  forms.click(c("Command1"));
  ASSERT_FALSE(app.mainWindow().Timer4.Enabled());
  window.Unload();  // the close box
  open();
  EXPECT_EQ(c("Check8", 0).Value(), 0);
  c("Text2", 1).setText("0");
  c("Text2", 2).setText("7");
  c("Text2", 3).setText("0");
  forms.click(c("Command1"));
  EXPECT_EQ(storedText("Time_all"), "00:07:00");
  EXPECT_TRUE(app.mainWindow().Timer4.Enabled());
}

// A preset or the stored mode clearing an option button runs no rule of that option: loading
// automatic mode over a window that shows manual mode keeps the stored "智能计时".
TEST_F(SettingsReopen, ClearingAnOptionButtonAppliesNoRuleOfIt) {
  c("Option6", 0).setValue(1);  // manual: "智能计时" cleared and disabled
  ASSERT_FALSE(c("Check1", 0).Enabled());
  SettingsBlock stored = defaultSettings();
  stored.checkvalue[static_cast<std::size_t>(CheckFlag::SmartTiming) - 1] = '1';
  stored.AImode = "01111101";
  decodeSettings(fields, stored);
  EXPECT_EQ(c("Option6", 0).Value(), 0);
  EXPECT_EQ(c("Option6", 1).Value(), 1);
  EXPECT_EQ(c("Check1", 0).Value(), 1);
  EXPECT_TRUE(c("Check1", 0).Enabled());

  // The after-zero action: "停止计时" cleared by code empties no overtime limit.
  c("Option4", 1).setValue(1);
  c("Check2", 5).setEnabled(true);
  c("Check2", 5).setValue(1);
  c("Text2", 7).setText("30");
  c("Option4", 1).setValue(0);
  EXPECT_EQ(c("Check2", 5).Value(), 1);
  EXPECT_EQ(c("Text2", 7).Text(), "30");
}

TEST_F(SettingsReopen, TheCloseButtonUnloadsTheWindowAndTheClocksComeBackOnTop) {
  FloatingClock& clock = app.floatingClock();
  clock.Load();
  open();
  EXPECT_EQ(c("Command2").Caption(), "关闭");
  loop.advance(200);
  ASSERT_EQ(app.run.holdOff, 30);
  clock.setTopmost(false);
  forms.click(c("Command2"));
  EXPECT_FALSE(window.loaded());
  EXPECT_EQ(app.run.holdOff, 0);
  EXPECT_TRUE(clock.topmost());
}

// Colours are stored as signed 32-bit numbers: a system colour is negative, as the clock's
// readers and earlier versions take it.
TEST_F(SettingsReopen, ColoursAreStoredAsSignedNumbers) {
  open();
  // An imported picture sits on the system's window colour.
  files.seedFile("D:\\pics\\sky.jpg", pngOf(64, 48));
  dialogs.answerFileAfter("D:\\pics\\sky.jpg", 100);
  c("Command3", 1).click();
  ASSERT_EQ(c("Text1", 5).BackColor(), 0x80000005u);
  forms.click(c("Command1"));
  EXPECT_EQ(storedText("picturename"), "sky.jpg\\-2147483643");
  EXPECT_EQ(app.settings.picturename, "sky.jpg\\-2147483643");

  // A custom text colour that is a system colour goes into Fontselect the same way.
  {
    const FillFromCode filling(window);
    SettingsBlock stored = defaultSettings();
    stored.Fontselect = "1101701\\-2147483635";
    decodeSettings(fields, stored);
  }
  EXPECT_EQ(c("Label10").BackColor(), 0x8000000Du);
  EXPECT_EQ(encodeSettings(fields).Fontselect, "1101701\\-2147483635");

  dialogs.answerColor(0x8000000D);
  forms.click(c("Text6", 0));
  EXPECT_EQ(iniValue("Hotkey", "outForeColor"), "-2147483635");
}

}  // namespace
}  // namespace horalix::test
