#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <tuple>

#include "presets/preset_manager_fixture.h"
#include "settings/settings.h"
#include "settings/settings_codec.h"

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
    return controlNamed(settings(), name, index);
  }
  // Enters the settings window's content under this name; true when a row was written.
  bool enter(const std::string& name) {
    const std::size_t before = storedPresets().size();
    c("Text1", 1).setText(name);
    c("Cmd_save").click();
    return storedPresets().size() > before;
  }
  // The value-holding properties of the settings window's controls that a preset sets (or,
  // with `kept`, of those it leaves: the timing mode, the document kinds, the picture size).
  using Snapshot = std::vector<std::tuple<std::string, int, std::string, int, int, std::uint32_t>>;
  Snapshot controls(bool kept = false) {
    const std::set<std::string> applied = {"Check2",  "Check3",  "Check4",  "Check5", "Check11",
                                           "Option1", "Option2", "Option4", "Combo1", "Combo2",
                                           "Combo3",  "Combo4",  "Label10", "Text4"};
    Snapshot out;
    for (const auto& k : settings().controls()) {
      const std::string& n = k->name();
      const int i = k->index();
      const bool isApplied = applied.contains(n) || (n == "Text2" && i >= 1) ||
                             (n == "Check1" && i <= 5) || (n == "Text1" && i == 5);
      const bool isKept = n == "Option6" || n == "Check6" || (n == "Text1" && i >= 18);
      if (kept ? isKept : isApplied) {
        out.emplace_back(n, i, k->Text(), k->Value(), k->ListIndex(), k->BackColor());
      }
    }
    return out;
  }
};

TEST_F(PresetEntryTest, StoredPresetAppliesBackEveryControlButTheModeAndPictureSize) {
  SettingsBlock a{.Time_all = 4830 / 86400.0,
                  .Time_one = 300,
                  .Time_two = 200,
                  .Time_three = 100,
                  .checkvalue = "100110011001100110011001100010101",
                  .optvalue = "010001001",
                  .secondtimer = "",
                  .tellShowtime = 7,
                  .tellsoundname = "a b.wav\\it's.wav\\c.wav\\d.wav\\e.wav\\f.wav",
                  .tellprocesstext = "it's  yours",
                  .tellShowtext = "over  time",
                  .clockFont = "",
                  .Fontselect = "1051703\\0",
                  .picturename = "my  back's.png\\4478310",
                  .AImode = "10100000",
                  .tellouttext = "time's up",
                  .picture_width = 640,
                  .picture_height = 480};
  {
    FillFromCode filling(settings());
    decodeSettings(settings().fields(), a);
  }
  // The overtime option's handler took the overtime row from the record in force: the user
  // sets it again, and picks a font and a custom colour.
  s("Text2", 7).setText("45");
  s("Check2", 5).setValue(1);
  s("Combo1").setText("微软雅黑");
  s("Label10").setBackColor(0x123456);
  const Snapshot entered = controls();
  ASSERT_TRUE(enter("It's  my  talk"));
  EXPECT_TRUE(messageBoxes.shown().empty());
  EXPECT_EQ(menuCaptions().back(), "It's  my  talk");

  SettingsBlock b = a;
  for (char& flag : b.checkvalue) flag = flag == '1' ? '0' : '1';
  b.Time_all = 150 / 86400.0;
  b.Time_one = 60;
  b.optvalue = "100100100";
  b.tellShowtime = 3;
  b.tellsoundname = b.tellprocesstext = b.tellShowtext = b.tellouttext = "x";
  b.Fontselect = "1060602\\65280";
  b.picturename = "\\0";
  b.AImode = "01011101";
  b.picture_width = b.picture_height = 10;
  {
    FillFromCode filling(settings());
    decodeSettings(settings().fields(), b);
  }
  s("Combo1").setText("Tahoma");
  s("Label10").setBackColor(0x00FF00);
  const Snapshot before = controls();
  const Snapshot kept = controls(true);
  ASSERT_NE(before, entered);
  // The colour list runs its handler while the preset is applied, marked as set from code.
  std::vector<bool> colourClicks;
  s("Combo3").Click = [&] { colourClicks.push_back(settings().fillingFromCode()); };
  // With the link page shown, a double click only chooses the link's preset.
  c("Image1", 1).click();
  clickRows(c("List1"), {6});
  c("List1").DblClick();
  EXPECT_EQ(c("Text2", 2).Text(), "It's  my  talk");
  EXPECT_EQ(controls(), before);
  c("Image1", 0).click();
  clickRows(c("List1"), {6});
  c("List1").DblClick();
  EXPECT_EQ(controls(), entered);
  EXPECT_EQ(controls(true), kept);
  EXPECT_EQ(colourClicks, std::vector<bool>{true});
  EXPECT_FALSE(settings().fillingFromCode());
  EXPECT_TRUE(c("List1").hasFocus());
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(PresetEntryTest, EntryChecksTheTimesAndHotKeys) {
  struct Case {
    const char* fields;   // Check2(1..4), hours, minutes, seconds, alarms 1-3 ("-": empty)
    const char* hotKey;   // Text3(2), beside Text3(1) = "Ctrl+F1"
    std::string message;  // "" when the preset is saved
  };
  const Case cases[] = {
      {"0111 0 0 20 30 30 30", "无", ""},  // no check without the duration
      {"1100 0 5 0 30 20 30", "无", "报警1和报警3设置时长不能相同，请修改"},
      {"1100 0 1 0 50 20 10", "无", ""},  // a gap of exactly 10 s
      {"1100 0 1 0 51 20 10", "无", "计时时长要比\r\r报警1\r\r多10秒以上，请修改后再保存"},
      {"1001 0 10 0 50 20 2", "无", "报警3设定时长要在3秒以上，请修改再保存"},
      {"1000 0 0 2 50 20 10", "无", ""},  // the duration alone may be short
      {"0000 0 1 0 50 20 10", "Ctrl+F1", "系统热键设置不能相同"},
      {"0000 - 1 0 50 20 10", "无", "受限制或操作系统是精简版本，不支持本功能"},
  };
  s("Text3", 1).setText("Ctrl+F1");
  s("Text3", 3).setText("无");
  int n = 0;
  for (const Case& k : cases) {
    SCOPED_TRACE(k.fields);
    std::istringstream fields(k.fields);
    std::string field;
    fields >> field;
    for (int i = 0; i < 4; ++i)
      s("Check2", i + 1).setValue(field[static_cast<std::size_t>(i)] - '0');
    for (int i = 1; fields >> field; ++i) s("Text2", i).setText(field == "-" ? "" : field);
    s("Text3", 2).setText(k.hotKey);
    const std::size_t before = messageBoxes.shown().size();
    EXPECT_EQ(enter("case " + std::to_string(++n)), k.message.empty());
    EXPECT_EQ(messageBoxes.shown().size() - before, k.message.empty() ? 0u : 1u);
    EXPECT_EQ(messageBoxes.shown().size() > before ? shownTexts().back() : "", k.message);
  }
  // A wide name is warned about and still saved.
  s("Text2", 1).setText("1");
  EXPECT_TRUE(enter("十个汉字十个汉字十个x"));
  EXPECT_EQ(shownTexts().back(), "建议时钟名称控制在10个字符以内");
  const std::size_t warned = messageBoxes.shown().size();
  EXPECT_TRUE(enter("十个汉字十个汉字十个"));
  EXPECT_EQ(messageBoxes.shown().size(), warned) << "ten units are not too wide";
}

TEST_F(PresetEntryTest, SettingsWindowOpensThePresetManagerBesideIt) {
  app.run.ScreenWidthPx = 1920;
  int modalOpenings = 0;
  loop.onModal = [&](platform::HeadlessEventLoop&, const std::string&) {
    ++modalOpenings;
    const int screen = 1920 * platform.desktop.twipsPerPixelX();
    EXPECT_EQ(settings().Left(), (screen - settings().Width() - 6900) / 2 - 1000);
    EXPECT_EQ(manager().Left(), settings().Left() + settings().Width() + 120);
    manager().Unload();
  };
  manager().Unload();
  s("Label30").click();
  app.run.ScreenWidthPx = 800;
  loop.onModal = [&](platform::HeadlessEventLoop&, const std::string&) {
    ++modalOpenings;
    EXPECT_EQ(settings().Left(), 150);
    manager().Unload();
  };
  s("Image1").click();
  EXPECT_EQ(modalOpenings, 2) << "the preset manager opens modal";
}

}  // namespace
}  // namespace horalix::test
