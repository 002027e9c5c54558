// The interaction settings window: what it shows of TimeData.db, the rules of its rows and
// number fields, the colour list, and "应用", which checks the order of the presets in use,
// stores all five, reads each back and only then updates the interaction menu.
#include <gtest/gtest.h>

#include "interaction/interaction_settings_window.h"
#include "interaction_fixture.h"
#include "platform/ini_file.h"
#include "services/palette.h"
#include "services/program_folder.h"

namespace horalix::test {
namespace {

class InteractionSettingsTest : public InteractionTest {
 protected:
  InteractionSettingsWindow& open() {
    main.menuItem("hd_time_set", -1).click();
    return settings;
  }
  // Types a preset's row as a user would.
  void typeRow(int k, const std::string& minutes, const std::string& seconds, bool inUse) {
    if ((settings.rowBox(k, InteractionFlag::InUse).Value() == 1) != inUse) {
      settings.rowBox(k, InteractionFlag::InUse).click();
    }
    settings.rowText(k, RowField::Minutes).userSetText(minutes);
    settings.rowText(k, RowField::Seconds).userSetText(seconds);
  }
  std::vector<std::string> texts() {
    std::vector<std::string> shown;
    for (const auto& box : messageBoxes.shown()) shown.push_back(box.text);
    return shown;
  }
  std::string stored(int n, const char* key) {
    return platform::IniFile(files).readString(iniPath(app.platform),
                                               "hudongset" + std::to_string(n), key, "", 10000);
  }

  InteractionSettingsWindow& settings = app.interactionSettingsWindow();
};

TEST_F(InteractionSettingsTest, ABareFileShowsEachPresetsOwnDefaults) {
  startWith("");
  headless.fonts().install("@宋体");  // a vertical face: never offered
  open();
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(settings.rowText(k, RowField::Minutes).Text(), std::to_string(k + 1));
    EXPECT_EQ(settings.rowText(k, RowField::Seconds).Text(), "0");
    EXPECT_EQ(settings.rowText(k, RowField::ReminderSeconds).Text(), "5");
    EXPECT_EQ(settings.rowText(k, RowField::Sound).Text(), "alarm.wav");
    // "01011": not in use, so the rest of the row is disabled.
    EXPECT_EQ(settings.rowBox(k, InteractionFlag::InUse).Value(), 0);
    EXPECT_EQ(settings.rowBox(k, InteractionFlag::AutoStart).Value(), 1);
    EXPECT_EQ(settings.rowBox(k, InteractionFlag::ReminderSound).Value(), 0);
    EXPECT_EQ(settings.rowBox(k, InteractionFlag::FourthBox).Value(), 1);
    EXPECT_FALSE(settings.rowBox(k, InteractionFlag::AutoStart).Enabled());
    EXPECT_FALSE(settings.rowText(k, RowField::Sound).Enabled());
    EXPECT_FALSE(settings.Command1[k].Enabled());
  }
  EXPECT_EQ(settings.rowBox(0, InteractionFlag::ReminderBlink).Value(), 1);
  EXPECT_EQ(settings.Combo1.Text(), "Trebuchet MS");
  for (const std::string& face : settings.Combo1.List()) EXPECT_NE(face.front(), '@');
  EXPECT_EQ(settings.Combo2.Text(), "200");
  EXPECT_EQ(settings.Combo3.ListIndex(), 4);
  EXPECT_EQ(settings.Check1[1].BackColor(), ColorByIndex(4));
  EXPECT_EQ(settings.Combo2.List().size(), 31u);
  EXPECT_EQ(settings.Combo3.List().back(), "自定义");
  // Loading asked for no colour and showed no message.
  EXPECT_TRUE(dialogs.calls().empty());
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(InteractionSettingsTest, AllFivePresetsAreStoredReadBackAndShownInTheMenu) {
  struct Preset {
    const char* minutes;
    const char* seconds;
    bool inUse, autoStart, sound, fourth;
    const char* reminder;
    const char* soundname;
    // What the section holds afterwards.
    const char* sname;
    const char* checkvalue;
    const char* menuCaption;
  };
  const Preset presets[] = {
      {"0", "45", true, false, true, false, "10", "ding.wav", "0:00:45", "10101", "00:45"},
      {"1", "0", false, true, false, true, "0", "", "0:01:00", "01011", "01:00"},
      {"5", "30", true, true, true, true, "59", "bell.mp3", "0:05:30", "11111", "05:30"},
      {"12", "5", true, false, false, false, "3", "a.wav", "0:12:05", "10001", "12:05"},
      {"59", "59", true, true, false, true, "7", "alarm.wav", "0:59:59", "11011", "59:59"},
  };
  startWith("");
  open();
  settings.rowBox(0, InteractionFlag::ReminderBlink).setValue(1);
  for (int k = 0; k < 5; ++k) {
    const Preset& p = presets[k];
    typeRow(k, p.minutes, p.seconds, true);
    settings.rowBox(k, InteractionFlag::AutoStart).setValue(p.autoStart);
    settings.rowBox(k, InteractionFlag::ReminderSound).setValue(p.sound);
    settings.rowBox(k, InteractionFlag::FourthBox).setValue(p.fourth);
    settings.rowText(k, RowField::ReminderSeconds).userSetText(p.reminder);
    settings.rowText(k, RowField::Sound).userSetText(p.soundname);
    if (!p.inUse) settings.rowBox(k, InteractionFlag::InUse).click();
  }
  settings.Combo2.setListIndex(10);  // 200
  settings.Combo3.setListIndex(9);   // 浅蓝
  settings.Cmd_OK.click();
  EXPECT_TRUE(messageBoxes.shown().empty());
  EXPECT_FALSE(settings.loaded());
  const std::string fontselect = "Trebuchet MS\\200\\9\\" + std::to_string(ColorByIndex(9));
  for (int k = 0; k < 5; ++k) {
    const Preset& p = presets[k];
    SCOPED_TRACE(k);
    EXPECT_EQ(stored(k + 1, "id"), std::to_string(k + 1));
    EXPECT_EQ(stored(k + 1, "sname"), p.sname);
    EXPECT_EQ(stored(k + 1, "checkvalue"), p.checkvalue);
    EXPECT_EQ(stored(k + 1, "Ttime"), p.reminder);
    EXPECT_EQ(stored(k + 1, "Fontselect"), fontselect);
    EXPECT_EQ(stored(k + 1, "soundname"), p.soundname);
    EXPECT_EQ(main.hd_time_one(k).Caption(), p.menuCaption);
    EXPECT_EQ(main.hd_time_one(k).Visible(), p.inUse);
  }
  // A second opening shows what was stored.
  open();
  for (int k = 0; k < 5; ++k) {
    const Preset& p = presets[k];
    SCOPED_TRACE(k);
    EXPECT_EQ(settings.rowText(k, RowField::Minutes).Text(), p.minutes);
    EXPECT_EQ(settings.rowText(k, RowField::Seconds).Text(), p.seconds);
    EXPECT_EQ(settings.rowText(k, RowField::ReminderSeconds).Text(), p.reminder);
    // An empty sound name reads as the default sound.
    EXPECT_EQ(settings.rowText(k, RowField::Sound).Text(),
              *p.soundname ? p.soundname : "alarm.wav");
    EXPECT_EQ(settings.rowBox(k, InteractionFlag::InUse).Value(), p.inUse);
    EXPECT_EQ(settings.rowBox(k, InteractionFlag::FourthBox).Value(), p.fourth);
    EXPECT_EQ(settings.rowText(k, RowField::Minutes).Enabled(), p.inUse);
  }
  EXPECT_EQ(settings.Combo3.ListIndex(), 9);
  EXPECT_EQ(settings.Combo2.Text(), "200");
}

TEST_F(InteractionSettingsTest, ThePresetsInUseMustEachLastLongerThanTheOneBefore) {
  struct Row {
    const char* minutes;
    const char* seconds;
    bool inUse;
  };
  struct Case {
    const char* name;
    Row rows[5];
    std::vector<std::string> messages;
  };
  const std::string cr2 = "\r\r";
  auto message = [&](const char* a, const char* b) {
    return std::string(a) + "设定时长" + cr2 + "要比" + b + "时长" + cr2 + "短，请修改再保存";
  };
  const Case cases[] = {
      {"growing",
       {{"1", "0", true}, {"2", "0", true}, {"3", "0", true}, {"4", "0", true}, {"5", "0", true}},
       {}},
      {"an unticked preset between",
       {{"5", "0", true},
        {"1", "0", false},
        {"3", "0", true},
        {"9", "0", false},
        {"9", "0", false}},
       {message("互动一", "互动三")}},
      {"equal lengths",
       {{"2", "0", true},
        {"1", "59", false},
        {"1", "0", false},
        {"0", "0", false},
        {"2", "0", true}},
       {message("互动一", "互动五")}},
      {"two pairs",
       {{"3", "0", true}, {"2", "0", true}, {"2", "30", true}, {"1", "0", true}, {"4", "0", true}},
       {message("互动一", "互动二"), message("互动三", "互动四")}},
      {"unticked presets are not compared",
       {{"9", "0", false},
        {"1", "0", true},
        {"0", "5", false},
        {"1", "1", true},
        {"0", "0", false}},
       {}},
  };
  startWith("");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string storedBefore = stored(1, "sname");
    open();
    for (int k = 0; k < 5; ++k) typeRow(k, c.rows[k].minutes, c.rows[k].seconds, c.rows[k].inUse);
    const std::size_t typed = messageBoxes.shown().size();
    settings.Cmd_OK.click();
    const std::vector<std::string> all = texts();
    const std::vector<std::string> shown(all.begin() + static_cast<long>(typed), all.end());
    EXPECT_EQ(shown, c.messages);
    if (c.messages.empty()) {
      EXPECT_FALSE(settings.loaded());
      EXPECT_EQ(stored(1, "sname"), std::string("0:0") + c.rows[0].minutes + ":00");
    } else {
      EXPECT_TRUE(settings.loaded()) << "the window stays open for a correction";
      EXPECT_EQ(stored(1, "sname"), storedBefore) << "nothing is stored";
      settings.Cmd_exit.click();
    }
  }
}

TEST_F(InteractionSettingsTest, NumberFieldsTakeWholeNumbersFromZeroTo59) {
  struct Case {
    const char* typed;
    const char* shown;
    bool refused;  // "取值范围0-59之间"
  };
  const Case cases[] = {
      {"75", "0", true},   {"60", "0", true},  {"-3", "0", true},      {"59", "59", false},
      {"5.7", "5", false}, {"-0", "0", false}, {"07", "7", false},     {"abc", "0", false},
      {"", "0", false},    {"0", "0", false},  {"58.99", "58", false}, {"5x", "0", false},
  };
  startWith("");
  open();
  settings.Option1[0].click();  // every row in use, so every field takes input
  for (int index : {0, 1, 2, 17, 18}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(index) + " " + c.typed);
      settings.Text1[index].userSetText("1");
      const std::size_t before = messageBoxes.shown().size();
      settings.Text1[index].userSetText(c.typed);
      EXPECT_EQ(settings.Text1[index].Text(), c.shown);
      const bool refused = messageBoxes.shown().size() > before;
      EXPECT_EQ(refused, c.refused);
      if (refused) {
        EXPECT_EQ(messageBoxes.shown().back().text, "取值范围0-59之间");
      }
    }
  }
  // The sound fields take any name.
  settings.Text1[3].userSetText("75");
  EXPECT_EQ(settings.Text1[3].Text(), "75");
  settings.Text1[19].userSetText("x y.wav");
  EXPECT_EQ(settings.Text1[19].Text(), "x y.wav");
}

TEST_F(InteractionSettingsTest, TheRowSwitchesAndSelectAllOrNone) {
  startWith("");
  open();
  settings.rowBox(2, InteractionFlag::InUse).click();
  for (int k = 0; k < 5; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(settings.rowText(k, RowField::Seconds).Enabled(), k == 2);
    EXPECT_EQ(settings.rowBox(k, InteractionFlag::FourthBox).Enabled(), k == 2);
    EXPECT_EQ(settings.Command1[k].Enabled(), k == 2);
  }
  settings.Option1[0].click();
  for (int i = 0; i <= 20; ++i) EXPECT_EQ(settings.Check1[i].Value(), 1) << i;
  settings.Option1[1].click();
  for (int i = 0; i <= 20; ++i) {
    EXPECT_EQ(settings.Check1[i].Value(), i % 4 == 1 && i < 20 ? 1 : 0) << i;
  }
  for (int k = 0; k < 5; ++k) EXPECT_FALSE(settings.rowText(k, RowField::Minutes).Enabled());
  // The shared controls are never disabled.
  EXPECT_TRUE(settings.Check1[20].Enabled());
  EXPECT_TRUE(settings.Combo3.Enabled());
}

TEST_F(InteractionSettingsTest, TheColourListAndAColourOfTheUsers) {
  startWith("");
  open();
  settings.Combo3.setListIndex(3);
  EXPECT_EQ(settings.Check1[1].BackColor(), ColorByIndex(3));
  // Cancelled after a palette colour: back to that entry, its colour stays.
  dialogs.answerColor(std::nullopt);
  settings.Combo3.setListIndex(17);
  EXPECT_EQ(settings.Combo3.ListIndex(), 3);
  EXPECT_EQ(settings.Check1[1].BackColor(), ColorByIndex(3));
  EXPECT_EQ(dialogs.calls().size(), 1u) << "restoring the entry asks for no colour";
  // A colour of the user's is shown and stored with index 17.
  dialogs.answerColor(0x123456);
  settings.Combo3.setListIndex(17);
  EXPECT_EQ(settings.Check1[1].BackColor(), 0x123456u);
  settings.Cmd_OK.click();
  EXPECT_EQ(stored(5, "Fontselect"), "Trebuchet MS\\200\\17\\" + std::to_string(0x123456));
  open();
  EXPECT_EQ(settings.Combo3.ListIndex(), 17);
  EXPECT_EQ(settings.Check1[1].BackColor(), 0x123456u);
}

TEST_F(InteractionSettingsTest, TheSharedDisplayGoesIntoEverySectionAndTheLcdFontByItsFaceName) {
  installFile("font\\Arial Black.ttf");
  startWith(section(1, "0:01:00", "10000", "5", "Arial\\300\\1\\0") +
            section(5, "0:05:00", "10001", "5", "Arial\\300\\1\\0"));
  open();
  EXPECT_EQ(settings.Combo1.List(),
            (std::vector<std::string>{"Arial Black", "Trebuchet MS", "Arial", "新宋体", "微软雅黑",
                                      "华文楷体", "黑体", "LCD数码"}));
  EXPECT_EQ(settings.Combo1.Text(), "Arial");
  EXPECT_EQ(settings.Combo2.Text(), "300");
  EXPECT_EQ(settings.Check1[20].Value(), 1) << "taken from preset 5";
  settings.Combo1.setListIndex(7);
  settings.Check1[20].click();
  settings.Cmd_OK.click();
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(stored(n, "Fontselect"), "DS-Digital\\300\\1\\" + std::to_string(ColorByIndex(1)));
    EXPECT_EQ(stored(n, "checkvalue").substr(4), "0");
  }
  open();
  EXPECT_EQ(settings.Combo1.Text(), "LCD数码");
}

TEST_F(InteractionSettingsTest, StoredDisplayValuesTheListsLackShowTheDefaults) {
  struct Case {
    const char* fontselect;
    const char* face;
    const char* size;
    int entry;
  };
  const Case cases[] = {
      {"Nosuchface\\205\\4\\0", "Trebuchet MS", "200", 4},
      {"Arial\\abc\\x\\0", "Arial", "200", 4},
      {"Arial\\250.9\\25\\255", "Arial", "250", 17},
      {"", "Trebuchet MS", "200", 4},
  };
  installFile("font\\Arial Black.ttf");
  startWith("");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fontselect);
    installFile("TimeData.db", section(5, "0:05:00", "10001", "5", c.fontselect));
    open();
    EXPECT_EQ(settings.Combo1.Text(), c.face);
    EXPECT_EQ(settings.Combo2.Text(), c.size);
    EXPECT_EQ(settings.Combo3.ListIndex(), c.entry);
    settings.Cmd_exit.click();
  }
}

TEST_F(InteractionSettingsTest, AFailedReadBackStopsTheApplyAndLeavesThatPresetsMenuItem) {
  // The third sound name has characters the file's code page lacks: it reads back as "??.wav".
  files.setAnsiCodePage(1252);
  startWith("");
  open();
  for (int k = 0; k < 5; ++k) typeRow(k, std::to_string(k + 1), "0", true);
  settings.rowText(2, RowField::Sound).userSetText("铃声.wav");
  settings.Cmd_OK.click();
  ASSERT_EQ(texts(), std::vector<std::string>{"账户权限限制，仅能调用，设置需管理员权限"});
  EXPECT_FALSE(settings.loaded());
  EXPECT_EQ(main.hd_time_one(1).Caption(), "02:00");
  EXPECT_TRUE(main.hd_time_one(1).Visible());
  // The failing preset's item keeps what it showed; later presets are not stored at all.
  EXPECT_FALSE(main.hd_time_one(2).Visible());
  EXPECT_EQ(main.hd_time_one(2).Caption(), "01:00");
  EXPECT_EQ(stored(4, "sname"), "");
}

TEST_F(InteractionSettingsTest, CloseStoresNothingAndTheWindowHoldsTheClocksBack) {
  startWith(section(1, "0:02:00", "10000"));
  FloatingClock& clock = app.floatingClock();
  clock.Load();
  clock.setTopmost(true);
  open();
  EXPECT_FALSE(clock.topmost());  // sent below the window it would cover
  typeRow(0, "9", "9", true);
  loop.advance(200);
  EXPECT_EQ(app.run.holdOff, 30);
  app.run.holdOff = 0;
  settings.Cmd_exit.click();
  loop.advance(400);
  EXPECT_EQ(app.run.holdOff, 0);
  EXPECT_EQ(stored(1, "sname"), "0:02:00");
  EXPECT_EQ(main.hd_time_one(0).Caption(), "02:00");
}

TEST_F(InteractionSettingsTest, HelpOpensTheTopicOrTheArticleWithCtrl) {
  startWith("");
  open();
  settings.Lab_help.click();
  ASSERT_EQ(shell.started().size(), 1u);
  EXPECT_EQ(shell.started()[0].commandLine,
            "hh.exe \"" + programPath("help.chm") + "::/2.3、互动计时.htm\"");
  settings.Lab_help.MouseDown(1, 2, 0, 0);
  settings.Lab_help.click();
  ASSERT_EQ(shell.opened().size(), 1u);
  EXPECT_EQ(shell.opened()[0].target, InteractionSettingsWindow::kOnlineArticle);
  // Neither the viewer nor the help function: the user is told.
  files.remove(programPath("help.chm"));
  shell.queueStartResult(false);
  settings.Lab_help.click();
  ASSERT_FALSE(texts().empty());
  EXPECT_EQ(texts().back(), "无法打开帮助文件！");
}

}  // namespace
}  // namespace horalix::test
