#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bars/follow_spotlight.h"
#include "bars/spotlight_dark_layer.h"
#include "main/run_state.h"
#include "preset_rows.h"
#include "presets/office_data_file.h"
#include "services/ini_read_write.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

using Key = std::pair<unsigned, int>;  // modifiers, virtual key
constexpr unsigned kAlt = 1, kCtrl = 2, kShift = 4;
constexpr int kF1 = 112, kF5 = 116, kNum0 = 96;
constexpr char kBlanks[] = "        ";

class HotKeysTest : public MainWindowTest {
 protected:
  // The [Hotkey] keys before the program starts; `often` and the presets as given.
  void writeKeys(const std::map<std::string, std::string>& keys) {
    for (const auto& [key, text] : keys) {
      IniReadWrite(files, "write", programPath("TimeData.db"), "Hotkey", key, text);
    }
  }
  void writePresets(int count) {
    std::string rows;
    for (int i = 1; i <= count; ++i) rows += presetRow(i, "P" + std::to_string(i));
    files.remove(programPath("OfficeData.db"));
    createOfficeDataFile(files.realPath(programPath("OfficeData.db")), rows);
  }

  // The keys the main window holds, by id.
  std::map<int, Key> held() const {
    std::map<int, Key> keys;
    for (const platform::HotKey& k : hotKeys.registered()) {
      EXPECT_EQ(k.form, "Frm_exit");
      keys[k.id] = {k.modifiers, k.virtualKey};
    }
    return keys;
  }
  std::map<int, Key> heldPresetKeys() const {
    std::map<int, Key> keys = held();
    std::erase_if(keys, [](const auto& entry) { return entry.first <= 6; });
    return keys;
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const auto& box : messageBoxes.shown()) {
      EXPECT_EQ(box.caption, "Horalix");
      texts.push_back(box.text);
    }
    return texts;
  }
  int checkedPreset() {
    for (int i = 0; i < static_cast<int>(main.menu_two(3).children().size()); ++i) {
      if (main.menu_often(i).Checked()) return i;
    }
    return -1;
  }
};

// Each command's key is parsed from its own text: unknown texts take no key but still show
// after the eight blanks, "无" shows nothing there; the captions keep their state words.
TEST_F(HotKeysTest, KeysFromTheIniAreRegisteredAndShownAfterTheirItems) {
  writeKeys({{"start", "Ctrl+Alt+S"},
             {"pause", "Shift+F5"},
             {"stop", "无"},
             {"hide", "s"},
             {"focus", ""},
             {"light", "Ctrl+Num 3"}});
  start();
  const std::map<int, Key> expected = {
      {1, {kCtrl | kAlt, 'S'}}, {2, {kShift, kF5}}, {6, {kCtrl, kNum0 + 3}}};
  EXPECT_EQ(held(), expected);
  EXPECT_EQ(main.menu_one(1).Caption(), std::string("开始") + kBlanks + "Ctrl+Alt+S");
  EXPECT_EQ(main.menu_one(2).Caption(), std::string("暂停") + kBlanks + "Shift+F5");
  EXPECT_EQ(main.menu_one(3).Caption(), std::string("停止") + kBlanks);
  EXPECT_EQ(main.menu_two(1).Caption(), std::string("隐藏") + kBlanks + "s");
  EXPECT_EQ(main.MouseLight(0).Caption(), std::string("跟随模式") + kBlanks);
  EXPECT_EQ(main.MouseLight(1).Caption(), std::string("动态亮度") + kBlanks + "Ctrl+Num 3");
  EXPECT_TRUE(messages().empty());

  // Taken again (as the settings window does after its apply) while paused and hidden, with a
  // key changed and blanks around it.
  main.menu_two_Click(1);
  setPaused(app.run, main, true);
  writeKeys({{"pause", "  Alt+Enter "}});
  main.hotkey_del();
  main.Hotkey_set();
  EXPECT_EQ(main.menu_one(2).Caption(), std::string("继续") + kBlanks + "Alt+Enter");
  EXPECT_EQ(main.menu_two(1).Caption(), std::string("显示") + kBlanks + "s");
  EXPECT_EQ(held().at(2), Key(kAlt, 13));
  EXPECT_TRUE(messages().empty());
}

// A key that another program holds is reported once, with the pause key's own wording, and
// the program's other keys are registered and work.
TEST_F(HotKeysTest, AKeyHeldElsewhereIsReportedAndTheOthersStillWork) {
  writeKeys({{"start", "Ctrl+Alt+S"}, {"pause", "Shift+F5"}, {"hide", "Ctrl+F1"}});
  hotKeys.takeByOtherProgram(kCtrl | kAlt, 'S');
  hotKeys.takeByOtherProgram(kShift, kF5);
  start();
  const std::vector<std::string> expected = {
      "热键Ctrl+Alt+S被其它程序占有\r\r请更改热键或关闭其他程序以便设置\r\r"
      "也可右键单击时钟执行相应命令",
      "热键Shift+F5被其它程序占有\r\r请更改热键或关闭其他程序以便设置\r\r"
      "可右键单击时钟执行相应命令"};
  EXPECT_EQ(messages(), expected);
  EXPECT_EQ(held(), (std::map<int, Key>{{4, {kCtrl, kF1}}}));
  EXPECT_TRUE(hotKeys.press(kCtrl, kF1));
  EXPECT_TRUE(main.menu_two(1).Caption().starts_with("显示"));
  EXPECT_FALSE(hotKeys.press(kCtrl | kAlt, 'S'));
}

// The preset keys: the prefix from `often`, one digit and one keypad key per item of the presets
// submenu (the placeholder counts), at most nine.
TEST_F(HotKeysTest, PresetKeysFollowTheSubmenuAndThePrefix) {
  start();
  struct Case {
    const char* often;
    int presets;
    unsigned modifiers;
    int keys;  // preset keys of each kind; 0: none
  };
  const Case cases[] = {
      {"10", 3, kCtrl, 3},
      {"01", 1, kAlt, 1},
      {"11", 2, kCtrl | kAlt, 2},
      {"10", 0, kCtrl, 1},  // the placeholder item
      {"10", 12, kCtrl, 9},
      {"00", 3, 0, 0},
      {"20", 3, 0, 0},  // names no modifier: the bare digits stay with the other programs
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.often) + ", " + std::to_string(c.presets) + " presets");
    writeKeys({{"often", c.often}});
    writePresets(c.presets);
    main.change_clock_menu();
    std::map<int, Key> expected;
    for (int i = 1; i <= c.keys; ++i) {
      expected[6 + i] = {c.modifiers, '0' + i};
      expected[6 + c.keys + i] = {c.modifiers, kNum0 + i};
    }
    EXPECT_EQ(heldPresetKeys(), expected);
  }
  EXPECT_TRUE(messages().empty());
}

// When the list shrinks from four presets to two, the keys of the third and fourth go with it
// and the rest are taken again under their new ids without any message.
TEST_F(HotKeysTest, RebuildingThePresetsReleasesTheKeysOfTheOldList) {
  writeKeys({{"often", "10"}});
  writePresets(4);
  start();
  ASSERT_EQ(heldPresetKeys().size(), 8u);
  writePresets(2);
  main.change_clock_menu();
  const std::map<int, Key> expected = {
      {7, {kCtrl, '1'}}, {8, {kCtrl, '2'}}, {9, {kCtrl, kNum0 + 1}}, {10, {kCtrl, kNum0 + 2}}};
  EXPECT_EQ(heldPresetKeys(), expected);
  EXPECT_TRUE(messages().empty());
  EXPECT_FALSE(hotKeys.press(kCtrl, '3'));
}

// The digit and the keypad key of a preset both apply it; a preset key held elsewhere is
// reported with the preset wording; without presets the keys do nothing.
TEST_F(HotKeysTest, PresetKeysApplyTheirPresets) {
  writeKeys({{"often", "10"}});
  writePresets(3);
  hotKeys.takeByOtherProgram(kCtrl, '2');
  start();
  EXPECT_EQ(messages(),
            std::vector<std::string>{"热键Ctrl+2被其它程序占有\r\r请更改热键\r\r或右键单击调用"});
  EXPECT_TRUE(hotKeys.press(kCtrl, kNum0 + 2));
  EXPECT_EQ(checkedPreset(), 1);
  EXPECT_TRUE(hotKeys.press(kCtrl, '3'));
  EXPECT_EQ(checkedPreset(), 2);
  EXPECT_EQ(app.settings.tellprocesstext, "process P3");

  writePresets(0);
  main.change_clock_menu();
  const SettingsBlock before = app.settings;
  EXPECT_TRUE(hotKeys.press(kCtrl, '1'));
  EXPECT_TRUE(hotKeys.press(kCtrl, kNum0 + 1));
  EXPECT_EQ(app.settings, before);
  EXPECT_EQ(checkedPreset(), -1);
}

// With one key for start and stop, either key starts when idle, stops a manual run, and does
// nothing while the Start item is hidden (an automatic run).
TEST_F(HotKeysTest, WithStartStopTogetherEitherKeyToggles) {
  writeKeys({{"start", "Ctrl+F1"}, {"stop", "Ctrl+F2"}, {"opentogetherstop", "1"}});
  start();
  EXPECT_TRUE(hotKeys.press(kCtrl, kF1 + 1));
  EXPECT_EQ(app.run.binding.text(), "手动计时");
  runStart();
  EXPECT_TRUE(hotKeys.press(kCtrl, kF1 + 1));
  EXPECT_EQ(app.run.binding.text(), "");
  runStart();
  EXPECT_TRUE(hotKeys.press(kCtrl, kF1));
  EXPECT_EQ(app.run.binding.text(), "手动计时");
  runStart();
  EXPECT_TRUE(hotKeys.press(kCtrl, kF1));
  EXPECT_EQ(app.run.binding.text(), "");
  runStart();
  app.run.offers.start.shown = false;
  app.run.binding.bindDocument("Talk.pptx");
  EXPECT_TRUE(hotKeys.press(kCtrl, kF1));
  EXPECT_TRUE(hotKeys.press(kCtrl, kF1 + 1));
  EXPECT_EQ(app.run.binding.text(), "Talk.pptx");
}

// The spotlight keys switch their effects; the dynamic-brightness key ends an open area
// selection, where its menu item would start a new one.
TEST_F(HotKeysTest, SpotlightKeysSwitchTheirEffects) {
  writeKeys({{"focus", "Ctrl+F5"}, {"light", "Ctrl+F6"}});
  start();
  EXPECT_TRUE(hotKeys.press(kCtrl, kF5));
  EXPECT_TRUE(app.followSpotlight().loaded());
  EXPECT_EQ(app.run.openToolWindow, OpenWindow::FollowSpotlight);
  EXPECT_TRUE(hotKeys.press(kCtrl, kF5 + 1));
  EXPECT_FALSE(app.followSpotlight().loaded());
  EXPECT_TRUE(app.spotlightDarkLayer().loaded());
  EXPECT_TRUE(main.MouseLight(1).Checked());
  EXPECT_TRUE(hotKeys.press(kCtrl, kF5 + 1));
  EXPECT_FALSE(app.spotlightDarkLayer().loaded());
  EXPECT_FALSE(main.MouseLight(1).Checked());
  EXPECT_EQ(app.run.openToolWindow, OpenWindow::None);
}

// Unloading the main window releases every key it took, the preset keys included; a key pressed
// afterwards reaches nothing.
TEST_F(HotKeysTest, UnloadingTheMainWindowReleasesEveryKey) {
  writeKeys({{"start", "Ctrl+Alt+S"}, {"light", "F9"}, {"often", "11"}});
  writePresets(3);
  start();
  ASSERT_EQ(held().size(), 2u + 6u);
  main.Unload();
  EXPECT_TRUE(hotKeys.registered().empty());
  EXPECT_FALSE(hotKeys.press(kCtrl | kAlt, 'S'));
  EXPECT_EQ(platform.hotKeys.onHotKey, nullptr);
}

}  // namespace
}  // namespace horalix::test
