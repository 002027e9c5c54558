#include "addin/handover_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "addin/host_connection.h"
#include "addin_fixture.h"

namespace horalix::test {
namespace {

using addin::HostKind;
using platform::RegRoot;

class HandOverTest : public AddinFixture {
 public:
  HandOverTest() { installComplete(); }
};

TEST_F(HandOverTest, OpenedDocumentIsPublishedWhenItHasAnExtensionAndItsValueIsFree) {
  struct Case {
    const char* what;
    HostKind kind;
    std::string name;
    std::optional<std::string> before;
    bool shell;
    std::optional<std::string> after;
  };
  const std::vector<Case> cases = {
      {"text file", HostKind::WordProcessor, "notes.txt", std::nullopt, true, "notes.txt"},
      {"two-letter extension", HostKind::WordProcessor, "a.md", std::nullopt, true, std::nullopt},
      {"unsaved document", HostKind::WordProcessor, "Document1", std::nullopt, true, std::nullopt},
      {"workbook", HostKind::Spreadsheet, "budget.xlsx", std::nullopt, true, "budget.xlsx"},
      {"presentation", HostKind::Presentation, "talk.pptx", std::nullopt, true, "talk.pptx"},
      {"3 characters are free", HostKind::Presentation, "b.pptx", "abc", true, "b.pptx"},
      {"4 characters are taken", HostKind::Presentation, "b.pptx", "abcd", true, "abcd"},
      {"4 Chinese characters are taken", HostKind::Presentation, "b.pptx", "演讲稿件", true,
       "演讲稿件"},
      {"3 Chinese characters are free", HostKind::Presentation, "b.pptx", "演讲稿", true, "b.pptx"},
      {"empty is free", HostKind::Spreadsheet, "b.xls", "", true, "b.xls"},
      // Through the registry functions the stored text comes with its terminating NUL, which
      // does not count: 3 characters stay free, as through the shell.
      {"3 characters free without shell", HostKind::WordProcessor, "b.doc", "abc", false, "b.doc"},
      {"4 characters taken without shell", HostKind::WordProcessor, "b.doc", "abcd", false, "abcd"},
      {"Chinese name", HostKind::WordProcessor, "发言稿.docx", std::nullopt, false, "发言稿.docx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fresh<HandOverTest> f;
    const std::string value = addin::documentValueName(c.kind);
    if (c.before) f.store(value, *c.before);
    f.scriptingShell.setAvailable(c.shell);
    addin::PublishDocumentName(f.services, c.kind, c.name);
    EXPECT_EQ(f.stored(value), c.after);
    const bool published = c.after && c.after != c.before;
    EXPECT_EQ(f.stored("clockopen"), published ? std::optional<std::string>("32") : std::nullopt);
    if (published) {
      EXPECT_EQ(f.registry.raw(RegRoot::CurrentUser, "Vantrel", "clockopen")->type,
                platform::regtype::Dword);
    }
  }
}

TEST_F(HandOverTest, FirstOfTwoPresentationsStaysUntilDeleted) {
  addin::PublishDocumentName(services, HostKind::Presentation, "first.pptx");
  addin::PublishDocumentName(services, HostKind::Presentation, "second.pptx");
  EXPECT_EQ(stored("filename5"), "first.pptx");
  registry.deleteValue(RegRoot::CurrentUser, "Vantrel", "filename5");
  addin::PublishDocumentName(services, HostKind::Presentation, "third.pptx");
  EXPECT_EQ(stored("filename5"), "third.pptx");
}

TEST_F(HandOverTest, FailedGatePublishesNothing) {
  store("Version", "9.9");
  addin::PublishDocumentName(services, HostKind::WordProcessor, "notes.docx");
  host.showWindows = 1;
  addin::publishSlideShow(services, host);
  EXPECT_EQ(stored("filename2"), std::nullopt);
  EXPECT_EQ(stored("filename3"), std::nullopt);
  EXPECT_EQ(stored("clockopen"), std::nullopt);
  EXPECT_EQ(boxesWith("请使用最新版本"), 2);
}

TEST_F(HandOverTest, MissingHelpFileStopsEveryEventWithOneMessageEach) {
  files.remove(programPath("help.CHM"));
  addin::PublishDocumentName(services, HostKind::WordProcessor, "notes.docx");
  addin::PublishDocumentName(services, HostKind::Spreadsheet, "sums.xlsx");
  addin::publishSlideShow(services, host);
  EXPECT_EQ(boxesWith("保持程序完整，请重新安装"), 3);
  EXPECT_EQ(messageBoxes.shown().size(), 3u);
  EXPECT_TRUE(registry.valueNames(RegRoot::CurrentUser, "Vantrel") ==
              std::vector<std::string>{"Version"});
}

TEST_F(HandOverTest, SlideShowStartOverwritesUnlessAnotherShowRuns) {
  struct Case {
    std::optional<int> windows;
    std::optional<std::string> name;
    std::string after;
  };
  const std::vector<Case> cases = {
      {1, "talk.pptx", "talk.pptx"},
      {0, "talk.pptx", "talk.pptx"},
      {2, "talk.pptx", "old.pptx"},
      {3, "talk.pptx", "old.pptx"},
      {std::nullopt, "talk.pptx", "talk.pptx"},
      {1, "Presentation1", "Presentation1"},  // no extension test for shows
      {1, std::nullopt, "old.pptx"},
  };
  for (const Case& c : cases) {
    Fresh<HandOverTest> f;
    f.store("filename3", "old.pptx");
    f.host.showWindows = c.windows;
    f.host.presentation = c.name;
    addin::publishSlideShow(f.services, f.host);
    EXPECT_EQ(f.stored("filename3"), c.after) << c.windows.value_or(-1);
    EXPECT_EQ(f.stored("clockopen").has_value(), c.after != "old.pptx");
  }
}

TEST(WpsBuildThreshold, NewerBuildsCountTheEndingShow) {
  const std::vector<std::pair<std::string, int>> cases = {
      {wpsPath("11.1.0.11664"), 1},
      {wpsPath("11.1.0.10215"), 1},
      {wpsPath("11.1.0.10214"), 0},
      {wpsPath("11.1.0.9999"), 0},
      {wpsPath("office"), 0},
      {wpsPath("11.1.0.beta"), 0},
      {"WPSOffice", 1},
      {"/opt/WPS/11.1.0.11664/office6", 1},
      {"/opt/WPS/11.1.0.10214/office6", 0},
      {"", 1},
  };
  for (const auto& [path, threshold] : cases) {
    EXPECT_EQ(addin::wpsBuildThreshold(path), threshold) << path;
  }
}

TEST_F(HandOverTest, SlideShowEndWithdrawsWhenNoOtherShowRuns) {
  struct Case {
    std::optional<std::string> path;
    std::optional<int> windows;
    bool withdrawn;
  };
  const std::string office = "C:\\Program Files\\Microsoft Office\\root\\Office16";
  const std::vector<Case> cases = {
      {office, 0, true},
      {office, 1, true},
      {office, 2, false},
      {wpsPath("11.1.0.11664"), 0, true},
      {wpsPath("11.1.0.11664"), 1, true},
      {wpsPath("11.1.0.11664"), 2, false},
      {wpsPath("11.1.0.10214"), 0, true},
      {wpsPath("11.1.0.10214"), 1, false},
      {wpsPath("office"), 0, true},
      {wpsPath("office"), 1, false},
      {"WPSOffice", 1, true},
      {"WPSOffice", 2, false},
      {"C:\\wps office\\11.1.0.10214\\office6", 1, true},  // "wps" in small letters is Office
      {std::nullopt, 1, true},
      {office, std::nullopt, true},
  };
  for (const Case& c : cases) {
    Fresh<HandOverTest> f;
    f.store("filename3", "talk.pptx");
    f.host.installPath = c.path;
    f.host.showWindows = c.windows;
    addin::withdrawSlideShow(f.services, &f.host, &f.host);
    EXPECT_EQ(!f.stored("filename3").has_value(), c.withdrawn)
        << c.path.value_or("(refused)") << " at " << c.windows.value_or(-1);
  }
}

TEST_F(HandOverTest, SlideShowEndWithoutHeldHostCountsAsOffice) {
  store("filename3", "talk.pptx");
  host.installPath = wpsPath("11.1.0.10214");
  host.showWindows = 1;
  addin::withdrawSlideShow(services, &host, nullptr);
  EXPECT_EQ(stored("filename3"), std::nullopt);
}

TEST_F(HandOverTest, DisconnectionWithdrawsOwnValuesAndClockOpenWhenOthersAreEmpty) {
  struct Case {
    const char* what;
    HostKind kind;
    std::vector<std::pair<std::string, std::string>> before;
    bool shell;
    std::vector<std::string> remaining;
  };
  const std::vector<Case> cases = {
      {"word alone", HostKind::WordProcessor, {{"filename2", "a.docx"}}, true, {}},
      {"word beside a workbook",
       HostKind::WordProcessor,
       {{"filename1", "b.xlsx"}, {"filename2", "a.docx"}},
       true,
       {"clockopen", "filename1"}},
      {"word beside a show",
       HostKind::WordProcessor,
       {{"filename3", "c.ppt"}},
       true,
       {"clockopen", "filename3"}},
      {"word beside a presentation",
       HostKind::WordProcessor,
       {{"filename5", "d.ppt"}},
       true,
       {"clockopen", "filename5"}},
      {"spreadsheet beside a document",
       HostKind::Spreadsheet,
       {{"filename1", "b.xlsx"}, {"filename2", "a.docx"}},
       true,
       {"clockopen", "filename2"}},
      {"spreadsheet alone", HostKind::Spreadsheet, {{"filename1", "b.xlsx"}}, true, {}},
      {"presentation alone",
       HostKind::Presentation,
       {{"filename3", "c.ppt"}, {"filename5", "d.ppt"}},
       true,
       {}},
      {"presentation beside a workbook",
       HostKind::Presentation,
       {{"filename1", "b.xlsx"}, {"filename3", "c.ppt"}},
       true,
       {"clockopen", "filename1"}},
      {"presentation does not wait for word's show value", HostKind::WordProcessor, {}, true, {}},
      {"empty texts count as none",
       HostKind::Presentation,
       {{"filename1", ""}, {"filename2", ""}},
       true,
       {"filename1", "filename2"}},
      // Without the shell the registry functions read the texts with their terminating NUL,
      // which is cut off: empty values still count as none.
      {"empty texts count as none without shell",
       HostKind::Presentation,
       {{"filename1", ""}, {"filename2", ""}},
       false,
       {"filename1", "filename2"}},
      {"line end only counts as none without shell",
       HostKind::WordProcessor,
       {{"filename1", "\r\n"}},
       false,
       {"filename1"}},
      {"a workbook keeps clockopen without shell",
       HostKind::WordProcessor,
       {{"filename1", "b.xlsx"}, {"filename2", "a.docx"}},
       false,
       {"clockopen", "filename1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fresh<HandOverTest> f;
    f.registry.setRaw(RegRoot::CurrentUser, "Vantrel", "clockopen", platform::regDwordData(32));
    for (const auto& [name, text] : c.before) f.store(name, text);
    f.scriptingShell.setAvailable(c.shell);
    addin::withdrawHostValues(f.services, c.kind);
    std::vector<std::string> remaining;
    for (const auto& name : f.registry.valueNames(RegRoot::CurrentUser, "Vantrel")) {
      if (name != "Version") remaining.push_back(name);
    }
    EXPECT_EQ(remaining, c.remaining);
  }
}

TEST_F(HandOverTest, ClockOpenGoesBeforeTheHostsOwnValues) {
  store("filename3", "c.ppt");
  store("filename5", "d.ppt");
  scriptingShell.clearJournal();
  addin::withdrawHostValues(services, HostKind::Presentation);
  std::vector<std::string> deletes;
  for (const auto& verb : scriptingShell.journal()) {
    if (verb.rfind("RegDelete", 0) == 0) deletes.push_back(verb);
  }
  EXPECT_EQ(deletes, (std::vector<std::string>{"RegDelete HKEY_CURRENT_USER\\Vantrel\\clockopen",
                                               "RegDelete HKEY_CURRENT_USER\\Vantrel\\filename3",
                                               "RegDelete HKEY_CURRENT_USER\\Vantrel\\filename5"}));
}

TEST_F(HandOverTest, WithoutShellEveryStepGoesThroughTheExistingKeyOnly) {
  scriptingShell.setAvailable(false);
  addin::announceAddin(services);
  addin::PublishDocumentName(services, HostKind::Spreadsheet, "sums.xlsx");
  EXPECT_EQ(stored("clockopen"), "32");
  EXPECT_EQ(stored("filename1"), "sums.xlsx");
  addin::withdrawHostValues(services, HostKind::Spreadsheet);
  EXPECT_EQ(stored("clockopen"), std::nullopt);
  EXPECT_EQ(stored("filename1"), std::nullopt);

  // The registry functions never create the key: with no key, nothing is written.
  registry.deleteValue(RegRoot::CurrentUser, "Vantrel", "Version");
  registry.deleteKey(RegRoot::CurrentUser, "Vantrel");
  addin::announceAddin(services);
  EXPECT_FALSE(registry.hasKey(RegRoot::CurrentUser, "Vantrel"));
}

TEST_F(HandOverTest, ConnectionAnnouncesWithoutGateAndDisconnectionWithdraws) {
  files.remove(programPath("Horalix.exe"));
  addin::HostConnection presentation(services, HostKind::Presentation);
  presentation.OnConnection(&host);
  EXPECT_EQ(stored("clockopen"), "32");
  EXPECT_TRUE(messageBoxes.shown().empty());
  EXPECT_EQ(presentation.host(), &host);
  presentation.OnDisconnection();
  EXPECT_EQ(stored("clockopen"), std::nullopt);
  EXPECT_EQ(presentation.host(), nullptr);
  EXPECT_EQ(presentation.GetCustomUI(), "");
}

TEST_F(HandOverTest, ConnectedPresentationHostFollowsItsShows) {
  addin::HostConnection presentation(services, HostKind::Presentation);
  host.installPath = wpsPath("11.1.0.10214");
  presentation.OnConnection(&host);
  presentation.DocumentOpen("talk.pptx");
  host.showWindows = 1;
  presentation.SlideShowBegin(host);
  EXPECT_EQ(stored("filename5"), "talk.pptx");
  EXPECT_EQ(stored("filename3"), "talk.pptx");
  // An older WPS build still counts the ending show's window: the value stays until it is gone.
  presentation.SlideShowEnd(&host);
  EXPECT_EQ(stored("filename3"), "talk.pptx");
  host.showWindows = 0;
  presentation.SlideShowEnd(&host);
  EXPECT_EQ(stored("filename3"), std::nullopt);
}

}  // namespace
}  // namespace horalix::test
