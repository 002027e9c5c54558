#include "addin/action_gate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "addin_fixture.h"

namespace horalix::test {
namespace {

using platform::RegData;
using platform::RegRoot;
namespace regtype = platform::regtype;

class ActionGateTest : public AddinFixture {};

constexpr char kNewer[] = "请使用最新版本";
constexpr char kIncomplete[] = "保持程序完整，请重新安装";

TEST_F(ActionGateTest, StoredVersionAgainstOwnDecidesAndRaisesOlderOnes) {
  struct Case {
    const char* what;
    std::optional<RegData> stored;
    bool shell;
    bool passes;
    bool newerMessage;
    std::optional<std::string> after;  // the stored text afterwards
  };
  const std::vector<Case> cases = {
      {"missing", std::nullopt, true, true, false, "5.2"},
      {"missing, no shell", std::nullopt, false, true, false, "5.2"},
      {"same", platform::regSzData("5.2"), true, true, false, "5.2"},
      {"same, no shell", platform::regSzData("5.2"), false, true, false, "5.2"},
      {"older", platform::regSzData("5.1"), true, true, false, "5.2"},
      {"older, no shell", platform::regSzData("4"), false, true, false, "5.2"},
      {"newer", platform::regSzData("9.9"), true, false, true, "9.9"},
      {"newer, no shell", platform::regSzData("5.3"), false, false, true, "5.3"},
      {"newer by leading number", platform::regSzData("5.3abc"), true, false, true, "5.3abc"},
      {"no number", platform::regSzData("abc"), true, true, false, "5.2"},
      {"comma is no decimal point", platform::regSzData("5,9"), true, true, false, "5.2"},
      {"number value newer", platform::regDwordData(6), true, false, true, "6"},
      {"number value older", platform::regDwordData(5), true, true, false, "5.2"},
      {"beyond its text form", platform::regSzData("5.2000000000000009"), true, false, false,
       "5.2000000000000009"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fresh<AddinFixture> f;
    f.registry.createKey(RegRoot::CurrentUser, "Vantrel");
    if (c.stored) f.registry.setRaw(RegRoot::CurrentUser, "Vantrel", "Version", *c.stored);
    f.scriptingShell.setAvailable(c.shell);
    EXPECT_EQ(addin::CheckVersion(f.services), c.passes);
    EXPECT_EQ(f.boxesWith(kNewer), c.newerMessage ? 1 : 0);
    if (c.newerMessage) {
      EXPECT_EQ(f.messageBoxes.shown()[0].caption, addin::kAddinTitle);
    }
    EXPECT_EQ(f.stored("Version"), c.after);
  }
}

TEST_F(ActionGateTest, SameVersionIsNotWrittenAgain) {
  store("Version", "5.2");
  EXPECT_TRUE(addin::CheckVersion(services));
  for (const auto& verb : scriptingShell.journal()) EXPECT_NE(verb.rfind("RegWrite", 0), 0u);
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(ActionGateTest, EveryMissingFileFailsWithOneMessage) {
  const std::vector<std::string> all(addin::kAddinRequiredFiles.begin(),
                                     addin::kAddinRequiredFiles.end());
  std::vector<std::vector<std::string>> missingSets = {{}, {"help.CHM", "TimeData.db"}};
  for (const auto& name : all) missingSets.push_back({name});
  for (const auto& missing : missingSets) {
    for (const char* trailing : {"", "\\"}) {
      Fresh<AddinFixture> f;
      f.services.libraryFolder += trailing;
      for (const auto& name : all) {
        if (std::find(missing.begin(), missing.end(), name) == missing.end()) f.installFile(name);
      }
      const std::string what =
          (missing.empty() ? std::string("none") : missing[0]) + " missing" + trailing;
      EXPECT_EQ(addin::CheckInstallFiles(f.services), missing.empty()) << what;
      EXPECT_EQ(f.boxesWith(kIncomplete), missing.empty() ? 0 : 1) << what;
    }
  }
}

TEST_F(ActionGateTest, FileNamesMatchWithoutRegardToCaseButNotFolders) {
  for (const char* name : addin::kAddinRequiredFiles) installFile(name);
  EXPECT_TRUE(addin::CheckInstallFiles(services));
  files.remove(programPath("help.CHM"));
  installFile("help.chm");
  EXPECT_TRUE(addin::CheckInstallFiles(services));
  files.remove(programPath("help.chm"));
  files.createFolder(programPath("help.CHM"));
  EXPECT_FALSE(addin::CheckInstallFiles(services));
}

TEST_F(ActionGateTest, GateLooksForFilesOnlyAfterTheVersionPassed) {
  store("Version", "9.9");
  EXPECT_FALSE(addin::ActionGate(services));
  EXPECT_EQ(boxesWith(kNewer), 1);
  EXPECT_EQ(boxesWith(kIncomplete), 0);

  store("Version", "5.2");
  EXPECT_FALSE(addin::ActionGate(services));
  EXPECT_EQ(boxesWith(kIncomplete), 1);

  installComplete();
  EXPECT_TRUE(addin::ActionGate(services));
  EXPECT_EQ(messageBoxes.shown().size(), 2u);
}

TEST(CutAtLineEnd, CutsBeforeTheFirstLineEndOrNul) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {std::string("a\0", 2), "a"},
      {"ab\rcd", "ab"},
      {"", ""},
      {"ab\ncd\rx", "ab"},
      {std::string("x\0y\rz", 5), "x"},
      {"a\tb", "a\tb"},
      {"手动计时", "手动计时"},
  };
  for (const auto& [input, expected] : cases) {
    std::string argument = input;
    EXPECT_EQ(addin::CutAtLineEnd(argument), expected);
    EXPECT_EQ(argument, expected);
  }
}

}  // namespace
}  // namespace horalix::test
