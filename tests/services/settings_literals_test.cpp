// The settings record's defaults and the values its delete removes, held against the values and
// the order the program has always used (stored keys and older copies rely on them), written
// out here rather than taken from the code's own tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/settings_record.h"
#include "services/time_conversions.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

class SettingsLiteralsTest : public ProgramFixture {};

TEST_F(SettingsLiteralsTest, AnEmptyKeyLoadsTheseDefaults) {
  SettingsBlock r;
  LoadSettings(app.platform, r);
  EXPECT_EQ(TimeToSeconds(r.Time_all), 150);
  EXPECT_EQ(r.Time_one, 60);
  EXPECT_EQ(r.Time_two, 30);
  EXPECT_EQ(r.Time_three, 5);
  EXPECT_EQ(r.time_end, 0);
  EXPECT_EQ(r.checkvalue, "111111010100011111111111111100101");
  EXPECT_EQ(r.optvalue, "100100100");
  EXPECT_EQ(r.secondtimer, "");
  EXPECT_EQ(r.tellShowtime, 3);
  EXPECT_EQ(r.tellsoundname,
            "start.wav\\Timeout.wav\\Timeout.wav\\Timeout.wav\\Stop.wav\\Stop.wav");
  EXPECT_EQ(r.tellprocesstext, "您的发言");
  EXPECT_EQ(r.tellShowtext, "");
  EXPECT_EQ(r.clockFont, "Trebuchet MS");
  EXPECT_EQ(r.Fontselect, "1060602\\65280");
  EXPECT_EQ(r.picturename, "\\0");
  EXPECT_EQ(r.AImode, "01111101");
  EXPECT_EQ(r.tellouttext, "时间到");
  EXPECT_EQ(r.time_left, 0);
  EXPECT_EQ(r.picture_width, 150);
  EXPECT_EQ(r.picture_height, 50);
}

const std::vector<std::string> kDeleted = {
    "Time_all",        "Time_one",     "Time_two",     "Time_three",      "time_end",
    "checkvalue",      "optvalue",     "clockopen",    "tellShowtime",    "tellsoundname",
    "tellprocesstext", "tellShowtext", "clockFont",    "Fontselect",      "picturename",
    "AImode",          "tellouttext",  "time_left",    "picture_width",   "picture_height",
    "pathget",         "clocktoptwo",  "clocklefttwo", "processtwo_left", "processtwo_top",
};

TEST_F(SettingsLiteralsTest, DeleteRemovesThese25ValuesInThisOrder) {
  for (const std::string& name : kDeleted) storeText(name, "1");
  for (const char* kept : {"secondtimer", "Version", "clockleft", "clocktop", "filename3"})
    storeText(kept, "1");
  DeleteSettings(app.platform);
  for (const std::string& name : kDeleted) EXPECT_FALSE(stored(name).has_value()) << name;
  for (const char* kept : {"secondtimer", "Version", "clockleft", "clocktop", "filename3"})
    EXPECT_TRUE(stored(kept).has_value()) << kept;

  // Nothing left: the shell fails and the registry functions go through the list in order.
  registry.clearJournal();
  DeleteSettings(app.platform);
  std::vector<std::string> deletes;
  for (const std::string& call : registry.journal()) {
    if (call.starts_with("deleteValue ")) deletes.push_back(call);
  }
  ASSERT_GE(deletes.size(), kDeleted.size());
  deletes.erase(deletes.begin(), deletes.end() - static_cast<std::ptrdiff_t>(kDeleted.size()));
  std::vector<std::string> expected;
  for (const std::string& name : kDeleted) expected.push_back("deleteValue HKCU\\Vantrel:" + name);
  EXPECT_EQ(deletes, expected);
}

}  // namespace
}  // namespace horalix::test
