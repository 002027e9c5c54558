#include "addin/program_launchers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addin/ribbon_definition.h"
#include "addin_fixture.h"
#include "services/program_folder.h"

namespace horalix::test {
namespace {

class LauncherTest : public AddinFixture {
 public:
  LauncherTest() {
    installComplete();
    recordProgram("Vantrel", files.programFolder());
    recordProgram("Tessavel", "D:\\Tessavel\\", "Tessavel.exe");
    recordProgram("Ombrique", "D:\\Ombrique", "Ombrique.exe");
  }
};

TEST_F(LauncherTest, EachButtonStartsItsProgramWithoutArguments) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Button2", "C:\\Program Files\\Horalix\\Horalix.exe"},
      {"Button3", "D:\\Tessavel\\Tessavel.exe"},
      {"Button4", "D:\\Ombrique\\Ombrique.exe"},
  };
  for (const auto& [id, path] : cases) {
    Fresh<LauncherTest> f;
    addin::mybuttons(f.services, id);
    ASSERT_EQ(f.shell.opened().size(), 1u) << id;
    EXPECT_EQ(f.shell.opened()[0].target, path);
    EXPECT_EQ(f.shell.opened()[0].parameters, "");
    EXPECT_EQ(f.shell.opened()[0].folder, "");
    EXPECT_TRUE(f.shell.started().empty());
    EXPECT_TRUE(f.messageBoxes.shown().empty());
  }
}

TEST_F(LauncherTest, OtherIdsDoNothing) {
  for (const char* id : {"button2", "Button1", "", "SampleGroup1"}) addin::mybuttons(services, id);
  EXPECT_TRUE(shell.opened().empty());
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(LauncherTest, RunningProgramIsNamedInsteadOfStarted) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Button2", "如果隐藏，请执行快捷键显示时钟"},
      {"Button3", "如果隐藏，可执行快捷键显示时钟"},
      {"Button4", "如果隐藏，可执行快捷键显示时钟"},
  };
  for (const auto& [id, hint] : cases) {
    Fresh<LauncherTest> f;
    for (const char* path : {"C:\\Program Files\\Horalix\\Horalix.exe",
                             "D:\\Tessavel\\Tessavel.exe", "D:\\Ombrique\\Ombrique.exe"}) {
      f.files.setInUse(path, true);
    }
    addin::mybuttons(f.services, id);
    ASSERT_EQ(f.messageBoxes.shown().size(), 1u) << id;
    EXPECT_EQ(f.messageBoxes.shown()[0].text,
              "时钟已运行！\r\r" + hint + "\r\r或在任务栏通知区域右键托盘显示时钟\r");
    EXPECT_EQ(f.messageBoxes.shown()[0].caption, "Horalix");
    EXPECT_EQ(f.messageBoxes.shown()[0].flags, platform::mb::Ok);
    EXPECT_TRUE(f.shell.opened().empty());
  }
}

TEST_F(LauncherTest, RefusedOpenStartsThePathOnceMoreHidden) {
  shell.queueOpenResult(32);
  shell.queueStartResult(false);
  addin::mybuttons(services, "Button3");
  ASSERT_EQ(shell.started().size(), 1u);
  EXPECT_EQ(shell.started()[0].commandLine, "\"D:\\Tessavel\\Tessavel.exe\"");
  EXPECT_EQ(shell.started()[0].window, platform::Shell::Window::Hidden);
  EXPECT_TRUE(messageBoxes.shown().empty());

  Fresh<LauncherTest> opened;
  opened.shell.queueOpenResult(33);
  addin::mybuttons(opened.services, "Button3");
  EXPECT_TRUE(opened.shell.started().empty());
}

TEST_F(LauncherTest, NothingStartsWithoutProgramOrPastAFailedGate) {
  struct Case {
    const char* what;
    std::function<void(LauncherTest&)> arrange;
    int boxes;
  };
  const std::vector<Case> cases = {
      {"never started on this account",
       [](LauncherTest& f) {
         f.registry.deleteValue(platform::RegRoot::CurrentUser, "Tessavel", "pathget");
       },
       0},
      {"folder without the executable",
       [](LauncherTest& f) { f.files.remove("D:\\Tessavel\\Tessavel.exe"); }, 0},
      {"empty folder", [](LauncherTest& f) { f.recordProgram("Tessavel", ""); }, 0},
      {"newer version stored", [](LauncherTest& f) { f.store("Version", "9.9"); }, 1},
      {"help file missing", [](LauncherTest& f) { f.files.remove(f.programPath("help.CHM")); }, 1},
  };
  for (const Case& c : cases) {
    Fresh<LauncherTest> f;
    c.arrange(f);
    addin::mybuttons(f.services, "Button3");
    EXPECT_TRUE(f.shell.opened().empty()) << c.what;
    EXPECT_TRUE(f.shell.started().empty()) << c.what;
    EXPECT_EQ(f.messageBoxes.shown().size(), static_cast<std::size_t>(c.boxes)) << c.what;
  }
}

TEST_F(LauncherTest, FolderReadThroughTheRegistryFunctionsLosesItsNul) {
  scriptingShell.setAvailable(false);
  addin::mybuttons(services, "Button4");
  ASSERT_EQ(shell.opened().size(), 1u);
  EXPECT_EQ(shell.opened()[0].target, "D:\\Ombrique\\Ombrique.exe");
}

}  // namespace
}  // namespace horalix::test
