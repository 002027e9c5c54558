#include <gtest/gtest.h>

#include <optional>

#include "presets/preset_manager_fixture.h"

namespace horalix::test {
namespace {

TEST(PresetManagerRows, NumberGapAndColumnsAndTabStops) {
  const std::string gap(4, ' ');
  EXPECT_EQ(rowText({7, "Keynote", "2024-03-01", "main hall", "Keynote"}, gap),
            "007    Keynote\t2024-03-01\tmain hall");
  // Four digits from 1000 on; a tab in a name would break the columns and is not shown.
  EXPECT_EQ(rowText({1000, "a\tb", "x.pptx", "", "a\tb"}, gap), "1000    a\tx.pptx\t");

  struct Case {
    int twipsPerPixel;
    int dpi;
    std::vector<int> stops;
  };
  for (const Case& c :
       {Case{15, 96, {122, 230}}, Case{12, 120, {117, 216}}, Case{10, 144, {122, 230}},
        Case{7, 206, {0, 0}}, Case{18, 80, {122, 230}}, Case{19, 76, {0, 0}}}) {
    SCOPED_TRACE(c.twipsPerPixel);
    EXPECT_EQ(dotsPerInchOf(c.twipsPerPixel), c.dpi);
    EXPECT_EQ(tabStopsFor(c.dpi), c.stops);
  }
  EXPECT_EQ(tabStopsFor(100), (std::vector<int>{122, 230}));
  EXPECT_EQ(tabStopsFor(101), (std::vector<int>{117, 216}));
  EXPECT_EQ(tabStopsFor(130), (std::vector<int>{117, 216}));
  EXPECT_EQ(tabStopsFor(150), (std::vector<int>{122, 230}));
  EXPECT_EQ(tabStopsFor(151), (std::vector<int>{0, 0}));
}

TEST_F(PresetManagerTest, LoadFillsBothListsWithMeasuredGapAndKeys) {
  desktop.setTwipsPerPixel(12, 12);
  open();
  const std::string& pad = manager().listpad;
  ASSERT_FALSE(pad.empty());
  EXPECT_LE(pad.size(), 50u);
  EXPECT_EQ(pad.find_first_not_of(' '), std::string::npos);
  // "001" and the gap take at least 630 of the list's 6615 twips; one blank less would not.
  EXPECT_EQ(c("Label8").Caption(), "001" + pad);
  EXPECT_GE(c("Label8").Width() * 6615, 630 * c("List1").Width());
  EXPECT_EQ(manager().screendpi, 120);
  EXPECT_EQ(c("List1").tabStops(), (std::vector<int>{117, 216}));
  EXPECT_EQ(c("List2").tabStops(), (std::vector<int>{117, 216}));
  // Each header strip names the columns of its list, left to right above them.
  for (const auto& [strip, titles] :
       {std::pair{"Picture2", std::vector<std::string>{"序号", "时钟名称", "时间", "备注"}},
        std::pair{"Picture3", std::vector<std::string>{"序号", "时钟名称", "文件名称", "备注"}}}) {
    std::vector<std::string> shownTitles;
    float lastX = -400;
    for (const platform::DrawOp& op : c(strip).drawing()) {
      if (op.kind != platform::DrawOp::Kind::Text) continue;
      shownTitles.push_back(op.text);
      EXPECT_GT(op.x, lastX + 400) << op.text;
      EXPECT_LT(op.x, c(strip).Width() - 400) << op.text;
      lastX = op.x;
    }
    EXPECT_EQ(shownTitles, titles);
  }

  ASSERT_EQ(c("List1").List().size(), 6u);
  EXPECT_EQ(c("List1").List()[0], "001" + pad + "Keynote\t2024-03-01\tremark of Keynote");
  EXPECT_EQ(c("List2").List()[1], "002" + pad + "O'Brien\tit's my deck.pptx\tquoted");
  EXPECT_EQ(c("Text1", 0).Text(), "7");
  EXPECT_EQ(c("Text2", 0).Text(), "3");
  EXPECT_EQ(manager().active, PresetManager::ActiveList::None);

  // A name with a run of blanks is read back whole, and a link's key is its document.
  const auto presetsRead = manager().Listdata("List1");
  ASSERT_TRUE(presetsRead);
  EXPECT_EQ((*presetsRead)[2].number, 3);
  EXPECT_EQ((*presetsRead)[2].name, "Long    gap");
  EXPECT_EQ((*presetsRead)[2].key, "Long    gap");
  EXPECT_EQ((*manager().Listdata("List2"))[1].key, "it's my deck.pptx");
  EXPECT_FALSE(manager().Listdata("List3"));
}

TEST_F(PresetManagerTest, OnlyTheHelpLinkShowsTheLinksHand) {
  open();
  for (const auto& control : manager().controls()) {
    SCOPED_TRACE(control->name());
    EXPECT_EQ(control->MousePointer() == platform::MousePointer::Hand,
              control->name() == "Lab_help");
  }
}

TEST_F(PresetManagerTest, EmptyTablesGiveEmptyListsAndNumberOne) {
  createOfficeDataFile(files.realPath(programPath("OfficeData.db")),
                       "delete from clocksetting; delete from file_list;");
  open();
  EXPECT_TRUE(c("List1").List().empty());
  EXPECT_FALSE(manager().Listdata("List1"));
  EXPECT_EQ(c("Text1", 0).Text(), "1");
  EXPECT_EQ(c("Text2", 0).Text(), "1");
  EXPECT_TRUE(messageBoxes.shown().empty());
}

// A database another program holds locked, or one damaged, ends the filling at the failing read
// with one message; the entry fields after it stay empty.
TEST_F(PresetManagerTest, AnUnreadableDatabaseEndsTheLoadWithOneMessage) {
  struct Case {
    Breakage how;
    std::size_t presets;
    const char* nextPreset;
    const char* date;
  };
  const Case cases[] = {
      {Breakage::Locked, 0, "", ""},
      {Breakage::Damaged, 0, "", ""},
      {Breakage::LinksDropped, 6, "7", "2024-03-01"},
  };
  loop.setLocalTime({2024, 3, 1, 9, 0, 0, 0});
  for (const Case& k : cases) {
    SCOPED_TRACE(static_cast<int>(k.how));
    startAgain();
    std::optional<OfficeDataLock> lock;
    breakDatabase(k.how, lock);
    const std::size_t before = messageBoxes.shown().size();
    open();
    ASSERT_EQ(messageBoxes.shown().size(), before + 1);
    EXPECT_EQ(messageBoxes.shown().back().text, "操作系统是精简版本，不支持本功能");
    EXPECT_EQ(c("List1").List().size(), k.presets);
    EXPECT_TRUE(c("List2").List().empty());
    EXPECT_EQ(c("Text1", 0).Text(), k.nextPreset);
    EXPECT_EQ(c("Text1", 2).Text(), k.date);
    EXPECT_EQ(c("Text2", 0).Text(), "");
  }
}

// Switching the search off over a database that has become unreadable, or has gone: one
// message, and the lists and entry fields keep what they showed.
TEST_F(PresetManagerTest, AnUnreadableDatabaseEndsTheReloadWithOneMessage) {
  open();
  clickRows(c("List1"), {0});
  c("Check1").setValue(1);
  c("Text4").setText("e");
  ASSERT_EQ(c("List1").List().size(), 4u);
  for (Breakage how : {Breakage::Locked, Breakage::Damaged, Breakage::Gone}) {
    SCOPED_TRACE(static_cast<int>(how));
    std::optional<OfficeDataLock> lock;
    breakDatabase(how, lock);
    c("Text1", 0).setText("9");
    c("Text1", 2).setText("1999-01-01");
    const std::size_t before = messageBoxes.shown().size();
    c("Check1").setValue(0);
    ASSERT_EQ(messageBoxes.shown().size(), before + 1);
    EXPECT_EQ(messageBoxes.shown().back().text, "操作系统是精简版本，不支持本功能");
    EXPECT_EQ(c("List1").List().size(), 4u);
    EXPECT_EQ(c("List2").List().size(), 2u);
    EXPECT_EQ(c("Text1", 0).Text(), "9");
    EXPECT_EQ(c("Text1", 2).Text(), "1999-01-01");
    c("Check1").setValue(1);
  }
  EXPECT_FALSE(files.normalFileExists(programPath("OfficeData.db")));
}

TEST_F(PresetManagerTest, ClickingAListMakesItActiveAndClearsTheOther) {
  open();
  clickRows(c("List2"), {0, 1});
  EXPECT_EQ(manager().active, PresetManager::ActiveList::Links);
  EXPECT_EQ(manager().currentRow(), 1);
  clickRows(c("List1"), {3});
  EXPECT_EQ(manager().active, PresetManager::ActiveList::Presets);
  EXPECT_EQ(manager().currentRow(), 3);
  EXPECT_EQ(c("List2").SelCount(), 0);
  // The same list again changes only the current row.
  clickRows(c("List1"), {3, 4});
  EXPECT_EQ(manager().currentRow(), 4);
  EXPECT_EQ(c("List1").SelCount(), 2);
}

TEST_F(PresetManagerTest, TabSwitchShowsTheOtherEntryAreaAndLeavesNoListActive) {
  open();
  EXPECT_TRUE(c("Picture1", 1).Visible());
  EXPECT_FALSE(c("Text2", 1).Visible());
  EXPECT_EQ(c("Image1", 0).Height(), 400);
  clickRows(c("List1"), {1});
  c("Text2", 3).setText("left over");
  c("Label6", 1).click();
  EXPECT_FALSE(c("Picture1", 1).Visible());
  EXPECT_FALSE(c("Text1", 1).Visible());
  EXPECT_TRUE(c("Text2", 1).Visible());
  EXPECT_TRUE(c("Command8", 0).hasFocus());
  EXPECT_EQ(c("Text2", 3).Text(), "");
  EXPECT_EQ(c("Text2", 0).Text(), "3");
  EXPECT_EQ(c("Image1", 1).Height(), 400);
  EXPECT_EQ(c("Image1", 0).Height(), 375);
  EXPECT_EQ(c("List1").SelCount(), 0);
  EXPECT_EQ(manager().active, PresetManager::ActiveList::None);
  c("Text1", 0).setText("42");
  c("Image1", 0).click();
  EXPECT_EQ(c("Text1", 0).Text(), "7");
  EXPECT_TRUE(c("Text1", 1).hasFocus());
  // With no active list, the list commands answer with their notices.
  c("Cmd_up").click();
  c("Cmd_del").click();
  EXPECT_EQ(messageBoxes.shown().at(0).text, "请先选中要移动的数据行");
  EXPECT_EQ(messageBoxes.shown().at(1).text.substr(0, 27), "请鼠标选中待删除行");
}

TEST_F(PresetManagerTest, SearchMatchesNamesWithQuotesAndWildcards) {
  open();
  c("Check1").setValue(1);
  EXPECT_TRUE(c("Text4").Visible());
  // Typing before a list is active: the hint, and the field is emptied.
  c("Text4").setText("x");
  ASSERT_EQ(messageBoxes.shown().size(), 1u);
  EXPECT_EQ(messageBoxes.shown()[0].text, "请先选中【时钟名称/特殊计时】文件列表");
  EXPECT_EQ(c("Text4").Text(), "");

  clickRows(c("List1"), {0});
  struct Case {
    const char* text;
    std::vector<std::string> rows;
  };
  for (const Case& k :
       {Case{"'", {"002 O'Brien"}},
        Case{"e", {"001 Keynote", "002 O'Brien", "004 Panel", "006 Zeta"}},
        Case{"%t", {"001 Keynote", "006 Zeta"}}, Case{"_uiz", {"005 Quiz"}},
        Case{"    ", {"003 Long    gap"}}, Case{"'; delete from clocksetting; --", {}}}) {
    SCOPED_TRACE(k.text);
    c("Text4").setText(k.text);
    EXPECT_EQ(shown(c("List1")), k.rows);
  }
  // The link search matches the document name.
  clickRows(c("List2"), {});
  c("Text4").setText("it's");
  EXPECT_EQ(shown(c("List2")), (std::vector<std::string>{"002 O'Brien"}));

  // Switched off: the whole lists again, and the entry date is today's once more.
  const std::string today = c("Text1", 2).Text();
  c("Text1", 2).setText("1999-01-01");
  c("Check1").setValue(0);
  EXPECT_FALSE(c("Text4").Visible());
  EXPECT_EQ(c("Text4").Text(), "");
  EXPECT_EQ(c("Text1", 2).Text(), today);
  EXPECT_EQ(c("List1").List().size(), 6u);
  EXPECT_EQ(c("List2").List().size(), 2u);
  EXPECT_EQ(storedPresets().size(), 6u);
  EXPECT_EQ(messageBoxes.shown().size(), 1u);
}

}  // namespace
}  // namespace horalix::test
