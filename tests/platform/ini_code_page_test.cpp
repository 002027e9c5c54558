// TimeData.db in the system's code page: a file an earlier version wrote on a Chinese system
// reads with its Chinese texts, writes keep that code page, and the read limit counts the file's
// bytes without splitting a character.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_file_system.h"
#include "platform/ini_file.h"

namespace horalix::platform {
namespace {

const std::string kIni = "C:\\Program Files\\Horalix\\TimeData.db";
// "计时" and "手动" in code page 936.
const std::string kTimingGbk = "\xBC\xC6\xCA\xB1";
const std::string kManualGbk = "\xCA\xD6\xB6\xAF";

struct IniCodePage : ::testing::Test {
  IniCodePage() { files.setAnsiCodePage(936); }
  HeadlessFileSystem files;
  IniFile ini{files};
};

TEST_F(IniCodePage, AFileOfTheSystemCodePageReadsAndWritesItsChineseTexts) {
  files.seedFile(kIni,
                 "[hudongset1]\r\nname=" + kTimingGbk + "\r\n[" + kManualGbk + "]\r\na=1\r\n");
  EXPECT_EQ(ini.readString(kIni, "hudongset1", "name", "", 10000), "计时");
  EXPECT_EQ(ini.readString(kIni, "手动", "a", "", 10000), "1");
  EXPECT_EQ(ini.readSection(kIni, "hudongset1", 10000), std::string("name=计时\0", 12));

  ASSERT_TRUE(ini.writeString(kIni, "hudongset2", "name", std::string("手动")));
  EXPECT_EQ(files.readAll(kIni), "[hudongset1]\r\nname=" + kTimingGbk + "\r\n[" + kManualGbk +
                                     "]\r\na=1\r\n" + "[hudongset2]\r\nname=" + kManualGbk + "\r\n")
      << "the old lines stay byte for byte";
}

TEST_F(IniCodePage, TheReadLimitCountsFileBytesAndKeepsCharactersWhole) {
  std::string value;
  for (int i = 0; i < 5000; ++i) value += kTimingGbk.substr(0, 2);  // 10000 bytes: "计" x 5000
  files.seedFile(kIni, "[s]\r\nodd=a" + value + "\r\neven=" + value + "\r\n");
  std::string expected;
  for (int i = 0; i < 4999; ++i) expected += "计";
  // 9999 bytes at most: "a" and 4999 characters fill them exactly.
  EXPECT_EQ(ini.readString(kIni, "s", "odd", "", 10000), "a" + expected);
  // Without the "a" the 5000th character would need bytes 9999 and 10000: it is left out whole.
  EXPECT_EQ(ini.readString(kIni, "s", "even", "", 10000), expected);
}

TEST_F(IniCodePage, AFileWithTheUtf8MarkStaysUtf8) {
  files.seedFile(kIni, "\xEF\xBB\xBF[s]\r\nname=计时\r\n");
  EXPECT_EQ(ini.readString(kIni, "s", "name", "", 10000), "计时");
  ASSERT_TRUE(ini.writeString(kIni, "s", "other", std::string("手动")));
  EXPECT_EQ(files.readAll(kIni), "\xEF\xBB\xBF[s]\r\nname=计时\r\nother=手动\r\n");
}

}  // namespace
}  // namespace horalix::platform
