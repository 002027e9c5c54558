#include <gtest/gtest.h>

#include "presets/preset_manager_fixture.h"

namespace horalix::test {
namespace {

TEST_F(PresetManagerTest, BrowseKeepsOnlyDocumentsAndLocksAfterSeveral) {
  open();
  c("Image1", 1).click();
  struct Case {
    const char* what;
    std::optional<std::string> answer;
    std::string field;
    bool locked;
  };
  const std::string nul(1, '\0');
  const Case cases[] = {
      {"three files, one a picture",
       "C:\\talks" + nul + "a b.pptx" + nul + "p.png" + nul + "it's.docx", "a b.pptx\\it's.docx",
       true},
      // The lock of a multiple choice stays until a browse ends with nothing chosen.
      {"one picture", std::string("C:\\talks\\p.png"), "", true},
      {"nothing", std::nullopt, "", false},
      {"one document", std::string("C:\\talks\\my deck.ppsx"), "my deck.ppsx", false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    dialogs.answerFileAfter(k.answer, 500);
    c("Command8", 0).click();
    EXPECT_EQ(c("Text2", 1).Text(), k.field);
    EXPECT_EQ(c("Text2", 1).Locked(), k.locked);
  }
  ASSERT_EQ(messageBoxes.shown().size(), 1u);
  EXPECT_EQ(messageBoxes.shown()[0].text, "没有选择文件。");
}

TEST_F(PresetManagerTest, LinkEntryStoresNamesWithQuotesAndRefusesDuplicates) {
  open();
  c("Image1", 1).click();
  EXPECT_FALSE(c("Command1", 0).Enabled());
  c("Text2", 1).setText("it's my deck.pptx\\new  talk.pptx");
  EXPECT_FALSE(c("Command1", 0).Enabled());
  // The preset is chosen by a double click on the preset list.
  clickRows(c("List1"), {1});
  c("List1").DblClick();
  EXPECT_EQ(c("Text2", 2).Text(), "O'Brien");
  EXPECT_TRUE(c("Command1", 0).Enabled());
  c("Text2", 3).setText("a 'remark'");
  c("Command1", 0).click();

  ASSERT_EQ(messageBoxes.shown().size(), 1u);
  EXPECT_EQ(messageBoxes.shown()[0].text, "文件【it's my deck.pptx】已录入");
  EXPECT_EQ(messageBoxes.shown()[0].caption, "提示");
  EXPECT_EQ(storedLinks(),
            (std::vector<std::string>{"1 talk.pptx", "2 it's my deck.pptx", "3 new  talk.pptx"}));
  EXPECT_EQ(c("List2").List().back(),
            "003" + manager().listpad + "O'Brien\tnew  talk.pptx\ta 'remark'");
  EXPECT_EQ(c("Text2", 0).Text(), "4");
  EXPECT_EQ(c("Text2", 1).Text(), "");
  EXPECT_FALSE(c("Command1", 0).Enabled());
  // The name check answers for exactly the stored name.
  EXPECT_FALSE(manager().IsFileNameFree("new  talk.pptx"));
  EXPECT_TRUE(manager().IsFileNameFree("new talk.pptx"));
  EXPECT_FALSE(manager().IsClockNameFree("O'Brien"));
  EXPECT_TRUE(manager().IsClockNameFree("O'Brien'"));
  // A link the list shows is deleted by its stored name.
  clickRows(c("List2"), {2});
  messageBoxes.answer(platform::answer::Yes);
  c("Cmd_del").click();
  EXPECT_EQ(storedLinks(), (std::vector<std::string>{"1 talk.pptx", "2 it's my deck.pptx"}));
}

TEST_F(PresetManagerTest, WideNamesAreWarnedAboutOncePerDocument) {
  open();
  manager().savetodatabase("a.pptx\\b.pptx\\c.pptx", "十个汉字十个汉字十个x");
  // A file name of 21 units is warned about; one of exactly 10 units is no wide preset name.
  manager().savetodatabase("十九个汉字十九个汉字十九个汉字十九个汉.ppt", "十个汉字十个汉字十个");
  int warned = 0, wideFiles = 0;
  for (const std::string& t : shownTexts()) {
    warned += t == "建议时钟名称控制在10个字符以内";
    wideFiles += t == "建议文件名控制在20个字符以内";
  }
  EXPECT_EQ(warned, 3);
  EXPECT_EQ(wideFiles, 1);
  // Each new link takes the next number.
  EXPECT_EQ(storedLinks(),
            (std::vector<std::string>{"1 talk.pptx", "2 it's my deck.pptx", "3 a.pptx", "4 b.pptx",
                                      "5 c.pptx", "6 十九个汉字十九个汉字十九个汉字十九个汉.ppt"}));
}

TEST_F(PresetManagerTest, NumberFieldsAndEnterKey) {
  open();
  struct Case {
    const char* typed;
    const char* left;
  };
  for (const Case& k :
       {Case{"-0.5", "7"}, Case{"abc", "7"}, Case{"3.7", "3"}, Case{"0", "0"}, Case{"12", "12"}}) {
    SCOPED_TRACE(k.typed);
    c("Text1", 0).SetFocus();
    c("Text1", 0).setText(k.typed);
    c("Text1", 1).SetFocus();
    EXPECT_EQ(c("Text1", 0).Text(), k.left);
  }
  // Enter is swallowed; it moves 0 -> 1 -> 3 -> the entry button, and stays in field 2.
  struct Move {
    int from;
    const char* to;
    int toIndex;
  };
  c("Text1", 1).setText("name");
  for (const Move& m :
       {Move{0, "Text1", 1}, Move{1, "Text1", 3}, Move{3, "Cmd_save", -1}, Move{2, "Text1", 2}}) {
    SCOPED_TRACE(m.from);
    c("Text1", m.from).SetFocus();
    int key = 13;
    c("Text1", m.from).keyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(c(m.to, m.toIndex).hasFocus());
  }
  EXPECT_TRUE(c("Cmd_save").Enabled());
  c("Text1", 1).setText("");
  EXPECT_FALSE(c("Cmd_save").Enabled());
}

TEST_F(PresetManagerTest, SavedPresetIsListedAndReachesTheMenu) {
  open();
  app.mainWindow().change_clock_menu();
  c("Text1", 1).setText("New one");
  c("Text1", 3).setText("it's new");
  manager().presetFromSettings = [] { return samplePreset("ignored", 0); };
  c("Cmd_save").click();
  EXPECT_EQ(storedPresets().back(), "7 New one");
  EXPECT_EQ(c("List1").List().back(),
            "007" + manager().listpad + "New one\t" + c("Text1", 2).Text() + "\tit's new");
  EXPECT_EQ(menuCaptions().back(), "New one");
  EXPECT_EQ(c("Text1", 0).Text(), "8");
  EXPECT_EQ(c("Text1", 1).Text() + c("Text1", 3).Text(), "");
  // The same name again is refused.
  c("Text1", 1).setText("new ONE");
  c("Cmd_save").click();
  EXPECT_EQ(shownTexts().back(), "new ONE名称已录入，请保证名称是唯一的");
  EXPECT_EQ(storedPresets().size(), 7u);
}

}  // namespace
}  // namespace horalix::test
