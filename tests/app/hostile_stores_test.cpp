// Stores that another program, a crash or a user left in a bad state: the program starts, a
// manual run from start to stop goes through, and nothing stored that the program had no reason
// to write is changed or lost.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/program_start.h"
#include "main/run_state.h"
#include "main/timing_control.h"
#include "platform/ini_file.h"
#include "services/option_names.h"
#include "services/program_folder.h"
#include "services/settings_record.h"
#include "services/startup_check.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

using platform::RegData;
namespace regtype = platform::regtype;
constexpr auto HKCU = platform::RegRoot::CurrentUser;
const std::string kCheckvalue = "111111010100011111111111111100101";
const std::string kManualTiming = "10111101";

// Every value of the program's key that the program reads, but those it writes at each start
// and AImode, which must say "timing by hand" for a manual run to start at all.
std::vector<std::string> valueNames() {
  std::vector<std::string> names = {
      "secondtimer",     "clockmode",      "second_screen", "clockcycle",
      "Timeout",         "Time_Record",    "clockleft",     "clocktop",
      "clocklefttwo",    "clocktoptwo",    "processleft",   "processtop",
      "processtwo_left", "processtwo_top", "musicname",     "opentogetherstop"};
  for (const std::string& name : deletedSettingNames())
    if (name != "pathget" && name != "clockopen" && name != "AImode") names.push_back(name);
  return names;
}

std::string randomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

// A program on a desktop of its own, installed and started before (Version is stored, so its
// start keeps the stored settings).
struct Program {
  Program() {
    for (const char* file : kRequiredFiles) installFile(file, "");
    headless.registry().setRaw(HKCU, "Vantrel", "Version", platform::regSzData("5.2"));
    // Timing by hand: only then does the tray menu's start begin a run.
    headless.registry().setRaw(HKCU, "Vantrel", "AImode", platform::regSzData(kManualTiming));
  }
  void installFile(const std::string& name, const std::string& content) {
    headless.files().seedFile(path(name), content);
  }
  std::string path(const std::string& name) {
    return headless.files().programFolder() + "\\" + name;
  }
  std::optional<RegData> stored(const std::string& name) {
    return headless.registry().raw(HKCU, "Vantrel", name);
  }
  void store(const std::string& name, const RegData& data) {
    headless.registry().setRaw(HKCU, "Vantrel", name, data);
  }

  // Starts the program and runs a manual run of three seconds from its start to its stop, with
  // starting by hand allowed; true when the run counted. Errors that handlers let escape fail
  // the test.
  bool startAndRun() {
    platform::HeadlessEventLoop& loop = headless.loop();
    Main(app);
    if (app.ended()) return false;
    loop.advance(2000);
    if (!optionOn(app.settings.checkvalue, CheckFlag::TimedDuration))
      app.settings.checkvalue = kCheckvalue;
    StartTiming(app.mainNeeds);
    loop.advance(3000);
    const bool counted = runCounts(app.run, app.settings);
    StopTiming(app.mainNeeds);
    loop.advance(3000);
    for (const auto& e : loop.errors()) ADD_FAILURE() << "escaped in " << e.where << ": " << e.what;
    return counted;
  }

  platform::HeadlessPlatform headless;
  App app{headless.platform()};
};

struct WrongForm {
  const char* what;
  RegData data;
};

TEST(HostileStores, ValuesOfEveryWrongTypeSurviveAStartAndAManualRun) {
  // The run record writes these at every stop: the clock's place when it stands on screen and
  // the run-end sound. A start and a run with right values stored write no other of them.
  const std::vector<std::string> written = {"clockleft", "clocktop", "musicname"};
  {
    Program clean;
    SettingsBlock settings = defaultSettings();
    settings.AImode = kManualTiming;
    SaveSettings(clean.app.platform, settings);
    std::map<std::string, std::optional<RegData>> before;
    for (const std::string& name : valueNames()) before[name] = clean.stored(name);
    ASSERT_TRUE(clean.startAndRun());
    for (const auto& [name, value] : before) {
      if (std::find(written.begin(), written.end(), name) == written.end()) {
        EXPECT_EQ(clean.stored(name), value) << name;
      }
    }
  }

  const WrongForm forms[] = {
      {"binary", {regtype::Binary, randomBytes(37, 1)}},
      {"multi-string", {regtype::MultiSz, std::string("0:02:30\0second\0\0", 17)}},
      {"expandable text", {regtype::ExpandSz, std::string("%TEMP%\\x\0", 9)}},
      {"number", platform::regDwordData(-1)},
      {"text", platform::regSzData("not a number: 手动计时")},
      {"empty, no type", {regtype::None, ""}},
      {"two-byte number", {regtype::Dword, std::string("\x01\x02", 2)}},
      {"text without its NUL", {regtype::Sz, "12:00:00"}},
      {"long text", platform::regSzData(std::string(70000, '1'))},
  };
  for (const WrongForm& form : forms) {
    SCOPED_TRACE(form.what);
    Program program;
    for (const std::string& name : valueNames()) program.store(name, form.data);
    EXPECT_TRUE(program.startAndRun()) << "the manual run did not count";
    for (const std::string& name : valueNames()) {
      if (std::find(written.begin(), written.end(), name) != written.end()) continue;
      EXPECT_EQ(program.stored(name), form.data) << name << " was changed";
    }
  }
}

TEST(HostileStores, OptionStringsOfEveryLengthStartARunAndStayAsStored) {
  const std::string longest = kCheckvalue + "1111111";
  for (std::size_t length = 0; length <= 40; ++length) {
    SCOPED_TRACE("length " + std::to_string(length));
    Program program;
    SettingsBlock settings = defaultSettings();
    settings.AImode = kManualTiming;
    SaveSettings(program.app.platform, settings);
    const std::string text = longest.substr(0, length);
    for (const char* name : {"checkvalue", "optvalue", "Fontselect"})
      program.store(name, platform::regSzData(text));
    program.startAndRun();
    for (const char* name : {"checkvalue", "optvalue", "Fontselect"})
      EXPECT_EQ(program.stored(name), platform::regSzData(text)) << name;
  }
}

// TimeData.db that is no INI file, or a very large one: the run's record is added and every
// byte that was there stays, in its place.
TEST(HostileStores, ATimeDataFileOfRandomBytesOrTenMegabytesKeepsItsBytes) {
  std::string large = "[Hotkey]\r\nkey1=Alt+1\r\n[filler]\r\n";
  while (large.size() < 10'000'000) large += "line=" + std::string(95, 'x') + "\r\n";
  const struct {
    const char* what;
    std::string content;
  } cases[] = {
      {"random bytes", randomBytes(65536, 7)},
      {"random bytes with NULs only", std::string(4096, '\0')},
      {"10 MB", large},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Program program;
    program.installFile("TimeData.db", c.content);
    EXPECT_TRUE(program.startAndRun());
    const std::string after =
        program.headless.files().readAll(iniPath(program.app.platform)).value_or("");
    EXPECT_EQ(after.substr(0, c.content.size()), c.content) << "bytes of the file were lost";
    platform::IniFile ini(program.headless.files());
    EXPECT_EQ(ini.readString(iniPath(program.app.platform), "clocksite", "set_time", "", 100),
              "00:02:30");
  }
}

// OfficeData.db that another program holds locked, that is empty or that is no database: the
// run is not recorded there, and the file stays byte for byte as it was.
TEST(HostileStores, AnUnusableDatabaseFileIsLeftAsItWas) {
  const struct {
    const char* what;
    std::string content;
    bool locked;
  } cases[] = {
      {"zero bytes", "", false},
      {"not a database", randomBytes(8192, 3), false},
      {"text", "Standard Jet DB\r\nnot really\r\n", false},
      {"locked by another program", "", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Program program;
    program.store("Time_Record", platform::regDwordData(1));
    const std::string real = program.headless.files().realPath(program.path("OfficeData.db"));
    sqlite3* holder = nullptr;
    if (c.locked) {
      ASSERT_EQ(sqlite3_open(real.c_str(), &holder), SQLITE_OK);
      ASSERT_EQ(sqlite3_exec(holder,
                             "CREATE TABLE timesum (ID INTEGER PRIMARY KEY, set_time, use_time, "
                             "out_time, pause_time, filename); BEGIN EXCLUSIVE; "
                             "INSERT INTO timesum (set_time) VALUES ('held');",
                             nullptr, nullptr, nullptr),
                SQLITE_OK);
    } else {
      program.installFile("OfficeData.db", c.content);
    }
    const std::string before =
        program.headless.files().readAll(program.path("OfficeData.db")).value();
    EXPECT_TRUE(program.startAndRun());
    EXPECT_EQ(program.headless.files().readAll(program.path("OfficeData.db")), before);
    if (holder) {
      sqlite3_exec(holder, "COMMIT", nullptr, nullptr, nullptr);
      sqlite3_stmt* count = nullptr;
      sqlite3_prepare_v2(holder, "SELECT count(*) FROM timesum", -1, &count, nullptr);
      ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
      EXPECT_EQ(sqlite3_column_int(count, 0), 1) << "the held row alone is in the table";
      sqlite3_finalize(count);
      sqlite3_close(holder);
    }
  }
}

}  // namespace
}  // namespace horalix::test
