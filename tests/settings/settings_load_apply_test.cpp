#include <functional>

#include "bars/bars.h"
#include "clock/clock.h"
#include "main/main.h"
#include "services/ini_read_write.h"
#include "services/program_folder.h"
#include "settings/settings.h"
#include "settings/settings_codec.h"
#include "settings/settings_fixture.h"

namespace horalix::test {
namespace {

constexpr const char* kExplorerKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

class SettingsLoadApply : public SettingsFixture {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    installFile("TimeData.db");
  }
  void open() { app.mainWindow().settingsCommand(); }
  void apply() { window.Command1_Click(); }
  std::string storedText(const std::string& name) const {
    const auto value = stored(name);
    return value ? value->data.substr(0, value->data.find('\0')) : "";
  }
};

TEST_F(SettingsLoadApply, TheWindowOpensFilledFromTheStoredSettings) {
  // A fresh record: the fill loads it from the registry before showing anything.
  app.settings = SettingsBlock{};
  storeText("checkvalue", "011111010100011111111111111100101");  // the duration switched off
  storeText("Time_all", "00:10:00");
  storeNumber("Time_one", 120);
  storeNumber("Timeout", 3);
  storeNumber("clockcycle", 1);
  IniReadWrite(files, "write", iniPath(app.platform), "Hotkey", "start", " Ctrl+F1 ");
  IniReadWrite(files, "write", iniPath(app.platform), "light", "backlight", "5");
  FloatingClock& clock = app.floatingClock();
  clock.Load();
  loop.advance(100);  // the clock's run start, which puts it on top
  ASSERT_TRUE(clock.topmost());
  app.settings = SettingsBlock{};  // the run start read it: empty it again, all but too short
  app.settings.checkvalue = "111111111";
  bool quietWhileFilled = false;
  c("Combo3").Click = [&] {
    quietWhileFilled = window.fillingFromCode() && !c("Combo3").Enabled();
  };
  open();
  EXPECT_TRUE(quietWhileFilled);
  EXPECT_FALSE(window.fillingFromCode());
  EXPECT_TRUE(c("Combo3").Enabled());
  EXPECT_FALSE(clock.topmost());  // sent below the window it would cover
  EXPECT_EQ(c("Text2", 2).Text(), "10");
  EXPECT_EQ(c("Text2", 4).Text(), "120");
  EXPECT_FALSE(c("Text2", 1).Enabled());  // the row rules ran after the fill
  EXPECT_EQ(c("Text3", 1).Text(), "Ctrl+F1");
  EXPECT_EQ(c("HScroll2").Value(), 10);
  EXPECT_EQ(c("Label5").Caption(), "10％不透明");
  EXPECT_EQ(c("Combo7").ListIndex(), 3);
  EXPECT_EQ(c("Check1", 7).Value(), 1);

  // Opened again, it shows the record in memory, not the registry.
  window.Unload();
  storeNumber("Time_one", 555);
  open();
  EXPECT_EQ(c("Text2", 4).Text(), "120");
}

TEST_F(SettingsLoadApply, AnApplyStoresEverySettingAndArmsAFreshRun) {
  for (const bool automatic : {false, true}) {
    SCOPED_TRACE(automatic);
    // Explorer hides file extensions (1): the manual apply offers to show them, and the user
    // agrees; any other value asks nothing.
    const std::int32_t hidden = automatic ? 2 : 1;
    registry.setRaw(HKCU, kExplorerKey, "HideFileExt", platform::regDwordData(hidden));
    messageBoxes.answer(platform::answer::Yes);
    open();
    c("Text2", 2).setText("5");
    c("Text2", 3).setText("0");
    c("Option6", automatic ? 1 : 0).setValue(1);
    c("Text3", 1).setText("F2");
    c("Check9", 0).setValue(1);
    c("Check7").setValue(1);
    c("Combo5").setListIndex(2);
    c("HScroll2").setValue(40);
    c("Text1", 18).setText("wide");  // no number: the record's value stays
    app.run.binding.bindDocument("talk.pptx");
    app.floatingClock().Timer4.setEnabled(true);
    app.mainWindow().Timer5.setEnabled(true);
    apply();

    EXPECT_EQ(storedText("Time_all"), "00:05:00");
    EXPECT_EQ(storedText("AImode"), automatic ? "01111101" : "10111101");
    EXPECT_EQ(storedText("checkvalue"), encodeSettings(fields).checkvalue);
    EXPECT_EQ(app.settings.picture_width, defaultSettings().picture_width);
    EXPECT_EQ(iniValue("Hotkey", "start"), "F2");
    EXPECT_EQ(iniValue("Hotkey", "often"), "10");
    EXPECT_EQ(iniValue("light", "clocklight"), "120");
    EXPECT_EQ(iniValue("light", "backlight"), "40");
    ASSERT_FALSE(hotKeys.registered().empty());
    EXPECT_EQ(hotKeys.registered().front().virtualKey, 0x71);  // F2, taken anew

    MainWindow& main = app.mainWindow();
    EXPECT_TRUE(app.floatingClock().restoreAtNextStart);
    EXPECT_FALSE(app.floatingClock().Timer4.Enabled());
    EXPECT_TRUE(app.floatingClock().Timer5.Enabled());
    EXPECT_TRUE(main.Timer4.Enabled());
    EXPECT_EQ(main.Timer5.Enabled(), automatic);  // a manual run has no document to watch end
    EXPECT_EQ(app.run.startSoundArmed, !automatic);
    // A manual run starts from zero, bound to no document.
    EXPECT_EQ(app.run.record.setTime, automatic ? "" : "00:05:00");
    EXPECT_EQ(app.run.binding.text(), automatic ? "talk.pptx" : "");
    EXPECT_EQ(messageBoxes.pendingAnswers(), automatic ? 1u : 0u);
    EXPECT_EQ(platform::regDwordNumber(*registry.raw(HKCU, kExplorerKey, "HideFileExt")),
              automatic ? 2 : 0);
    EXPECT_TRUE(window.Visible());
    app.run.record.setTime = "";
    window.Unload();
  }
}

TEST_F(SettingsLoadApply, AManualApplyKeepsManualTimingRunningButUnbindsADocument) {
  for (const bool manual : {true, false}) {
    SCOPED_TRACE(manual);
    open();
    c("Option6", 0).setValue(1);
    if (manual)
      app.run.binding.bindManual();
    else
      app.run.binding.bindDocument("talk.pptx");
    apply();
    EXPECT_EQ(runBound(app.run), manual);
    EXPECT_EQ(app.run.binding.text(), manual ? "手动计时" : "");
    window.Unload();
  }
}

TEST_F(SettingsLoadApply, ARefusedApplyChangesNothing) {
  struct Case {
    const char* what;
    std::function<void(platform::Form&)> set;
    const char* message;  // "" accepted
  };
  const auto alarms = [](int duration, int a1, int a2, int a3, int ticked) {
    return [=](platform::Form& t) {
      controlNamed(t, "Text2", 1).setText(std::to_string(duration / 3600));
      controlNamed(t, "Text2", 2).setText(std::to_string(duration / 60 % 60));
      controlNamed(t, "Text2", 3).setText(std::to_string(duration % 60));
      for (int row = 2; row <= 4; ++row)
        controlNamed(t, "Check2", row).setValue((ticked >> (row - 2)) & 1);
      controlNamed(t, "Text2", 4).setText(std::to_string(a1));
      controlNamed(t, "Text2", 5).setText(std::to_string(a2));
      controlNamed(t, "Text2", 6).setText(std::to_string(a3));
    };
  };
  const Case cases[] = {
      {"equal alarms, rows off", alarms(600, 30, 30, 5, 0), "报警1和报警2提醒时间不能相同，请修改"},
      {"gap of 9", alarms(60, 51, 40, 20, 1),
       "计时时长要比\r\n\r\n报警1\r\n\r\n多10秒以上，请修改后再保存"},
      {"gap of 10", alarms(60, 50, 40, 20, 1), ""},
      {"an hour counts in full", alarms(3600, 3590, 40, 20, 1), ""},
      {"last alarm under 3", alarms(600, 40, 20, 2, 4), "报警3设定时长要在3秒以上，请修改再保存"},
      {"duration alone of 2", alarms(2, 40, 20, 5, 0), ""},
      {"duration off",
       [&](platform::Form& t) {
         alarms(600, 30, 30, 30, 7)(t);
         controlNamed(t, "Check2", 1).setValue(0);
       },
       ""},
      {"equal hot keys",
       [](platform::Form& t) {
         controlNamed(t, "Text3", 2).setText("F5");
         controlNamed(t, "Text3", 4).setText("F5");
       },
       "系统热键设置不能相同"},
      {"no hot keys", [](platform::Form& t) { controlNamed(t, "Text3", 1).setText("无"); }, ""},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    (void)registry.deleteKey(HKCU, "Vantrel");
    files.remove(iniPath(app.platform));
    installFile("TimeData.db");
    app.settings = defaultSettings();
    app.floatingClock().restoreAtNextStart = false;
    open();
    k.set(window);
    const SettingsBlock before = app.settings;
    const std::size_t shown = messageBoxes.shown().size();
    apply();
    const bool accepted = std::string(k.message).empty();
    if (!accepted) {
      EXPECT_EQ(app.settings, before);
      ASSERT_GT(messageBoxes.shown().size(), shown);
      EXPECT_EQ(messageBoxes.shown()[shown].text, k.message);
    }
    EXPECT_EQ(stored("checkvalue").has_value(), accepted);
    EXPECT_EQ(iniValue("Hotkey", "start").empty(), !accepted);
    EXPECT_EQ(app.floatingClock().restoreAtNextStart, accepted);
    window.Unload();
  }
}

TEST_F(SettingsLoadApply, PromptTextModeStoresOnlyThePromptBarsLook) {
  open();
  c("Check8", 0).setValue(1);
  c("Text2", 4).setText("30");
  c("Text2", 5).setText("30");  // equal alarms: not checked in this mode
  c("Combo2").setListIndex(4);
  c("Text1", 5).setBackColor(0x8000000D);
  c("Text2", 0).setText("12");
  app.mainWindow().Timer4.setEnabled(true);
  const SettingsBlock before = app.settings;
  apply();
  EXPECT_EQ(app.settings, before);
  EXPECT_FALSE(stored("checkvalue").has_value());
  EXPECT_EQ(iniValue("Hotkey", "processFontSize"), "4");
  EXPECT_EQ(iniValue("Hotkey", "processBackColor"), "-2147483635");
  EXPECT_EQ(iniValue("Hotkey", "processadd"), "12");
  EXPECT_EQ(iniValue("Hotkey", "start"), "");
  EXPECT_EQ(app.mirrorClock().alarmStage, AlarmStage::SettingsApplied);
  EXPECT_TRUE(app.promptBar().Timer3.Enabled());
  EXPECT_FALSE(app.mainWindow().Timer4.Enabled());
}

}  // namespace
}  // namespace horalix::test
