#include "services/ini_read_write.h"

#include <gtest/gtest.h>

#include "platform/headless/headless_file_system.h"

namespace horalix {
namespace {

using namespace std::string_literals;
const std::string kIni = "C:\\Program Files\\Horalix\\TimeData.db";

struct IniReadWriteVerbs : ::testing::Test {
  platform::HeadlessFileSystem files;
  Variant call(const std::string& verb, const std::string& section, const std::string& key,
               const std::string& value) {
    return IniReadWrite(files, verb, kIni, section, key, value);
  }
};

TEST_F(IniReadWriteVerbs, ReadPartGivesTheCallersDefaultForEmptyOrMissing) {
  EXPECT_EQ(call("readpart", "clocksite", "clockleft", "-100"), Variant{"-100"s});  // no file
  files.writeAll(kIni, "[clocksite]\r\nclockleft=\r\nclocktop=  \r\nclocklefttwo=0\r\n");
  const std::tuple<const char*, const char*, Variant> cases[] = {
      {"clockleft", "-100", "-100"s},
      {"clocktop", "-100", "-100"s},
      {"clocklefttwo", "-100", "0"s},
      {"missing", "", ""s},
  };
  for (const auto& [key, fallback, expected] : cases)
    EXPECT_EQ(call("readpart", "clocksite", key, fallback), expected) << key;
}

TEST_F(IniReadWriteVerbs, ReadPartCutsAt9999Bytes) {
  files.writeAll(kIni, "[s]\r\nv=" + std::string(10005, '7') + "\r\n");
  EXPECT_EQ(call("readpart", "s", "v", ""), Variant{std::string(9999, '7')});
}

TEST_F(IniReadWriteVerbs, ReadAllListsTheSectionOrGivesTheDefault) {
  files.writeAll(kIni, "[s]\r\na=1\r\nb=2\r\n[empty]\r\n[t]\r\nc=3\r\n");
  EXPECT_EQ(call("readall", "s", "", "none"), Variant{"a=1,b=2"s});
  EXPECT_EQ(call("readall", "empty", "", "none"), Variant{"none"s});
  EXPECT_EQ(call("readall", "missing", "", "none"), Variant{"none"s});
}

TEST_F(IniReadWriteVerbs, WriteAndDeleteVerbs) {
  EXPECT_EQ(call("write", "Hotkey", "key1", "Alt+1"), Variant{});
  call("write", "Hotkey", "key2", "无");
  call("write", "light", "a", "1");
  EXPECT_EQ(files.readAll(kIni), "[Hotkey]\r\nkey1=Alt+1\r\nkey2=无\r\n[light]\r\na=1\r\n");

  EXPECT_EQ(call("delpart", "hotkey", "KEY1", "ignored"), Variant{});
  EXPECT_EQ(files.readAll(kIni), "[Hotkey]\r\nkey2=无\r\n[light]\r\na=1\r\n");
  EXPECT_EQ(call("delall", "Hotkey", "", ""), Variant{});
  EXPECT_EQ(files.readAll(kIni), "[light]\r\na=1\r\n");
}

TEST_F(IniReadWriteVerbs, VerbsMatchExactly) {
  files.writeAll(kIni, "[s]\r\na=1\r\n");
  for (const char* verb : {"Write", "WRITE", "ReadPart", "readPart", "delAll", " write", ""}) {
    EXPECT_EQ(call(verb, "s", "a", "2"), Variant{}) << verb;
    EXPECT_EQ(files.readAll(kIni), "[s]\r\na=1\r\n") << verb;
  }
}

TEST(SectionToList, JoinsEntries) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"a", ""},
      {"\0"s, ""},
      {"a=1\0b=2\0"s, "a=1,b=2"},
      {"a=1\0"s, "a=1"},
      {"a=1\0\0"s, "a=1"},
      {"\0a=1\0"s, ",a=1"},
      {"a=1\0\0b=2\0"s, "a=1,b=2"},
      {"a=1,\0b=2\0"s, "a=1,b=2"},
      {"  a=1 \0 b=2  \0"s, "a=1 , b=2"},
      {"a=1\0b=2"s, "a=1,b="},
  };
  for (const auto& [text, list] : cases) EXPECT_EQ(SectionToList(text), list) << list;
}

}  // namespace
}  // namespace horalix
