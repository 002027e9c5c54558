#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/headless/headless_file_system.h"

namespace horalix::platform {
namespace {

const std::string kIni = "C:\\Program Files\\Horalix\\TimeData.db";

// Lines joined with the CRLF line ends the engine writes.
std::string crlf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

struct IniEngine : ::testing::Test {
  HeadlessFileSystem files;
  IniFile ini{files};
  std::string read(const std::string& section, const std::string& key,
                   std::size_t capacity = 10000) {
    return ini.readString(kIni, section, key, "<default>", capacity);
  }
};

TEST_F(IniEngine, WritesBuildTheFileInOrder) {
  ASSERT_TRUE(ini.writeString(kIni, "clocksite", "clockleft", "100"));
  ini.writeString(kIni, "clocksite", "clocktop", "200");
  ini.writeString(kIni, "Hotkey", "key1", "Alt+1");
  ini.writeString(kIni, "clocksite", "clockleft", "300");
  ini.writeString(kIni, "CLOCKSITE", " ClockTop ", " -100 ");
  ini.writeString(kIni, "hudongset1", "name", "您的发言");

  EXPECT_EQ(files.readAll(kIni), crlf({"[clocksite]", "clockleft=300", "clocktop= -100 ",
                                       "[Hotkey]", "key1=Alt+1", "[hudongset1]", "name=您的发言"}));
  EXPECT_EQ(read("clocksite", "clocktop"), "-100");
  EXPECT_EQ(read("HUDONGSET1", "NAME"), "您的发言");
}

TEST_F(IniEngine, EditsKeepEveryOtherLineAsItWas) {
  struct Case {
    const char* what;
    std::string before;
    const char* section;
    const char* key;
    std::optional<std::string> value;
    std::string after;
  };
  const std::string mixed = crlf(
      {"; settings of the clock", "[s]", "; about a", "a=1", "unknown line", "", "[t]", "b=2"});
  const Case cases[] = {
      {"new key after the section's last line, comments and blanks kept", mixed, "s", "c", "3",
       crlf({"; settings of the clock", "[s]", "; about a", "a=1", "unknown line", "c=3", "", "[t]",
             "b=2"})},
      {"changed key, comments kept", mixed, "S", "A", "9",
       crlf({"; settings of the clock", "[s]", "; about a", "a=9", "unknown line", "", "[t]",
             "b=2"})},
      {"blanks around a rewritten key go", crlf({"[s]", "  a  =  1  "}), "s", "a", "2",
       crlf({"[s]", "a=2"})},
      {"empty file", "", "s", "a", "", crlf({"[s]", "a="})},
      {"no line end at the end, same section", "[s]\r\na=1", "s", "b", "2",
       crlf({"[s]", "a=1", "b=2"})},
      {"no line end at the end, new section", "[s]\r\na=1", "t", "b", "2",
       crlf({"[s]", "a=1", "[t]", "b=2"})},
      {"LF lines stay LF, the new line is CRLF", "[s]\na=1\n[t]\nb=2\n", "s", "c", "3",
       "[s]\na=1\nc=3\r\n[t]\nb=2\n"},
      {"a section that appears twice is written in its first place",
       crlf({"[s]", "a=1", "[t]", "x=0", "[S]", "b=2"}), "s", "b", "3",
       crlf({"[s]", "a=1", "b=3", "[t]", "x=0", "[S]", "b=2"})},
      {"delete a key", crlf({"[s]", "a=1", "b=2"}), "s", "A", std::nullopt, crlf({"[s]", "b=2"})},
      {"delete a missing key", crlf({"[s]", "a=1"}), "s", "z", std::nullopt, crlf({"[s]", "a=1"})},
      {"a line break cannot forge lines", crlf({"[s]"}), "s", "a", "1\r\n[evil]\r\nx=2",
       crlf({"[s]", "a=1"})},
      {"byte order mark kept", "\xEF\xBB\xBF[s]\r\na=1\r\n", "s", "a", "2",
       "\xEF\xBB\xBF[s]\r\na=2\r\n"},
  };
  for (const auto& c : cases) {
    files.writeAll(kIni, c.before);
    EXPECT_TRUE(ini.writeString(kIni, c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(files.readAll(kIni), c.after) << c.what;
  }
}

TEST_F(IniEngine, ReadsFollowTheProfileRules) {
  files.writeAll(kIni, crlf({"; comment", "top=before any section", "[Hotkey]",
                             "  Key1  =  Ctrl+1  ", "key2=", "quoted=\"  spaced  \"", "single='x'",
                             "half=\"x", "dup=first", "dup=second", "noequals", ";commented=1",
                             "[ light ]", "a=1", "[hotkey]", "late=hidden"}) +
                           "[last]\nlf=yes\nend=no newline");
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"hotkey", "KEY1", "Ctrl+1"},
      {" Hotkey ", " key1 ", "Ctrl+1"},
      {"Hotkey", "key2", ""},
      {"Hotkey", "quoted", "  spaced  "},
      {"Hotkey", "single", "x"},
      {"Hotkey", "half", "\"x"},
      {"Hotkey", "dup", "first"},
      {"Hotkey", "noequals", "<default>"},
      {"Hotkey", ";commented", "<default>"},
      {"Hotkey", "late", "<default>"},
      {"Hotkey", "top", "<default>"},
      {"light", "A", "1"},
      {"last", "lf", "yes"},
      {"last", "end", "no newline"},
      {"missing", "a", "<default>"},
  };
  for (const auto& [section, key, expected] : cases)
    EXPECT_EQ(read(section, key), expected) << section << "/" << key;
}

TEST_F(IniEngine, ReadIsCutToTheBuffer) {
  files.writeAll(kIni, crlf({"[s]"}) + "long=" + std::string(12000, 'x') + "\r\nzh=ab手\r\n");
  EXPECT_EQ(read("s", "long"), std::string(9999, 'x'));
  EXPECT_EQ(read("s", "long", 1), "");
  EXPECT_EQ(read("s", "long", 0), "");
  EXPECT_EQ(read("s", "zh", 6), "ab手");
  EXPECT_EQ(read("s", "zh", 5), "ab");  // never half a character
  EXPECT_EQ(read("s", "missing", 4), "<de");
}

TEST_F(IniEngine, MissingFileReadsEmptyAndIsNotCreatedByDeletes) {
  EXPECT_EQ(read("s", "a"), "<default>");
  EXPECT_EQ(ini.readSection(kIni, "s", 10000), "");
  EXPECT_TRUE(ini.writeString(kIni, "s", "a", std::nullopt));
  EXPECT_TRUE(ini.deleteSection(kIni, "s"));
  EXPECT_FALSE(files.readAll(kIni).has_value());
}

TEST_F(IniEngine, WriteFailsWhenTheFileCannotBeWritten) {
  files.writeAll(kIni, crlf({"[s]", "a=1"}));
  files.setInUse(kIni, true);
  EXPECT_FALSE(ini.writeString(kIni, "s", "a", "2"));
  EXPECT_FALSE(ini.writeString("C:\\No Folder\\TimeData.db", "s", "a", "2"));
}

TEST_F(IniEngine, SectionListsEntriesEachEndedByNul) {
  files.writeAll(
      kIni, crlf({"[s]", " a = 1 ", "; skipped", "", "b=\"2\"", "  bare line  ", "[t]", "c=3"}));
  using namespace std::string_literals;
  EXPECT_EQ(ini.readSection(kIni, "S", 10000), "a=1\0b=\"2\"\0bare line\0"s);
  EXPECT_EQ(ini.readSection(kIni, "missing", 10000), "");
  // Too small: the last entry is cut and still ends with a NUL; two less than the room.
  EXPECT_EQ(ini.readSection(kIni, "s", 8), "a=1\0b\0"s);
  EXPECT_EQ(ini.readSection(kIni, "s", 2), "");
}

TEST_F(IniEngine, DeleteSectionRemovesEveryCopyAndKeepsTheRest) {
  files.writeAll(kIni, crlf({"; head", "[s]", "a=1", "; inside s", "[t]", "b=2", "", "[S]", "c=3",
                             "[u]", "d=4"}));
  EXPECT_TRUE(ini.deleteSection(kIni, " s "));
  EXPECT_EQ(files.readAll(kIni), crlf({"; head", "[t]", "b=2", "", "[u]", "d=4"}));
  EXPECT_EQ(read("s", "c"), "<default>");
}

}  // namespace
}  // namespace horalix::platform
