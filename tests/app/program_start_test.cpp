#include "app/program_start.h"
#include "services/startup_check.h"

#include <gtest/gtest.h>

#include <string>

#include "bars/prompt_bar.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "interaction/interaction_window.h"
#include "main/main_window.h"
#include "platform/headless/headless_platform.h"
#include "services/program_folder.h"
#include "services/settings_record.h"
#include "support/program_fixture.h"

namespace horalix::test {
namespace {

using platform::regSzData;

class ProgramStartTest : public ProgramFixture {
 public:
  ProgramStartTest() {
    for (const char* file : kRequiredFiles) installFile(file);
  }

  // The six windows that stay loaded for the life of the process.
  std::vector<platform::Form*> windows() {
    return {&app.mainWindow(),        &app.promptBar(),     &app.secondPromptBar(),
            &app.interactionWindow(), &app.floatingClock(), &app.mirrorClock()};
  }
  int loadedWindows() {
    int loaded = 0;
    for (platform::Form* window : windows()) loaded += window->loaded();
    return loaded;
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const auto& box : messageBoxes.shown()) texts.push_back(box.text);
    return texts;
  }
};

TEST_F(ProgramStartTest, FirstStartStoresTheVersionAndKeepsPathget) {
  Main(app);
  EXPECT_FALSE(app.ended());
  EXPECT_EQ(stored("Version"), regSzData("5.2"));
  EXPECT_EQ(stored("pathget"), regSzData(files.programFolder()));
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(loadedWindows(), 6);
}

TEST_F(ProgramStartTest, LaterStartKeepsTheStoredSettings) {
  storeText("Version", "5.2");
  storeText("tellouttext", "结束");
  Main(app);
  EXPECT_EQ(stored("tellouttext"), regSzData("结束"));
  EXPECT_EQ(stored("pathget"), regSzData(files.programFolder()));
  EXPECT_EQ(loadedWindows(), 6);
}

TEST_F(ProgramStartTest, StoredVersionDecidesWhatHappensToTheSettings) {
  const struct {
    const char* stored;  // nullptr: no Version value
    bool deleted;
  } cases[] = {
      {nullptr, true},  {"5.2", false},
      {"5.1", true},    {"abc", true},
      {"4", true},      {" 5.2", false},
      {"5.2.0", false}, {"5.1999999999999993", false}};  // reads as 5.2 once through its text
  for (const auto& c : cases) {
    registry.deleteValue(HKCU, "Vantrel", "Version");
    if (c.stored) storeText("Version", c.stored);
    storeText("tellouttext", "结束");
    EXPECT_TRUE(CheckVersion(app.platform)) << (c.stored ? c.stored : "(missing)");
    EXPECT_EQ(stored("tellouttext").has_value(), !c.deleted) << (c.stored ? c.stored : "(missing)");
    if (c.deleted) {
      EXPECT_EQ(stored("Version"), regSzData("5.2"));
    }
  }
  // A number stored by another writer counts as its value.
  storeNumber("Version", 5);
  storeText("tellouttext", "结束");
  EXPECT_TRUE(CheckVersion(app.platform));
  EXPECT_FALSE(stored("tellouttext").has_value());
}

TEST_F(ProgramStartTest, NewerStoredVersionRefusesToStart) {
  storeText("Version", "5.3");
  storeText("tellouttext", "结束");
  Main(app);
  EXPECT_TRUE(app.ended());
  EXPECT_EQ(messages(), (std::vector<std::string>{"请使用最新版本"}));
  EXPECT_EQ(messageBoxes.shown().at(0).caption, "Horalix");
  EXPECT_EQ(loadedWindows(), 0);
  EXPECT_EQ(stored("Version"), regSzData("5.3"));
  EXPECT_EQ(stored("tellouttext"), regSzData("结束"));
  EXPECT_EQ(stored("pathget"), regSzData(files.programFolder()));
}

TEST_F(ProgramStartTest, MissingFilesGiveOneMessageAndNoWindow) {
  files.remove(programPath("help.chm"));
  files.remove(programPath("Horalink32.dll"));
  Main(app);
  EXPECT_TRUE(app.ended());
  EXPECT_EQ(messages(), (std::vector<std::string>{"保持程序完整，请重新安装"}));
  EXPECT_EQ(loadedWindows(), 0);
}

TEST_F(ProgramStartTest, HiddenOrRenamedFilesDoNotCount) {
  files.setHidden(programPath("TimeData.db"), true);
  EXPECT_FALSE(CheckInstallFiles(app.platform));
  files.setHidden(programPath("TimeData.db"), false);
  files.remove(programPath("Horalix.exe"));
  installFile("Horalix-5.2.exe");
  EXPECT_FALSE(CheckInstallFiles(app.platform));
  installFile("Horalix.exe");
  EXPECT_TRUE(CheckInstallFiles(app.platform));
  EXPECT_EQ(messages().size(), 2u);
}

TEST_F(ProgramStartTest, NewerVersionSkipsTheFilesCheck) {
  storeText("Version", "9.0");
  files.remove(programPath("help.chm"));
  EXPECT_FALSE(StartupCheck(app.platform));
  EXPECT_EQ(messages(), (std::vector<std::string>{"请使用最新版本"}));
}

TEST_F(ProgramStartTest, SecondInstanceEndsWithoutWritingAnything) {
  instance.setOtherInstanceRunning(true);
  Main(app);
  EXPECT_TRUE(app.ended());
  EXPECT_TRUE(registry.journal().empty());
  EXPECT_TRUE(scriptingShell.journal().empty());
  EXPECT_TRUE(messageBoxes.shown().empty());
  EXPECT_EQ(loadedWindows(), 0);
}

TEST_F(ProgramStartTest, ProgramFolderAtADriveRoot) {
  platform::HeadlessPlatform root("C:\\");
  App rootApp(root.platform());
  for (const char* file : kRequiredFiles) root.files().seedFile(std::string("C:\\") + file, "");
  EXPECT_TRUE(CheckInstallFiles(rootApp.platform));
  Main(rootApp);
  EXPECT_EQ(root.registry().raw(HKCU, "Vantrel", "pathget"), regSzData("C:\\"));
}

TEST(ProgramVersion, TextUsesAPointAndReadsBackEqual) {
  EXPECT_EQ(versionText(programVersion()), "5.2");
  EXPECT_EQ(versionFromText(versionText(programVersion())), programVersion());
  EXPECT_EQ(versionFromText("5,2"), 5.0);
}

}  // namespace
}  // namespace horalix::test
