#include <gtest/gtest.h>

#include <tuple>

#include "presets/preset_manager_fixture.h"
#include "settings/settings.h"

namespace horalix::test {
namespace {

class PresetEntryTest : public PresetManagerTest {
 protected:
  void SetUp() override {
    PresetManagerTest::SetUp();
    settings().Load();
    open();
  }
  SettingsWindow& settings() { return app.settingsWindow(); }
  platform::Control& s(const std::string& name, int index = -1) {
    return settings().c(name, index);
  }

  // Enters the settings window's content under this name; true when a row was written.
  bool enter(const std::string& name) {
    const std::size_t before = storedPresets().size();
    c("Text1", 1).setText(name);
    c("Cmd_save").click();
    return storedPresets().size() > before;
  }

  // Every control a preset sets, with the properties that hold its value.
  using Snapshot = std::vector<std::tuple<std::string, int, std::string, int, int, std::uint32_t>>;
  Snapshot appliedControls() {
    std::vector<std::pair<const char*, std::vector<int>>> names = {
        {"Text2", {1, 2, 3, 4, 5, 6, 7}},
        {"Check2", {1, 2, 3, 4, 5, 6}},
        {"Check1", {0, 1, 2, 3, 4, 5}},
        {"Check3", {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"Check4", {1, 2, 3, 4, 5}},
        {"Check5", {0, 1, 2}},
        {"Check11", {0, 1, 2}},
        {"Option1", {0, 1}},
        {"Option2", {0, 1, 2, 3}},
        {"Option4", {0, 1, 2}},
        {"Combo1", {-1}},
        {"Combo2", {-1}},
        {"Combo3", {-1}},
        {"Combo4", {-1}},
        {"Label10", {-1}},
        {"Text1", {5}},
        {"Text4", {0, 1, 2, 3, 4, 5, 6, 7, 8, 10}},
    };
    return snapshot(names);
  }
  Snapshot keptControls() {
    return snapshot({{"Option6", {0, 1}}, {"Check6", {0, 1, 2, 3, 4, 5}}, {"Text1", {18, 19}}});
  }
  Snapshot snapshot(const std::vector<std::pair<const char*, std::vector<int>>>& names) {
    Snapshot out;
    for (const auto& [name, indices] : names) {
      for (int i : indices) {
        const platform::Control& k = s(name, i);
        out.emplace_back(name, i, k.Text(), k.Value(), k.ListIndex(), k.BackColor());
      }
    }
    return out;
  }
};

SettingsBlock lookA() {
  SettingsBlock a;
  a.Time_all = (1 * 3600 + 20 * 60 + 30) / 86400.0;
  a.Time_one = 300;
  a.Time_two = 200;
  a.Time_three = 100;
  a.checkvalue = "100110011001100110011001100010101";
  a.optvalue = "010001001";
  a.tellShowtime = 7;
  a.tellsoundname = "a b.wav\\it's.wav\\c.wav\\d.wav\\e.wav\\f.wav";
  a.tellprocesstext = "it's  yours";
  a.tellShowtext = "over  time";
  a.tellouttext = "time's up";
  a.Fontselect = "1051703\\1193046";  // a custom colour
  a.picturename = "my  back's.png\\4478310";
  a.AImode = "10100000";
  a.picture_width = 640;
  a.picture_height = 480;
  return a;
}

SettingsBlock lookB() {
  SettingsBlock b;
  b.Time_all = 150 / 86400.0;
  b.Time_one = 60;
  b.Time_two = 30;
  b.Time_three = 10;
  b.checkvalue = "011001100110011001100110011100010";
  b.optvalue = "100100100";
  b.tellShowtime = 3;
  b.tellsoundname = "start.wav\\Timeout.wav\\Timeout.wav\\Timeout.wav\\Stop.wav\\Stop.wav";
  b.Fontselect = "1060602\\65280";
  b.picturename = "\\0";
  b.AImode = "01011101";
  b.picture_width = 10;
  b.picture_height = 20;
  return b;
}

TEST_F(PresetEntryTest, StoredPresetAppliesBackEveryControlButTheModeAndPictureSize) {
  DecodeSettings(settings(), lookA());
  // The overtime option's handler set the overtime row from the record in force; the user sets
  // it again, and picks a font.
  s("Text2", 7).setText("45");
  s("Check2", 5).setValue(1);
  s("Combo1").setText("微软雅黑");
  const Snapshot entered = appliedControls();
  ASSERT_TRUE(enter("It's  my  talk"));
  EXPECT_TRUE(messageBoxes.shown().empty());
  EXPECT_EQ(menuCaptions().back(), "It's  my  talk");

  DecodeSettings(settings(), lookB());
  s("Combo1").setText("Tahoma");
  const Snapshot kept = keptControls();
  // The colour list runs its handler while the preset is applied, marked as set from code.
  std::vector<bool> colourClicks;
  s("Combo3").Click = [&] { colourClicks.push_back(settings().fillingFromCode()); };
  const Snapshot before = appliedControls();
  ASSERT_NE(before, entered);
  // With the link page shown, a double click only chooses the link's preset.
  c("Image1", 1).click();
  clickRows(c("List1"), {6});
  c("List1").DblClick();
  EXPECT_EQ(c("Text2", 2).Text(), "It's  my  talk");
  EXPECT_EQ(appliedControls(), before);
  c("Image1", 0).click();
  clickRows(c("List1"), {6});
  c("List1").DblClick();
  EXPECT_EQ(appliedControls(), entered);
  EXPECT_EQ(keptControls(), kept);
  EXPECT_EQ(colourClicks, std::vector<bool>{true});
  EXPECT_FALSE(settings().fillingFromCode());
  EXPECT_TRUE(c("List1").hasFocus());
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(PresetEntryTest, EntryChecksTheTimesAndHotKeys) {
  struct Case {
    const char* what;
    std::array<int, 4> ticked;         // Check2(1..4)
    std::array<const char*, 6> times;  // hours, minutes, seconds, alarms 1-3
    const char* hotKey;                // Text3(2), beside Text3(1) = "Ctrl+F1"
    std::vector<std::string> messages;
  };
  const std::string gap = "\r\r";
  const Case cases[] = {
      {"unchecked duration", {0, 1, 1, 1}, {"0", "0", "20", "30", "30", "30"}, "无", {}},
      {"equal alarms, one of them unticked",
       {1, 1, 0, 0},
       {"0", "5", "0", "30", "20", "30"},
       "无",
       {"报警1和报警3设置时长不能相同，请修改"}},
      {"gap of exactly 10 s", {1, 1, 0, 0}, {"0", "1", "0", "50", "20", "10"}, "无", {}},
      {"gap of 9 s",
       {1, 1, 0, 0},
       {"0", "1", "0", "51", "20", "10"},
       "无",
       {"计时时长要比" + gap + "报警1" + gap + "多10秒以上，请修改后再保存"}},
      {"last alarm under 3 s",
       {1, 0, 0, 1},
       {"0", "10", "0", "50", "20", "2"},
       "无",
       {"报警3设定时长要在3秒以上，请修改再保存"}},
      {"duration alone of 2 s", {1, 0, 0, 0}, {"0", "0", "2", "50", "20", "10"}, "无", {}},
      {"two hot keys alike",
       {0, 0, 0, 0},
       {"0", "1", "0", "50", "20", "10"},
       "Ctrl+F1",
       {"系统热键设置不能相同"}},
      {"an empty duration field",
       {0, 0, 0, 0},
       {"", "1", "0", "50", "20", "10"},
       "无",
       {"受限制或操作系统是精简版本，不支持本功能"}},
  };
  s("Text3", 1).setText("Ctrl+F1");
  s("Text3", 3).setText("无");
  int n = 0;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    for (int i = 0; i < 4; ++i) s("Check2", i + 1).setValue(k.ticked[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 6; ++i) s("Text2", i + 1).setText(k.times[static_cast<std::size_t>(i)]);
    s("Text3", 2).setText(k.hotKey);
    const std::size_t before = messageBoxes.shown().size();
    EXPECT_EQ(enter("case " + std::to_string(++n)), k.messages.empty());
    std::vector<std::string> messages;
    for (std::size_t i = before; i < messageBoxes.shown().size(); ++i) {
      messages.push_back(messageBoxes.shown()[i].text);
    }
    EXPECT_EQ(messages, k.messages);
  }
  // A wide name is warned about and still saved.
  s("Text2", 1).setText("1");
  EXPECT_TRUE(enter("十个汉字十个汉字十个x"));
  EXPECT_EQ(shownTexts().back(), "建议时钟名称控制在10个字符以内");
}

TEST_F(PresetEntryTest, SettingsWindowOpensThePresetManagerBesideIt) {
  app.run.ScreenWidthPx = 1920;
  loop.onModal = [&](platform::HeadlessEventLoop&, const std::string&) {
    const int screen = 1920 * platform.desktop.twipsPerPixelX();
    EXPECT_EQ(settings().Left(), (screen - settings().Width() - 6900) / 2 - 1000);
    EXPECT_EQ(manager().Left(), settings().Left() + settings().Width() + 120);
    manager().Unload();
  };
  manager().Unload();
  s("Label30").click();
  app.run.ScreenWidthPx = 800;
  loop.onModal = [&](platform::HeadlessEventLoop&, const std::string&) {
    EXPECT_EQ(settings().Left(), 150);
    manager().Unload();
  };
  s("Image1").click();
}

}  // namespace
}  // namespace horalix::test
