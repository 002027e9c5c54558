#include "main/file_preset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "preset_rows.h"
#include "presets/office_data_file.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class FilePresetTest : public MainWindowTest {
 protected:
  // The stored settings differ from every preset, so a test sees where the record came from.
  FilePresetTest() {
    stored = defaultSettings();
    stored.Time_one = 777;
    stored.tellouttext = "stored time up";
    stored.picture_width = 12;
  }
  void useDatabase(const std::string& rows) {
    (void)files.remove(programPath("OfficeData.db"));
    createOfficeDataFile(files.realPath(programPath("OfficeData.db")), rows);
  }
  void startWith(const std::string& rows) {
    useDatabase(rows);
    start();
    SaveSettings(app.platform, stored);
    setAutomaticTiming(true);
    app.settings.Time_one = -1;  // what the last run left in memory
  }
  void loadFor(const std::string& document) {
    app.run.binding.bindDocument(document);
    LoadFilePreset(app.platform, app.settings, app.run.binding.text());
  }
  bool storedSettingsLoaded() {
    return app.settings.Time_one == 777 && app.settings.tellouttext == "stored time up";
  }
  SettingsBlock stored;
};

TEST_F(FilePresetTest, ALinkedDocumentGetsItsPresetByPositionAndTheStoredAImode) {
  startWith(presetRow(1, "A") + presetRow(2, "B", "42.5abc") + linkRow(1, "Deck.pptx", "B"));
  app.settings.AImode = "00000000";  // what the last run left in memory
  loadFor("Deck.pptx");
  const SettingsBlock& s = app.settings;
  EXPECT_EQ(std::lround(s.Time_all * 86400.0), 3600 + 30);
  EXPECT_EQ(s.Time_one, 42);  // the number the text begins with, halves to even
  EXPECT_EQ(s.Time_two, 30);
  EXPECT_EQ(s.time_end, 300);
  EXPECT_EQ(s.optvalue, "100100100");
  EXPECT_EQ(s.secondtimer, "");
  EXPECT_EQ(s.tellShowtime, 5);
  EXPECT_EQ(s.tellprocesstext, "process B");
  EXPECT_EQ(s.tellShowtext, "overtime B");
  EXPECT_EQ(s.tellouttext, "time up B");
  EXPECT_EQ(s.picturename, "bg.png\\0");
  EXPECT_EQ(s.time_left, 99);
  EXPECT_EQ(s.picture_width, 640);
  EXPECT_EQ(s.picture_height, 480);
  EXPECT_EQ(s.AImode, "01111101");  // the registry's, not the preset's "11111111"
  EXPECT_TRUE(messageBoxes.shown().empty());
}

// The presets menu and a document link read one row into the same values. A set time that is no
// time of day fails in both: the menu refuses the whole preset with its message, the link keeps
// the set time in force and takes the rest.
TEST_F(FilePresetTest, TheMenuAndADocumentLinkConvertARowAlike) {
  struct Case {
    const char* timeall;
    const char* tiemone;
    int seconds;  // -1: no time of day
    int timeOne;
  };
  const Case cases[] = {
      {"1:00:30", "42.5abc", 3630, 42}, {"23:59:59", "43.5", 86399, 44}, {"0:02:30", "x7", 150, 0},
      {"25:00:30", "60", -1, 60},       {"0:60:00", "60", -1, 60},
  };
  startWith("");
  const double before = 99 / 86400.0;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.timeall) + " " + c.tiemone);
    useDatabase(presetRow(1, "A", c.tiemone) + linkRow(1, "Deck.pptx", "A") +
                "UPDATE clocksetting SET timeall = " + sqlText(c.timeall) + ";\n");
    main.change_clock_menu();
    const std::size_t messages = messageBoxes.shown().size();
    const bool valid = c.seconds >= 0;

    app.settings.Time_all = before;
    app.settings.Time_one = -1;
    main.menu_often(0).click();
    EXPECT_EQ(std::lround(app.settings.Time_all * 86400.0), valid ? c.seconds : 99);
    EXPECT_EQ(app.settings.Time_one, valid ? c.timeOne : -1);
    EXPECT_EQ(messageBoxes.shown().size(), messages + (valid ? 0 : 1));

    app.settings.Time_all = before;
    app.settings.Time_one = -1;
    loadFor("Deck.pptx");
    EXPECT_EQ(std::lround(app.settings.Time_all * 86400.0), valid ? c.seconds : 99);
    EXPECT_EQ(app.settings.Time_one, c.timeOne);
    EXPECT_EQ(app.settings.tellouttext, "time up A");
  }
}

TEST_F(FilePresetTest, WithoutAUsableLinkTheStoredSettingsAreLoaded) {
  struct Case {
    const char* what;
    std::string rows;
    const char* document;
  };
  const Case cases[] = {
      {"no link", presetRow(1, "A") + linkRow(1, "Other.pptx", "A"), "Deck.pptx"},
      {"a link to a preset that is gone", presetRow(1, "A") + linkRow(1, "Deck.pptx", "Gone"),
       "Deck.pptx"},
      {"a quote that would end the name early", presetRow(1, "A") + linkRow(1, "x", "A"),
       "x' or 'a'='a"},
  };
  startWith("");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    useDatabase(c.rows);
    app.settings.Time_one = -1;
    loadFor(c.document);
    EXPECT_TRUE(storedSettingsLoaded());
  }
}

TEST_F(FilePresetTest, ANameWithAQuoteFindsItsPreset) {
  startWith(presetRow(1, "O'Brien") + linkRow(1, "it's.pptx", "O'Brien"));
  loadFor("it's.pptx");
  EXPECT_EQ(app.settings.tellouttext, "time up O'Brien");
}

TEST_F(FilePresetTest, WithoutTheDatabaseTheStoredSettingsAreLoadedSilently) {
  startWith(presetRow(1, "A") + linkRow(1, "Deck.pptx", "A"));
  ASSERT_TRUE(files.remove(programPath("OfficeData.db")));
  loadFor("Deck.pptx");
  EXPECT_TRUE(storedSettingsLoaded());
  EXPECT_FALSE(files.normalFileExists(programPath("OfficeData.db")));
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(FilePresetTest, AnEmptyFieldKeepsItsValueAndAShortAImodeBecomesTheDefault) {
  startWith(presetRow(1, "A") + linkRow(1, "Deck.pptx", "A") +
            "UPDATE clocksetting SET timetwo = NULL, tellprocesstext = NULL;\n");
  programValues(app.platform).writeText("AImode", "011");
  app.settings.Time_two = 55;
  app.settings.tellprocesstext = "kept";
  loadFor("Deck.pptx");
  EXPECT_EQ(app.settings.Time_two, 55);
  EXPECT_EQ(app.settings.tellprocesstext, "kept");
  EXPECT_EQ(app.settings.tellShowtext, "overtime A");
  EXPECT_EQ(app.settings.AImode, "01111101");
}

}  // namespace
}  // namespace horalix::test
