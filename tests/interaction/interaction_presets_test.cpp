// The interaction presets in TimeData.db: each reader's defaults, the write and its check, the
// stored duration text, and the submenu built from the presets.
#include <gtest/gtest.h>

#include "interaction/interaction_presets.h"
#include "interaction_fixture.h"
#include "services/ini_read_write.h"
#include "services/setting_readers.h"

namespace horalix::test {
namespace {

using PresetsTest = InteractionTest;

TEST_F(PresetsTest, EachReaderHasItsOwnDefaults) {
  installFile("TimeData.db", "[hudongset2]\r\nsoundname=\r\nTtime= 7 \r\n");
  const PresetFile file{files, programPath("TimeData.db")};
  for (int n : {1, 2}) {
    const InteractionPreset preset = readInteractionPresetForStart(file, n);
    EXPECT_EQ(preset.checkvalue, "11111");
    EXPECT_EQ(preset.Ttime, n == 2 ? "7" : "5");
    EXPECT_EQ(preset.Fontselect, "Trebuchet MS\\300\\9\\12632256");
    EXPECT_EQ(preset.soundname, "alarm.wav");
    const InteractionMenuEntry entry = readInteractionMenuEntry(file, n);
    EXPECT_EQ(entry.sname, "00:01:00");
    EXPECT_EQ(entry.checkvalue, "00000");
  }
}

TEST_F(PresetsTest, AWrittenPresetReadsBackAndEveryDifferenceIsFound) {
  installFile("TimeData.db", "");
  const PresetFile file{files, programPath("TimeData.db")};
  SaveHudongSet(file, 3, "0:00:45", "11011", 5, "DS-Digital\\200\\4\\65535", "");
  const std::string ini = files.readAll(programPath("TimeData.db")).value_or("");
  EXPECT_NE(ini.find("[hudongset3]\r\nid=3\r\nsname=0:00:45\r\ncheckvalue=11011\r\nTtime=5\r\n"
                     "Fontselect=DS-Digital\\200\\4\\65535\r\nsoundname=\r\n"),
            std::string::npos)
      << ini;
  EXPECT_TRUE(ReadHudongSet(file, 3, "0:00:45", "11011", 5, "DS-Digital\\200\\4\\65535", ""));
  struct Change {
    const char* key;
    const char* value;
  };
  const Change changes[] = {{"id", "4"},
                            {"id", "x"},
                            {"Ttime", ""},
                            {"Ttime", "6"},
                            {"sname", "0:00:46"},
                            {"checkvalue", "11010"},
                            {"Fontselect", "ds-digital\\200\\4\\65535"},
                            {"soundname", "a.wav"}};
  for (const Change& c : changes) {
    SCOPED_TRACE(c.key);
    SaveHudongSet(file, 3, "0:00:45", "11011", 5, "DS-Digital\\200\\4\\65535", "");
    IniReadWrite(files, "write", file.path, "hudongset3", c.key, c.value);
    EXPECT_FALSE(ReadHudongSet(file, 3, "0:00:45", "11011", 5, "DS-Digital\\200\\4\\65535", ""));
  }
}

TEST_F(PresetsTest, TheDurationTextIsHoursMinutesAndSeconds) {
  EXPECT_EQ(interactionDurationText(0, 45), "0:00:45");
  EXPECT_EQ(interactionDurationText(5, 30), "0:05:30");
  EXPECT_EQ(interactionDurationText(-5.7, 30.9), "0:05:30");
  EXPECT_THROW(interactionDurationText(60, 0), std::exception);
  EXPECT_EQ(interactionSection(3), "hudongset3");
}

TEST_F(PresetsTest, TheSubmenuListsThePresetsInUseWithTheirDurations) {
  // Preset 4 is in use but its duration cannot be read: its item stays hidden.
  const char* flags[] = {"10000", "00000", "10000", "10000", "10000"};
  std::string ini;
  for (int i = 0; i < 5; ++i) {
    ini += section(i + 1, i == 3 ? "0:04" : "0:0" + std::to_string(i + 1) + ":00", flags[i]);
  }
  setSecondScreen(true);
  startWith(ini);
  std::vector<std::string> listed;
  tray.onPopup = [&](const platform::PopupRecord& shown) -> platform::MenuItem* {
    bool inside = false;
    for (const auto& line : shown.lines) {
      if (line.caption == "互动计时") {
        inside = true;
      } else if (inside && line.depth == 1) {
        listed.push_back(line.caption);
      } else if (inside) {
        break;
      }
    }
    return nullptr;
  };
  ReadSecondScreen(app.platform, app.ports);
  tray.mouse(platform::TrayMouse::RightUp);
  const std::vector<std::string> expected = {"互动设置", "扩展屏显示", "01:00", "03:00", "05:00"};
  EXPECT_EQ(listed, expected);
}

}  // namespace
}  // namespace horalix::test
