#include "platform/headless/headless_file_system.h"
#include "services/program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace horalix::platform {
namespace {

const std::string kFolder = "C:\\Program Files\\Horalix";

struct HeadlessFiles : ::testing::Test {
  HeadlessFileSystem files;
  std::string in(const std::string& name) { return kFolder + "\\" + name; }
};

TEST_F(HeadlessFiles, ProgramFolderIsARealFolderOnDisk) {
  EXPECT_EQ(files.programFolder(), kFolder);
  EXPECT_TRUE(files.folderExists(kFolder));
  EXPECT_TRUE(std::filesystem::is_directory(files.realPath(kFolder)));
  EXPECT_EQ(HeadlessFileSystem("D:\\Apps\\Horalix\\").programFolder(), "D:\\Apps\\Horalix");
  EXPECT_EQ(HeadlessFileSystem("D:\\").programFolder(), "D:\\");
}

TEST_F(HeadlessFiles, RealPathMatchesExistingNamesWithoutRegardToCase) {
  files.seedFile(in("TimeData.db"), "x");
  const std::string real = files.realPath(in("TimeData.db"));
  EXPECT_EQ(files.realPath("c:/PROGRAM FILES/horalix/timedata.DB"), real);
  EXPECT_EQ(files.realPath(in("sounds\\..\\.\\TimeData.db")), real);
  std::ifstream onDisk(real);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(onDisk), {}), "x");
  EXPECT_EQ(files.realPath("TimeData.db"), "");
  EXPECT_EQ(files.realPath("\\\\server\\share\\a"), "");
}

TEST_F(HeadlessFiles, NormalFileExistenceLeavesOutHiddenSystemAndFolders) {
  files.seedFile(in("plain.txt"), "");
  files.seedFile(in("hidden.txt"), "");
  files.seedFile(in("system.txt"), "");
  files.setHidden(in("HIDDEN.txt"), true);
  files.setSystem(in("system.txt"), true);
  files.createFolder(in("sounds"));

  const std::pair<std::string, bool> cases[] = {
      {in("plain.txt"), true},   {in("PLAIN.TXT"), true}, {in("hidden.txt"), false},
      {in("system.txt"), false}, {in("sounds"), false},   {in("missing.txt"), false},
      {"plain.txt", false},
  };
  for (const auto& [path, exists] : cases) EXPECT_EQ(files.normalFileExists(path), exists) << path;
  EXPECT_TRUE(files.readAll(in("hidden.txt")).has_value());  // hidden still reads
}

TEST_F(HeadlessFiles, FileInUseRefusesEveryAccess) {
  files.seedFile(in("Horalix.exe"), "MZ");
  files.setInUse(in("horalix.exe"), true);

  EXPECT_TRUE(files.isInUse(in("Horalix.exe")));
  EXPECT_TRUE(files.isInUse(in("other.exe"))) << "a missing file cannot be opened either";
  EXPECT_TRUE(files.normalFileExists(in("Horalix.exe")));
  EXPECT_FALSE(files.readAll(in("Horalix.exe")).has_value());
  EXPECT_FALSE(files.writeAll(in("Horalix.exe"), "new"));
  EXPECT_FALSE(files.copy(in("Horalix.exe"), in("copy.exe"), true));
  EXPECT_FALSE(files.remove(in("Horalix.exe")));

  files.setInUse(in("Horalix.exe"), false);
  EXPECT_EQ(files.readAll(in("Horalix.exe")), "MZ");
}

TEST_F(HeadlessFiles, WriteReadAndRemove) {
  EXPECT_TRUE(files.writeAll(in("a.txt"), std::string("x\0y\r\n", 5)));
  EXPECT_EQ(files.readAll(in("A.TXT")), std::string("x\0y\r\n", 5));
  EXPECT_TRUE(files.writeAll(in("a.txt"), "short"));
  EXPECT_EQ(files.readAll(in("a.txt")), "short");
  EXPECT_FALSE(files.writeAll(in("no folder\\a.txt"), "x"));
  EXPECT_FALSE(files.writeAll(kFolder, "x"));  // a folder is no file
  EXPECT_FALSE(files.readAll(kFolder).has_value());
  EXPECT_TRUE(files.remove(in("a.txt")));
  EXPECT_FALSE(files.remove(in("a.txt")));
  EXPECT_FALSE(files.readAll(in("a.txt")).has_value());
}

TEST_F(HeadlessFiles, CopyRules) {
  files.seedFile(in("from.txt"), "new");
  files.seedFile(in("existing.txt"), "old");
  struct Case {
    std::string to;
    bool overwrite;
    bool copied;
  };
  const Case cases[] = {
      {in("fresh.txt"), false, true},   {in("existing.txt"), false, false},
      {in("EXISTING.txt"), true, true}, {in("nowhere\\x.txt"), true, false},
      {kFolder, true, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(files.copy(in("from.txt"), c.to, c.overwrite), c.copied) << c.to;
  EXPECT_EQ(files.readAll(in("existing.txt")), "new");
  EXPECT_FALSE(files.copy(in("missing.txt"), in("y.txt"), true));

  files.setHidden(in("from.txt"), true);
  EXPECT_TRUE(files.copy(in("from.txt"), in("hidden copy.txt"), false));
  EXPECT_FALSE(files.normalFileExists(in("hidden copy.txt")));
}

TEST_F(HeadlessFiles, CreateFolderOneLevelAtATime) {
  EXPECT_FALSE(files.createFolder(in("picture\\small")));
  EXPECT_TRUE(files.createFolder(in("picture")));
  EXPECT_FALSE(files.createFolder(in("PICTURE")));
  EXPECT_TRUE(files.createFolder(in("picture\\small")));
  EXPECT_TRUE(files.folderExists(in("Picture\\Small")));
}

TEST_F(HeadlessFiles, ListMatchesPatternsAndLeavesOutHiddenFiles) {
  for (const char* name : {"start.wav", "Stop.WAV", "Timeout.wav", "notes.txt", "hidden.wav"})
    files.seedFile(in("sounds\\") + name, "");
  files.setHidden(in("sounds\\hidden.wav"), true);
  files.createFolder(in("sounds\\folder.wav"));

  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"*.wav", {"start.wav", "Stop.WAV", "Timeout.wav"}},
      {"*.WAV", {"start.wav", "Stop.WAV", "Timeout.wav"}},
      {"s*", {"start.wav", "Stop.WAV"}},
      {"?top.wav", {"Stop.WAV"}},
      {"*.*", {"notes.txt", "start.wav", "Stop.WAV", "Timeout.wav"}},
      {"*.mp3", {}},
  };
  for (const auto& [pattern, names] : cases)
    EXPECT_EQ(files.list(in("sounds"), pattern), names) << pattern;
  EXPECT_TRUE(files.list(in("missing"), "*").empty());
}

TEST(HeadlessFileSystem, TemporaryFolderGoesAwayWithTheObject) {
  std::filesystem::path root;
  {
    HeadlessFileSystem files;
    files.seedFile("C:\\Program Files\\Horalix\\x.txt", "x");
    root = files.root();
    EXPECT_TRUE(std::filesystem::exists(root));
  }
  EXPECT_FALSE(std::filesystem::exists(root));
}

}  // namespace
}  // namespace horalix::platform
