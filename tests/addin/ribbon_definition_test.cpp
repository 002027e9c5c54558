#include "addin/ribbon_definition.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "addin/host_connection.h"
#include "addin_fixture.h"

namespace horalix::test {
namespace {

using addin::HostKind;

std::string golden(const std::string& name) {
  std::ifstream in(std::string(HORALIX_SOURCE_DIR) + "/tests/addin/golden/" + name + ".xml");
  EXPECT_TRUE(in.good()) << name;
  std::stringstream text;
  text << in.rdbuf();
  std::string xml = text.str();
  if (!xml.empty() && xml.back() == '\n') xml.pop_back();
  return xml;
}

// Which of the four programs stand installed.
struct Installed {
  const char* name;
  bool settingsTool, clock, meeting, debate;
};

const std::vector<Installed> kInstalledSets = {
    {"none", false, false, false, false},      {"clock", false, true, false, false},
    {"siblings", false, false, true, true},    {"all", false, true, true, true},
    {"settings tool", true, true, true, true}, {"settings tool alone", true, false, false, false},
};

class RibbonTest : public AddinFixture {
 public:
  void install(const Installed& set) {
    // Each program in its own folder, recorded with and without a final "\".
    if (set.settingsTool) recordProgram("Morventa", "C:\\Tools\\Quellrin", "Quellrin.exe");
    if (set.clock) recordProgram("Vantrel", "C:\\Program Files\\Horalix\\", "Horalix.exe");
    if (set.meeting) recordProgram("Tessavel", "D:\\Tessavel", "Tessavel.exe");
    if (set.debate) recordProgram("Ombrique", "D:\\Ombrique\\", "Ombrique.exe");
  }
};

TEST_F(RibbonTest, EachHostKindOfficeOrWpsAndInstalledSetMatchesItsGoldenText) {
  for (const bool wps : {false, true}) {
    for (const Installed& set : kInstalledSets) {
      for (const HostKind kind :
           {HostKind::WordProcessor, HostKind::Spreadsheet, HostKind::Presentation}) {
        Fresh<RibbonTest> f;
        f.install(set);
        f.host.installPath = wps ? wpsPath("11.1.0.11664") : "C:\\Office\\root\\Office16";
        const std::string suite = wps ? "wps" : "office";
        std::string expected;
        if (kind != HostKind::Presentation) {
          // The clock button stands whatever is installed.
          expected = golden("document_" + suite);
        } else if (!set.settingsTool) {
          expected = golden("presentation_" + suite + "_" + set.name);
        }
        EXPECT_EQ(addin::ribbonDefinition(f.services, kind, &f.host), expected)
            << suite << ", " << set.name << ", kind " << static_cast<int>(kind);
      }
    }
  }
}

TEST_F(RibbonTest, NoHostOrNoPathGivesAnEmptyDefinition) {
  for (const HostKind kind :
       {HostKind::WordProcessor, HostKind::Spreadsheet, HostKind::Presentation}) {
    EXPECT_EQ(addin::ribbonDefinition(services, kind, nullptr), "");
    host.installPath = std::nullopt;
    EXPECT_EQ(addin::ribbonDefinition(services, kind, &host), "");
    addin::HostConnection connection(services, kind);
    EXPECT_EQ(connection.GetCustomUI(), "");
  }
}

TEST_F(RibbonTest, InstalledTestNeedsTheExecutableInTheStoredFolder) {
  struct Case {
    const char* what;
    std::optional<std::string> folder;
    std::string fileAt;
    bool installed;
  };
  const std::vector<Case> cases = {
      {"folder without final \\", "D:\\Tessavel", "D:\\Tessavel\\Tessavel.exe", true},
      {"folder with final \\", "D:\\Tessavel\\", "D:\\Tessavel\\Tessavel.exe", true},
      {"executable elsewhere", "D:\\Tessavel", "D:\\Other\\Tessavel.exe", false},
      {"no folder stored", std::nullopt, "C:\\Tessavel.exe", false},
      {"empty folder stored", "", "C:\\Tessavel.exe", false},
  };
  for (const Case& c : cases) {
    Fresh<RibbonTest> f;
    if (c.folder) f.recordProgram("Tessavel", *c.folder);
    f.files.seedFile(c.fileAt, "");
    EXPECT_EQ(addin::clockinstalled(f.services, addin::ProgramKind::MeetingTimer), c.installed)
        << c.what;
  }
  // An empty folder names no path at all, rather than the root of the current drive.
  recordProgram("Vantrel", "");
  EXPECT_EQ(addin::programPath(services, addin::ProgramKind::Clock), std::nullopt);
  recordProgram("Vantrel", "C:\\H\\");
  EXPECT_EQ(addin::programPath(services, addin::ProgramKind::Clock), "C:\\H\\Horalix.exe");
}

TEST(GetImage, ButtonIdsGiveTheirBitmapsAndNothingElse) {
  const std::vector<std::pair<std::string, std::optional<int>>> cases = {
      {"Button2", 102},          {"Button3", 103},   {"Button4", 104},
      {"button3", std::nullopt}, {"", std::nullopt}, {"Button1", std::nullopt},
      {"Button5", std::nullopt},
  };
  for (const auto& [id, bitmap] : cases) EXPECT_EQ(addin::GetImage(id), bitmap) << id;
}

}  // namespace
}  // namespace horalix::test
