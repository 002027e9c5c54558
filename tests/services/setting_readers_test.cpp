#include "services/setting_readers.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "main/main_window.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

using SettingReadersTest = ProgramFixture;

TEST_F(SettingReadersTest, AImodeShorterThanEightBecomesTheDefault) {
  struct Case {
    std::optional<std::string> stored;
    std::string field;
    bool automatic;
  };
  const Case cases[] = {
      {"0111", "01111101", true},
      {"1000000", "01111101", true},  // seven characters are too few
      {std::nullopt, "01111101", true},
      {"10000000", "10000000", false},
      {"01000000", "01000000", true},
  };
  for (const Case& c : cases) {
    registry.deleteValue(HKCU, "Vantrel", "AImode");
    if (c.stored) storeText("AImode", *c.stored);
    app.settings.AImode = "stale";
    EXPECT_EQ(ReadAImode(app.platform, app.settings), c.automatic)
        << c.stored.value_or("(missing)");
    EXPECT_EQ(app.settings.AImode, c.field);
  }
}

TEST_F(SettingReadersTest, CheckFlagSevenLeavesTheRecordAlone) {
  app.settings.checkvalue = "1111111";
  EXPECT_FALSE(ReadCheckFlag7(app.platform));  // missing
  storeText("checkvalue", "0000001000");
  EXPECT_TRUE(ReadCheckFlag7(app.platform));
  storeText("checkvalue", "1111110111");
  EXPECT_FALSE(ReadCheckFlag7(app.platform));
  EXPECT_EQ(app.settings.checkvalue, "1111111");
}

// The registry readers test only the upper bound; missing or unreadable values read as 0.
TEST_F(SettingReadersTest, RegistryOptionsKeepToTheirRange) {
  struct Reader {
    const char* name;
    std::function<std::int16_t(App&)> read;
    std::int16_t highest;
  };
  const Reader readers[] = {
      {"clockmode", [](App& a) { return ReadClockMode(a.platform); }, 2},
      {"clockcycle", [](App& a) { return ReadClockCycle(a.platform); }, 2},
      // written as Timeout, read as timeout
      {"Timeout", [](App& a) { return ReadTimeoutAction(a.platform); }, 4},
      {"second_screen", [](App& a) { return ReadSecondScreen(a.platform, a.ports); }, 1},
  };
  for (const Reader& r : readers) {
    registry.deleteValue(HKCU, "Vantrel", r.name);
    EXPECT_EQ(r.read(app), 0) << r.name << " missing";
    const struct {
      std::int32_t stored;
      std::int16_t expected;
    } values[] = {{r.highest, r.highest}, {r.highest + 1, 0}, {-1, -1}, {70000, 0}};
    for (const auto& v : values) {
      storeNumber(r.name, v.stored);
      EXPECT_EQ(r.read(app), v.expected) << r.name << " " << v.stored;
    }
    storeText(r.name, "1");
    EXPECT_EQ(r.read(app), 1) << r.name << " as text";
    storeText(r.name, "abc");
    EXPECT_EQ(r.read(app), 0) << r.name << " no number";
  }
}

TEST_F(SettingReadersTest, RegistryOptionsWithoutTheShellReadTheLeadingNumber) {
  scriptingShell.setAvailable(false);
  storeText("clockmode", "2 ms");
  EXPECT_EQ(ReadClockMode(app.platform), 2);
  storeNumber("clockcycle", 1);
  EXPECT_EQ(ReadClockCycle(app.platform), 1);
  storeText("timeout", "9");
  EXPECT_EQ(ReadTimeoutAction(app.platform), 0);
}

TEST_F(SettingReadersTest, SecondScreenShowsOrHidesTheMenuItem) {
  platform::MenuItem* item = app.mainWindow().findMenu("hd_time_show");
  if (item == nullptr) item = &app.mainWindow().menuRoot().add("hd_time_show", -1, "扩展屏显示");
  storeNumber("second_screen", 1);
  EXPECT_EQ(ReadSecondScreen(app.platform, app.ports), 1);
  EXPECT_TRUE(item->Visible());
  item->setChecked(true);
  storeNumber("second_screen", 2);
  EXPECT_EQ(ReadSecondScreen(app.platform, app.ports), 0);
  EXPECT_FALSE(item->Visible());
  EXPECT_FALSE(item->Checked());

  // Without the item (the main window's menu not built) the value is still read.
  item->parent()->removeChild(*item);
  storeNumber("second_screen", 1);
  EXPECT_EQ(ReadSecondScreen(app.platform, app.ports), 1);
}

TEST_F(SettingReadersTest, HotkeyAddIsHeldBetweenZeroAndHundred) {
  EXPECT_EQ(ReadHotkeyAdd(app.platform), 0);  // no TimeData.db
  const struct {
    const char* stored;
    std::int16_t expected;
  } cases[] = {{"", 0},    {"35", 35},   {"250", 100}, {"-5", 0},
               {"abc", 0}, {"99999", 0}, {"12.5", 12}};
  for (const auto& c : cases) {
    installFile("TimeData.db", std::string("[Hotkey]\nadd=") + c.stored + "\n");
    EXPECT_EQ(ReadHotkeyAdd(app.platform), c.expected) << c.stored;
  }
}

TEST_F(SettingReadersTest, PresetHotkeyModifiersFollowOften) {
  EXPECT_FALSE(IsPresetHotkeyOn(app.platform));  // no TimeData.db
  EXPECT_EQ(PresetHotkeyPrefix(app.platform), "");
  const struct {
    const char* often;
    bool on;
    const char* prefix;
  } cases[] = {{"10", true, "Ctrl+"}, {"01", true, "Alt+"}, {"11", true, "Ctrl+Alt+"},
               {"00", false, ""},     {"20", true, ""},     {"", false, ""},
               {"1", true, "Ctrl+"},  {"x1", true, "Alt+"}};
  for (const auto& c : cases) {
    installFile("TimeData.db", std::string("[Hotkey]\noften=") + c.often + "\n");
    EXPECT_EQ(IsPresetHotkeyOn(app.platform), c.on) << c.often;
    EXPECT_EQ(PresetHotkeyPrefix(app.platform), c.prefix) << c.often;
  }
}

TEST_F(SettingReadersTest, OpenTogetherStopIsZeroOrOne) {
  EXPECT_EQ(ReadOpenTogetherStop(app.platform), 0);  // no TimeData.db
  const struct {
    const char* content;
    std::int16_t expected;
  } cases[] = {{"[Hotkey]\nopentogetherstop=7\n", 1},
               {"[Hotkey]\nopentogetherstop=1\n", 1},
               {"[Hotkey]\nopentogetherstop=0\n", 0},
               {"[Hotkey]\nopentogetherstop=-3\n", 1},
               {"[Hotkey]\nadd=5\n", 0}};
  for (const auto& c : cases) {
    installFile("TimeData.db", c.content);
    EXPECT_EQ(ReadOpenTogetherStop(app.platform), c.expected) << c.content;
  }
}

}  // namespace
}  // namespace horalix::test
