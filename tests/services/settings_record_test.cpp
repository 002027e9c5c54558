#include "services/settings_record.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "services/format_picture.h"
#include "services/program_folder.h"
#include "services/time_conversions.h"
#include "services/time_value.h"
#include "support/picture_files.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

using platform::RegData;
using platform::regDwordData;
using platform::regSzData;

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};

// A record unlike the defaults in every field that LoadSettings reads back.
SettingsBlock changedRecord() {
  SettingsBlock r = defaultSettings();
  r.Time_all = timeOfDayValue(1, 4, 16);
  r.Time_one = 120;
  r.Time_two = 45;
  r.Time_three = 7;
  r.time_end = 3;
  r.checkvalue = "101010101010101010101010101010101";
  r.optvalue = "010010010";
  r.secondtimer = "x";
  r.tellShowtime = 9;
  r.tellsoundname = "a.mp3\\b.wav\\c.wav\\d.wav\\e.wav\\f.wav";
  r.tellprocesstext = "发言人";
  r.tellShowtext = "请注意";
  r.clockFont = "Arial";
  r.Fontselect = "1101010\\255";
  r.picturename = "back.png\\1";
  r.AImode = "10000000";
  r.tellouttext = "结束";
  r.time_left = 11;
  r.picture_width = 320;
  r.picture_height = 240;
  return r;
}

// What the registry functions store for a field of the record.
RegData storedForm(const SettingsField& field, const SettingsBlock& r) {
  return std::visit(
      Overloaded{
          [&](double SettingsBlock::*m) { return regSzData(Format(r.*m, "hh:mm:ss")); },
          [&](std::int32_t SettingsBlock::*m) { return regDwordData(r.*m); },
          [&](std::int16_t SettingsBlock::*m) { return regDwordData(r.*m); },
          [&](std::string SettingsBlock::*m) { return regSzData(r.*m); },
      },
      field.member);
}

// Puts a whole record into the registry as the registry functions would have written it.
void storeRecord(ProgramFixture& f, const SettingsBlock& r) {
  for (const SettingsField& field : kSettingsFields) {
    f.registry.setRaw(ProgramFixture::HKCU, "Vantrel", std::string(field.name),
                      storedForm(field, r));
  }
}

// The fields LoadSettings reads back, compared one by one so that a failure names the field.
void expectLoadedFieldsEqual(const SettingsBlock& actual, const SettingsBlock& expected) {
  for (const SettingsField& field : kSettingsFields) {
    if (!field.loaded) continue;
    std::visit([&](auto m) { EXPECT_EQ(actual.*m, expected.*m) << field.name; }, field.member);
  }
}

class SettingsRecordTest : public ProgramFixture {
 public:
  // The last calls of one verb made to the registry functions (the shell's own calls reach the
  // registry too, before them).
  std::vector<std::string> lastCalls(const std::string& verb, std::size_t count) const {
    std::vector<std::string> calls;
    for (const std::string& call : registry.journal()) {
      if (call.starts_with(verb + " ")) calls.push_back(call);
    }
    if (calls.size() > count)
      calls.erase(calls.begin(), calls.end() - static_cast<std::ptrdiff_t>(count));
    return calls;
  }
};

TEST_F(SettingsRecordTest, EmptyKeyLoadsExactlyTheDefaults) {
  SettingsBlock record;  // as at process start: empty texts and zeros
  LoadSettings(app.platform, record);
  EXPECT_EQ(record, defaultSettings());
  EXPECT_EQ(TimeToSeconds(record.Time_all), 150);
  EXPECT_EQ(record.secondtimer, "");
  EXPECT_EQ(record.picture_width, 150);
  EXPECT_EQ(record.picture_height, 50);
}

TEST_F(SettingsRecordTest, SavedRecordLoadsBackThroughTheShell) {
  const SettingsBlock saved = changedRecord();
  SaveSettings(app.platform, saved);
  SettingsBlock loaded;
  LoadSettings(app.platform, loaded);
  expectLoadedFieldsEqual(loaded, saved);
  // Not read back: secondtimer and the picture size keep what memory held.
  EXPECT_EQ(loaded.secondtimer, "");
  EXPECT_EQ(loaded.picture_width, 0);
  EXPECT_EQ(loaded.picture_height, 0);
}

TEST_F(SettingsRecordTest, SaveWithoutShellWritesEveryFieldUnderItsOwnName) {
  scriptingShell.setAvailable(false);
  const SettingsBlock saved = changedRecord();
  SaveSettings(app.platform, saved);
  for (const SettingsField& field : kSettingsFields) {
    EXPECT_EQ(stored(std::string(field.name)), storedForm(field, saved)) << field.name;
  }
}

TEST_F(SettingsRecordTest, OneFailedShellWriteRewritesTheWholeRecord) {
  scriptingShell.failOn("HKEY_CURRENT_USER\\Vantrel\\tellprocesstext");
  SaveSettings(app.platform, changedRecord());
  std::vector<std::string> expected;
  for (const SettingsField& field : kSettingsFields) {
    expected.push_back("setValue HKCU\\Vantrel:" + std::string(field.name));
  }
  EXPECT_EQ(lastCalls("setValue", expected.size()), expected);
  EXPECT_EQ(stored("tellprocesstext"), regSzData("发言人"));
}

TEST_F(SettingsRecordTest, ShortCheckvalueReadThroughTheShellIsKept) {
  SettingsBlock saved = changedRecord();
  saved.checkvalue = "10101";
  SaveSettings(app.platform, saved);
  SettingsBlock loaded;
  loaded.picture_width = 800;
  LoadSettings(app.platform, loaded);
  EXPECT_EQ(loaded.checkvalue, "10101");
  EXPECT_EQ(loaded.tellouttext, "结束");
  EXPECT_EQ(loaded.picture_width, 800);  // no character 12, so no picture rule
}

// Without the shell the registry functions are asked; their text carries its terminating NUL,
// which the length rule counts.
TEST_F(SettingsRecordTest, FallbackPathLoadsDefaultsBelowNineteenCharacters) {
  scriptingShell.setAvailable(false);
  struct Case {
    std::string checkvalue;
    bool defaults;
  };
  const Case cases[] = {
      {"", true},
      {std::string(17, '1'), true},
      {std::string(18, '1'), false},
      {std::string(19, '1'), false},
      {std::string(33, '1'), false},
  };
  for (const Case& c : cases) {
    SettingsBlock stored = changedRecord();
    stored.checkvalue = c.checkvalue;
    storeRecord(*this, stored);
    if (c.checkvalue.empty()) registry.deleteValue(HKCU, "Vantrel", "checkvalue");
    SettingsBlock loaded = changedRecord();
    loaded.tellouttext = "in memory";
    LoadSettings(app.platform, loaded);
    if (c.defaults) {
      EXPECT_EQ(loaded, defaultSettings()) << c.checkvalue.size();
    } else {
      expectLoadedFieldsEqual(loaded, stored);
    }
  }
}

TEST_F(SettingsRecordTest, FallbackPathFillsMissingValuesWithEmptyOrZero) {
  SettingsBlock saved = changedRecord();
  storeRecord(*this, saved);
  registry.deleteValue(HKCU, "Vantrel", "tellouttext");
  registry.deleteValue(HKCU, "Vantrel", "Time_three");
  // The shell is available: its failed read of tellouttext sends the whole load to the
  // registry functions.
  SettingsBlock loaded = changedRecord();
  LoadSettings(app.platform, loaded);
  EXPECT_EQ(loaded.tellouttext, "");
  EXPECT_EQ(loaded.Time_three, 0);
  saved.tellouttext = "";
  saved.Time_three = 0;
  expectLoadedFieldsEqual(loaded, saved);
}

TEST_F(SettingsRecordTest, FallbackPathCutsTextsAndTakesLeadingNumbers) {
  scriptingShell.setAvailable(false);
  storeRecord(*this, changedRecord());  // character 12 "0", picture back.png
  installFile("picture\\back.png", pngOf(800, 500));
  storeText("tellShowtext", "abc\r\ndef");
  storeText("Time_one", "45 seconds");
  storeText("tellShowtime", "2.5");
  storeText("time_end", "99999999999");
  storeText("Time_all", "00:10:00\t");
  SettingsBlock loaded;
  LoadSettings(app.platform, loaded);
  EXPECT_EQ(loaded.tellShowtext, "abc");
  EXPECT_EQ(loaded.Time_one, 45);
  EXPECT_EQ(loaded.tellShowtime, 2);  // halves round to even
  EXPECT_EQ(loaded.time_end, 0);      // too large for 32 bits
  EXPECT_EQ(TimeToSeconds(loaded.Time_all), 600);
  EXPECT_EQ(loaded.picture_width, 600);
  EXPECT_EQ(loaded.picture_height, 450);
  // A stored duration that is no time leaves the one in memory.
  storeText("Time_all", "soon");
  LoadSettings(app.platform, loaded);
  EXPECT_EQ(TimeToSeconds(loaded.Time_all), 600);
}

// A set duration stored as a number is a count of days. One whose date the runtime cannot hold
// is refused on both roads: the duration in memory stays, and the other fields still load.
TEST_F(SettingsRecordTest, ADurationStoredAsANumberBeyondTheDatesIsRefused) {
  struct Case {
    std::int32_t days;
    bool taken;
  };
  const Case cases[] = {
      {2958465, true},   // 31 December 9999
      {2958466, false},  // 1 January 10000
      {-657434, true},   // 1 January 100
      {-657435, false},  // 31 December 99
      {0x7fffffff, false},
  };
  const SettingsBlock saved = changedRecord();
  const double inMemory = timeOfDayValue(0, 7, 0);
  for (const bool shell : {true, false}) {
    scriptingShell.setAvailable(shell);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(c.days) + (shell ? " through the shell" : " without it"));
      storeRecord(*this, saved);
      storeNumber("Time_all", c.days);
      SettingsBlock loaded = defaultSettings();
      loaded.Time_all = inMemory;
      LoadSettings(app.platform, loaded);
      EXPECT_EQ(loaded.Time_all, c.taken ? c.days : inMemory);
      EXPECT_EQ(loaded.tellouttext, saved.tellouttext);
    }
  }
}

TEST_F(SettingsRecordTest, BackPictureSizeFollowsItsFileAndIsCapped) {
  installFile("picture\\big.png", pngOf(800, 500));
  installFile("picture\\small.png", pngOf(300, 200));
  struct Case {
    char option12;
    std::string picturename;
    std::int32_t width, height;  // in memory before the load
    std::int32_t expectWidth, expectHeight;
  };
  const Case cases[] = {
      {'0', "big.png\\1", 10, 10, 600, 450},   {'0', "small.png\\0", 10, 10, 300, 200},
      {'0', "\\0", 800, 500, 600, 450},     // no picture: only the cap
      {'0', "gone.png", 700, 20, 600, 20},  // missing file: only the cap
      {'1', "big.png\\1", 800, 500, 800, 500},
  };
  for (const Case& c : cases) {
    SettingsBlock saved = defaultSettings();
    saved.checkvalue[11] = c.option12;
    saved.picturename = c.picturename;
    SaveSettings(app.platform, saved);
    SettingsBlock loaded;
    loaded.picture_width = c.width;
    loaded.picture_height = c.height;
    LoadSettings(app.platform, loaded);
    EXPECT_EQ(loaded.picture_width, c.expectWidth) << c.picturename << " " << c.option12;
    EXPECT_EQ(loaded.picture_height, c.expectHeight) << c.picturename << " " << c.option12;
  }
}

TEST_F(SettingsRecordTest, DeleteRemovesTheRecordWithPathgetAndResetsScreenTwo) {
  SaveSettings(app.platform, changedRecord());
  for (const char* name : {"pathget", "clockopen", "clocktoptwo", "clocklefttwo", "processtwo_left",
                           "processtwo_top", "Version", "clockleft"}) {
    storeText(name, "1");
  }
  DeleteSettings(app.platform);
  for (const std::string& name : deletedSettingNames()) {
    EXPECT_FALSE(stored(name).has_value()) << name;
  }
  EXPECT_EQ(deletedSettingNames().size(), 25u);
  for (const char* kept : {"secondtimer", "Version", "clockleft"}) {
    EXPECT_TRUE(stored(kept).has_value()) << kept;
  }
  for (const char* key : {"clocklefttwo", "clocktoptwo", "processtwo_left", "processtwo_top"}) {
    EXPECT_EQ(iniValue("clocksite", key), "0") << key;
  }
}

TEST_F(SettingsRecordTest, DeleteTwiceFallsBackAndRewritesTheIniKeys) {
  SaveSettings(app.platform, defaultSettings());
  DeleteSettings(app.platform);
  platform::IniFile(files).writeString(iniPath(app.platform), "clocksite", "clocktoptwo", "750");
  registry.clearJournal();
  DeleteSettings(
      app.platform);  // nothing left to delete: the shell fails, the registry functions run
  std::vector<std::string> expected;
  for (const std::string& name : deletedSettingNames()) {
    expected.push_back("deleteValue HKCU\\Vantrel:" + name);
  }
  EXPECT_EQ(lastCalls("deleteValue", expected.size()), expected);
  EXPECT_EQ(iniValue("clocksite", "clocktoptwo"), "0");
}

TEST_F(SettingsRecordTest, DeleteLeavesTheRecordInMemory) {
  app.settings = changedRecord();
  SaveSettings(app.platform, app.settings);
  DeleteSettings(app.platform);
  EXPECT_EQ(app.settings, changedRecord());
  SettingsBlock reloaded;
  LoadSettings(app.platform, reloaded);
  EXPECT_EQ(reloaded, defaultSettings());
}

}  // namespace
}  // namespace horalix::test
