#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/headless/headless_file_system.h"
#include "runtime_error_of.h"
#include "services/file_names.h"
#include "services/palette.h"
#include "services/program_folder.h"
#include "services/runtime_error.h"
#include "services/text_helpers.h"

namespace horalix {
namespace {

using testing::errorOf;

TEST(SharedHelpers, StoredTextIsCutAtItsFirstControlCharacter) {
  struct Case {
    std::string text, expected;
  };
  const std::vector<Case> cases = {
      {"abc\r\ndef", "abc"},
      {"abc", "abc"},
      {"", ""},
      {"a\tb", "a"},
      {std::string("ab\0c", 4), "ab"},
      {std::string("abc\0", 4), "abc"},  // a registry text with its terminating NUL
      {"\nabc", ""},
      {"手动\r计时", "手动"},
  };
  for (Case c : cases) {
    std::string argument = c.text;
    EXPECT_EQ(CutAtControlChar(argument), c.expected);
    EXPECT_EQ(argument, c.expected) << "the argument is cut too";
  }
  EXPECT_EQ(CutAtControlChar(std::string_view("5.2\r")), "5.2");
}

TEST(SharedHelpers, FileNamesAndExtensionsComeFromThePath) {
  struct Case {
    std::string path, name, ext;
    bool office;
  };
  const std::vector<Case> cases = {
      {"report.pptx", "report.pptx", "pptx", true},
      {"D:\\talks\\", "", "", false},
      {"C:\\x\\start.wav", "start.wav", "wav", false},
      {"archive.tar.gz", "archive.tar.gz", "gz", false},
      {"C:\\docs\\readme", "readme", "", false},
      {"C:\\v1.2\\readme", "readme", "", false},
      {"C:\\v1.\\readme", "readme", "", false},
      {"C:\\DOCS\\readme", "readme", "", false},  // "DO" in a folder name is no document
      {"C:\\docs\\notes.", "notes.", "", false},
      {"plan.WPS", "plan.WPS", "WPS", false},
      {"slides.PPSX", "slides.PPSX", "PPSX", true},
      {"C:\\a.b\\年度报告.docx", "年度报告.docx", "docx", true},
      {"sheet.xls", "sheet.xls", "xls", true},
      {"paper.Pdf", "paper.Pdf", "Pdf", true},
      {"plan.dwg", "plan.dwg", "dwg", true},
      {"template.dot", "template.dot", "dot", true},
      {"music.mp3", "music.mp3", "mp3", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetFileName(c.path), c.name) << c.path;
    EXPECT_EQ(GetFileExt(c.path), c.ext) << c.path;
    EXPECT_EQ(IsOfficeFile(c.path), c.office) << c.path;
  }
}

TEST(SharedHelpers, TimeTextShortensToMinutesAndSeconds) {
  EXPECT_EQ(TimeToMinSec("00:05:30"), "05:30");
  EXPECT_EQ(TimeToMinSec("1:2:3:4"), "2:3");
  for (const char* text : {"05:30", "", "0530"}) {
    EXPECT_EQ(errorOf([&] { TimeToMinSec(text); }), RuntimeErrorCode::SubscriptOutOfRange) << text;
  }
}

TEST(SharedHelpers, NamesAreMeasuredInFullWidthUnits) {
  EXPECT_DOUBLE_EQ(TextWidthUnits("abc 12"), 3.5);
  EXPECT_DOUBLE_EQ(TextWidthUnits("手动计时"), 4);
  EXPECT_DOUBLE_EQ(TextWidthUnits(""), 0);
  EXPECT_DOUBLE_EQ(TextWidthUnits("v1.2，"), 3);
  EXPECT_DOUBLE_EQ(TextWidthUnits(std::string(32767, 'a')), 16383.5);
  EXPECT_EQ(errorOf([] { TextWidthUnits(std::string(32768, 'a')); }), RuntimeErrorCode::Overflow);
  EXPECT_EQ(errorOf([] { TextWidthUnits(std::string(32768, ' ')); }), RuntimeErrorCode::Overflow);
}

TEST(SharedHelpers, FontSizesFollowTheirScale) {
  struct Case {
    int index, size;
  };
  const std::vector<Case> cases = {
      {0, 10}, {1, 15},  {18, 100},     {19, 130},       {28, 400},
      {-2, 0}, {-3, -5}, {1106, 32740}, {-6555, -32765},
  };
  for (const Case& c : cases) EXPECT_EQ(FontSizeByIndex(c.index), c.size) << c.index;
  for (int index : {1107, 40000, -6556, -40000}) {
    EXPECT_EQ(errorOf([&] { FontSizeByIndex(index); }), RuntimeErrorCode::Overflow) << index;
  }
}

TEST(SharedHelpers, PaletteColoursAreBlueGreenRed) {
  struct Case {
    int index;
    std::uint32_t colour;
  };
  const std::vector<Case> cases = {
      {0, 0x000000},  {1, 0x000080},  {3, 0x0000FF}, {9, 0xFF0000}, {11, 0xFFC0C0},
      {15, 0xC0C0C0}, {16, 0xFFFFFF}, {17, 0},       {-1, 0},       {32767, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ColorByIndex(c.index), c.colour) << c.index;
}

TEST(SharedHelpers, ColoursAreStoredAsSignedNumbersAndReadBack) {
  struct Case {
    std::uint32_t colour;
    const char* text;
  };
  const std::vector<Case> cases = {
      {0x000000, "0"},
      {0x00FF00, "65280"},
      {0xFFFFFF, "16777215"},
      {0x8000000D, "-2147483635"},  // the system's highlight colour
      {0x80000005, "-2147483643"},  // the system's window background
  };
  for (const Case& c : cases) {
    EXPECT_EQ(colourText(c.colour), c.text) << c.colour;
    EXPECT_EQ(colourFromText(colourText(c.colour)), c.colour) << c.colour;
  }
}

TEST(SharedHelpers, DatabasePasswordIsTheShippedFilesPassword) {
  // The add-in and older copies of the database file rely on this exact password.
  EXPECT_EQ(GetDbPassword(), "731QT908");
}

TEST(SharedHelpers, FileInUseWhenItCannotBeOpenedForWritingWithoutSharing) {
  platform::HeadlessFileSystem files;
  const std::string exe = files.programFolder() + "\\sibling.exe";
  EXPECT_TRUE(IsFileInUse(files, exe)) << "a missing file cannot be opened";
  EXPECT_TRUE(IsFileInUse(files, files.programFolder())) << "a folder is no file";
  struct Case {
    const char* what;
    void (platform::HeadlessFileSystem::*set)(const std::string&, bool);
    bool inUse;
  };
  for (const Case& c : {Case{"held open", &platform::HeadlessFileSystem::setInUse, true},
                        Case{"read-only", &platform::HeadlessFileSystem::setReadOnly, true},
                        Case{"hidden", &platform::HeadlessFileSystem::setHidden, false},
                        Case{"system", &platform::HeadlessFileSystem::setSystem, false}}) {
    files.seedFile(exe, "MZ");
    EXPECT_FALSE(IsFileInUse(files, exe)) << "a plain file nobody holds is free";
    (files.*c.set)(exe, true);
    EXPECT_EQ(IsFileInUse(files, exe), c.inUse) << c.what;
    (files.*c.set)(exe, false);
  }
}

}  // namespace
}  // namespace horalix
