// Files over kernel32: the normal-file rule, files held open by others, whole-file writes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "backend_fixture.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_file_system.h"

namespace horalix::win32::test {
namespace {

class FileSystemTest : public ::testing::Test {
 protected:
  void make(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    ASSERT_TRUE(files.writeAll(folder.file(name), "x"));
    SetFileAttributesW(toWide(folder.file(name)).c_str(), attributes);
  }

  TempFolder folder;
  Win32FileSystem files;
};

TEST_F(FileSystemTest, OnlyNormalFilesCountAsPresent) {
  make("normal.db");
  make("readonly.db", FILE_ATTRIBUTE_READONLY);
  make("hidden.db", FILE_ATTRIBUTE_HIDDEN);
  make("system.db", FILE_ATTRIBUTE_SYSTEM);
  ASSERT_TRUE(files.createFolder(folder.file("folder.db")));
  struct Case {
    const char* name;
    bool present;
  };
  for (const Case& c : {Case{"normal.db", true}, Case{"NORMAL.DB", true}, Case{"readonly.db", true},
                        Case{"hidden.db", false}, Case{"system.db", false},
                        Case{"folder.db", false}, Case{"missing.db", false}}) {
    EXPECT_EQ(files.normalFileExists(folder.file(c.name)), c.present) << c.name;
  }
  EXPECT_TRUE(files.folderExists(folder.file("folder.db")));
  EXPECT_FALSE(files.folderExists(folder.file("normal.db")));
}

TEST_F(FileSystemTest, AFileHeldOpenByAnotherHandleIsInUse) {
  make("Horalix.exe");
  const std::string path = folder.file("Horalix.exe");
  EXPECT_FALSE(files.isInUse(path));
  EXPECT_TRUE(files.isInUse(folder.file("missing.exe")));
  // Even a holder that shares reading and writing keeps an unshared open out.
  HANDLE holder =
      CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(files.isInUse(path));
  CloseHandle(holder);
  EXPECT_FALSE(files.isInUse(path));
}

// (A read-only file cannot be tried here: the tests run as root, whom Wine lets write it.)
TEST_F(FileSystemTest, AHiddenOrSystemFileThatNobodyHoldsIsFree) {
  make("hidden.exe", FILE_ATTRIBUTE_HIDDEN);
  make("system.exe", FILE_ATTRIBUTE_SYSTEM);
  EXPECT_FALSE(files.isInUse(folder.file("hidden.exe")));
  EXPECT_FALSE(files.isInUse(folder.file("system.exe")));
}

TEST_F(FileSystemTest, WholeFilesRoundTripUnderUnicodeNames) {
  const std::string path = folder.file("计时记录.ini");
  const std::string content("[clocksite]\r\nname=手动计时\r\n\0end", 35);
  ASSERT_TRUE(files.writeAll(path, content));
  EXPECT_EQ(files.readAll(path), content);
  ASSERT_TRUE(files.writeAll(path, "short"));
  EXPECT_EQ(files.readAll(path), "short");
  // Replaced through a file beside it, which does not stay behind.
  EXPECT_FALSE(files.normalFileExists(path + ".new"));
  EXPECT_FALSE(files.readAll(folder.file("missing.ini")).has_value());
}

TEST_F(FileSystemTest, CopyOverwritesOnlyWhenAsked) {
  ASSERT_TRUE(files.writeAll(folder.file("a.wav"), "new"));
  ASSERT_TRUE(files.writeAll(folder.file("b.wav"), "old"));
  EXPECT_FALSE(files.copy(folder.file("a.wav"), folder.file("b.wav"), false));
  EXPECT_EQ(files.readAll(folder.file("b.wav")), "old");
  EXPECT_TRUE(files.copy(folder.file("a.wav"), folder.file("b.wav"), true));
  EXPECT_EQ(files.readAll(folder.file("b.wav")), "new");
  EXPECT_TRUE(files.remove(folder.file("a.wav")));
  EXPECT_FALSE(files.normalFileExists(folder.file("a.wav")));
}

TEST_F(FileSystemTest, ListingNamesTheFilesThatMatch) {
  make("alarm.wav");
  make("end.WAV");
  make("note.mp3");
  ASSERT_TRUE(files.createFolder(folder.file("more.wav")));
  std::vector<std::string> names = files.list(folder.path(), "*.wav");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"alarm.wav", "end.WAV"}));
  EXPECT_TRUE(files.list(folder.file("missing"), "*.*").empty());
}

TEST(ProgramFolder, KeepsTheBackslashOnlyAtADriveRoot) {
  struct Case {
    const char* module;
    const char* folder;
  };
  for (const Case& c :
       {Case{"C:\\Program Files\\Horalix\\Horalix.exe", "C:\\Program Files\\Horalix"},
        Case{"D:\\Horalix.exe", "D:\\"},
        Case{"\\\\server\\share\\Horalix.exe", "\\\\server\\share"}}) {
    EXPECT_EQ(folderOfModulePath(c.module), c.folder) << c.module;
  }
}

}  // namespace
}  // namespace horalix::win32::test
