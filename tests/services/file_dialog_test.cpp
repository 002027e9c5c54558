#include "services/file_dialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

using namespace std::string_literals;

class FileDialogTest : public HeadlessFixture {
 protected:
  std::string open(const std::string& initialFile = "") {
    return FileDialog(platform, false, "导入文件名称", "声音文件(*.wav),*.mp3|*.wav;*.mp3",
                      initialFile, "", "C:\\Program Files\\Horalix\\sounds\\");
  }
};

TEST_F(FileDialogTest, InitialNameOfMoreThan260CharactersIsRefusedWithoutADialog) {
  struct Case {
    std::string name;
    bool refused;
  };
  std::string chinese;
  for (int i = 0; i < 261; ++i) chinese += "声";
  const Case cases[] = {
      {std::string(260, 'a'), false},
      {std::string(261, 'a'), true},
      {chinese.substr(0, 260 * 3), false},  // characters count, not bytes
      {chinese, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.size());
    const std::size_t dialogsBefore = dialogs.calls().size();
    const std::size_t boxesBefore = messageBoxes.shown().size();
    if (!c.refused) dialogs.answerFileAfter("C:\\a.wav", 1000);
    const std::string result = open(c.name);
    EXPECT_EQ(dialogs.calls().size() - dialogsBefore, c.refused ? 0u : 1u);
    EXPECT_EQ(result, c.refused ? "" : "C:\\a.wav");
    ASSERT_EQ(messageBoxes.shown().size() - boxesBefore, c.refused ? 1u : 0u);
    if (c.refused) {
      const platform::MessageBoxRecord& box = messageBoxes.shown().back();
      EXPECT_EQ(box.text, "Filename Length Overflow");
      EXPECT_EQ(box.caption, "Horalix - FileDialog Function");
      EXPECT_EQ(box.flags, platform::mb::Exclamation);
    }
  }
}

TEST_F(FileDialogTest, ADialogThatClosesWithin20MsIsShownOnceMoreWithoutItsName) {
  struct Answer {
    std::optional<std::string> path;
    int afterMs;
  };
  struct Case {
    const char* what;
    std::vector<Answer> answers;
    std::string result;
    std::size_t dialogs;
  };
  const Case cases[] = {
      {"the user picks a file", {{"C:\\x\\talk.wav", 3000}}, "C:\\x\\talk.wav", 1},
      {"the user cancels", {{std::nullopt, 2000}}, "", 1},
      {"failed at once, then picked",
       {{std::nullopt, 0}, {"C:\\x\\b.wav", 900}},
       "C:\\x\\b.wav",
       2},
      {"failed at once, then cancelled", {{std::nullopt, 5}, {std::nullopt, 900}}, "", 2},
      {"failed twice", {{std::nullopt, 0}, {std::nullopt, 0}}, "", 2},
      {"19 ms counts as at once",
       {{"C:\\early.wav", 19}, {"C:\\late.wav", 800}},
       "C:\\late.wav",
       2},
      {"20 ms does not", {{"C:\\early.wav", 20}, {"C:\\late.wav", 800}}, "C:\\early.wav", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const Answer& a : c.answers) dialogs.answerFileAfter(a.path, a.afterMs);
    const std::size_t before = dialogs.calls().size();
    EXPECT_EQ(open("old name.wav"), c.result);
    ASSERT_EQ(dialogs.calls().size() - before, c.dialogs);
    EXPECT_EQ(dialogs.calls()[before].name, "old name.wav");
    if (c.dialogs == 2) {
      EXPECT_EQ(dialogs.calls()[before + 1].name, "") << "shown without it";
    }
    while (dialogs.calls().size() < before + c.answers.size()) (void)open();
  }
}

TEST_F(FileDialogTest, MeasuresAcrossTheTickCountWrap) {
  loop.setTickBase(0xFFFFFFF0u);
  dialogs.answerFileAfter("C:\\talk.wav", 1000);
  EXPECT_EQ(open(), "C:\\talk.wav");
  EXPECT_EQ(dialogs.calls().size(), 1u) << "a second across the wrap is not 'at once'";
}

TEST_F(FileDialogTest, AsksForOneFileOfTheCallersKind) {
  dialogs.answerFileAfter("C:\\out\\sheet1.csv\0C:\\out\\other.csv"s, 1000);
  EXPECT_EQ(FileDialog(platform, true, "导出", "CSV|*.csv", "sheet1.csv", "csv", "C:\\out"),
            "C:\\out\\sheet1.csv")
      << "one path, never a list";
  ASSERT_EQ(dialogs.calls().size(), 1u);
  const platform::DialogCall& call = dialogs.calls()[0];
  EXPECT_EQ(call.kind, platform::DialogCall::Save);
  EXPECT_EQ(call.title, "导出");
  EXPECT_EQ(call.filter, "CSV|*.csv");
  EXPECT_EQ(call.name, "sheet1.csv");
  EXPECT_EQ(call.defaultExtension, "csv");
  EXPECT_EQ(call.folder, "C:\\out");
}

TEST(DialogFilter, BarsBecomeNulsAndTwoNulsEndIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"声音文件(*.wav),*.mp3|*.wav;*.mp3", "声音文件(*.wav),*.mp3\0*.wav;*.mp3\0\0"s},
      {"All|*.*|", "All\0*.*\0\0\0"s},
      {"", "\0\0"s},
  };
  for (const auto& [filter, expected] : cases) {
    EXPECT_EQ(platform::nulSeparatedFilter(filter), expected) << filter;
  }
}

}  // namespace
}  // namespace horalix::test
