#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "presets/preset_manager_fixture.h"

namespace horalix::test {
namespace {

using platform::answer::No;
using platform::answer::Yes;

TEST_F(PresetManagerTest, DeleteKeepsLinkedPresetsAndRenumbersWithoutGaps) {
  struct Case {
    const char* what;
    bool searchFirst;
    std::vector<int> rows;
    int answer;
    std::vector<std::string> stored;
    std::vector<std::string> shown;
    int selectedAfter;
    std::vector<std::string> notices;
  };
  const std::string inUse =
      "时钟名称【O'Brien】已被特殊计时文件【it's my "
      "deck.pptx】调用\r\r删除对应特殊计时文件后才能删除【O'Brien】";
  const Case cases[] = {
      {"rows 2, 3 and 5",
       false,
       {2, 3, 5},
       Yes,
       {"1 Keynote", "2 O'Brien", "3 Quiz"},
       {"001 Keynote", "002 O'Brien", "003 Quiz"},
       2,
       {"确定删除数据吗？"}},
      {"a preset in use stays, the others go",
       false,
       {1, 2},
       Yes,
       {"1 Keynote", "2 O'Brien", "3 Panel", "4 Quiz", "5 Zeta"},
       {"001 Keynote", "002 O'Brien", "003 Panel", "004 Quiz", "005 Zeta"},
       1,
       {"确定删除数据吗？", inUse}},
      {"answering No",
       false,
       {3},
       No,
       {"1 Keynote", "2 O'Brien", "3 Long    gap", "4 Panel", "5 Quiz", "6 Zeta"},
       {"001 Keynote", "002 O'Brien", "003 Long    gap", "004 Panel", "005 Quiz", "006 Zeta"},
       3,
       {"确定删除数据吗？"}},
      // Search results "a" (Long gap 3, Panel 4, Zeta 6): deleting Panel leaves unique IDs
      // without a gap, and the hits show their new IDs.
      {"among search results",
       true,
       {1},
       Yes,
       {"1 Keynote", "2 O'Brien", "3 Long    gap", "4 Quiz", "5 Zeta"},
       {"003 Long    gap", "005 Zeta"},
       0,
       {"确定删除数据吗？"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    manager().Unload();
    std::filesystem::remove(files.realPath(programPath("OfficeData.db")));
    SetUp();
    open();
    const std::size_t before = messageBoxes.shown().size();
    clickRows(c("List1"), {});
    if (k.searchFirst) {
      c("Check1").setValue(1);
      c("Text4").setText("a");
    }
    clickRows(c("List1"), k.rows);
    messageBoxes.answer(k.answer);
    c("Cmd_del").click();
    EXPECT_EQ(storedPresets(), k.stored);
    EXPECT_EQ(shown(c("List1")), k.shown);
    EXPECT_EQ(c("List1").ListIndex(), k.selectedAfter);
    EXPECT_TRUE(c("List1").hasFocus());
    std::vector<std::string> notices;
    for (std::size_t i = before; i < messageBoxes.shown().size(); ++i) {
      notices.push_back(messageBoxes.shown()[i].text);
    }
    EXPECT_EQ(notices, k.notices);
    if (k.answer == Yes && !k.searchFirst) {
      EXPECT_EQ(c("Text1", 0).Text(), std::to_string(k.shown.size() + 1));
      EXPECT_EQ(menuCaptions().size(), k.stored.size());
    }
  }
}

TEST_F(PresetManagerTest, DeletingTheOnlyPresetEmptiesListAndMenu) {
  createOfficeDataFile(files.realPath(programPath("OfficeData.db")),
                       "delete from file_list; delete from clocksetting where ID > 1;");
  open();
  app.mainWindow().change_clock_menu();
  EXPECT_TRUE(app.mainWindow().menu_two(3).Visible());
  clickRows(c("List1"), {0});
  messageBoxes.answer(Yes);
  c("Cmd_del").click();
  EXPECT_TRUE(c("List1").List().empty());
  EXPECT_TRUE(storedPresets().empty());
  EXPECT_EQ(c("Text1", 0).Text(), "1");
  EXPECT_FALSE(app.mainWindow().menu_two(3).Visible());
}

// Links that cannot be read might name the preset: it stays, and so do the ones after it.
TEST_F(PresetManagerTest, APresetWhoseLinksCannotBeReadIsNotDeleted) {
  open();
  createOfficeDataFile(files.realPath(programPath("OfficeData.db")), "DROP TABLE file_list;");
  clickRows(c("List1"), {4, 5});
  messageBoxes.answer(Yes);
  c("Cmd_del").click();
  EXPECT_EQ(shownTexts().back(), "请使用最新版本的程序");
  EXPECT_EQ(storedPresets().size(), 6u);
}

// A delete over a locked or damaged database ends with its one notice and deletes nothing; one
// that fails part way keeps what it deleted until then (in the table, the list and the menu),
// and no order store runs on the failing file: the presets after it keep their IDs.
TEST_F(PresetManagerTest, AFailingDeleteEndsWithOneNotice) {
  struct Case {
    const char* what;
    std::optional<Breakage> how;      // none: Long gap refuses its delete
    std::vector<std::string> stored;  // none: as they were
    std::vector<std::string> shown;   // none: as before
  };
  const Case cases[] = {
      {"locked", Breakage::Locked, {}, {}},
      {"damaged", Breakage::Damaged, {}, {}},
      {"the third of three",
       std::nullopt,
       {"1 Keynote", "2 O'Brien", "3 Long    gap", "6 Zeta"},
       {"001 Keynote", "002 O'Brien", "003 Long    gap", "006 Zeta"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    startAgain();
    open();
    app.mainWindow().change_clock_menu();
    const std::vector<std::string> storedBefore = storedPresets();
    const std::vector<std::string> shownBefore = shown(c("List1"));
    std::optional<OfficeDataLock> lock;
    if (k.how) {
      breakDatabase(*k.how, lock);
    } else {
      createOfficeDataFile(files.realPath(programPath("OfficeData.db")),
                           "CREATE TRIGGER keep BEFORE DELETE ON clocksetting WHEN "
                           "old.clockname = 'Long    gap' BEGIN SELECT RAISE(ABORT, 'no'); END;");
    }
    clickRows(c("List1"), {2, 3, 4});
    messageBoxes.answer(Yes);
    const std::size_t messages = messageBoxes.shown().size();
    c("Cmd_del").click();
    ASSERT_EQ(messageBoxes.shown().size(), messages + 2) << "the question and one notice";
    EXPECT_EQ(messageBoxes.shown().back().text, "请使用最新版本的程序");
    EXPECT_EQ(messageBoxes.shown().back().timeoutMs, 800);
    lock.reset();
    EXPECT_EQ(shown(c("List1")), k.shown.empty() ? shownBefore : k.shown);
    if (k.how != Breakage::Damaged) {
      EXPECT_EQ(storedPresets(), k.stored.empty() ? storedBefore : k.stored);
    }
    if (!k.how) {
      EXPECT_EQ(menuCaptions(),
                (std::vector<std::string>{"Keynote", "O'Brien", "Long    gap", "Zeta"}));
    }
  }
}

TEST_F(PresetManagerTest, DeletingLinksWithQuotesAndBlanks) {
  open();
  clickRows(c("List2"), {1});
  messageBoxes.answer(Yes);
  c("Cmd_del").click();
  EXPECT_EQ(storedLinks(), (std::vector<std::string>{"1 talk.pptx"}));
  EXPECT_EQ(c("Text2", 0).Text(), "2");
  // The preset is free now.
  clickRows(c("List1"), {1});
  messageBoxes.answer(Yes);
  c("Cmd_del").click();
  EXPECT_EQ(storedPresets().at(1), "2 Long    gap");
}

TEST_F(PresetManagerTest, MovesSwapWithTheShownNeighbourAndKeepIdsUnique) {
  open();
  app.mainWindow().change_clock_menu();
  struct Case {
    const char* what;
    const char* search;  // "" for the full list
    int row;
    bool up;
    std::vector<std::string> stored;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {"row 3 up",
       "",
       3,
       true,
       {"1 Keynote", "2 O'Brien", "3 Panel", "4 Long    gap", "5 Quiz", "6 Zeta"},
       {"001 Keynote", "002 O'Brien", "003 Panel", "004 Long    gap", "005 Quiz", "006 Zeta"}},
      {"and back down",
       "",
       2,
       false,
       {"1 Keynote", "2 O'Brien", "3 Long    gap", "4 Panel", "5 Quiz", "6 Zeta"},
       {"001 Keynote", "002 O'Brien", "003 Long    gap", "004 Panel", "005 Quiz", "006 Zeta"}},
      // Hits Long gap (3), Panel (4), Zeta (6): Zeta changes places with Panel only.
      {"a search hit up",
       "a",
       2,
       true,
       {"1 Keynote", "2 O'Brien", "3 Long    gap", "4 Zeta", "5 Quiz", "6 Panel"},
       {"003 Long    gap", "004 Zeta", "006 Panel"}},
      {"a search hit down",
       "a",
       0,
       false,
       {"1 Keynote", "2 O'Brien", "3 Zeta", "4 Long    gap", "5 Quiz", "6 Panel"},
       {"003 Zeta", "004 Long    gap", "006 Panel"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    clickRows(c("List1"), {});
    c("Check1").setValue(*k.search ? 1 : 0);
    if (*k.search) c("Text4").setText(k.search);
    clickRows(c("List1"), {k.row});
    c(k.up ? "Cmd_up" : "Cmd_down").click();
    EXPECT_EQ(storedPresets(), k.stored);
    EXPECT_EQ(shown(c("List1")), k.shown);
    const int moved = k.up ? k.row - 1 : k.row + 1;
    EXPECT_EQ(c("List1").ListIndex(), moved);
    EXPECT_TRUE(c("List1").Selected(moved));
    EXPECT_EQ(c("List1").SelCount(), 1);
    EXPECT_EQ(manager().currentRow(), moved);
    std::vector<std::string> menu = menuCaptions();
    std::vector<std::string> names;
    for (const std::string& s : k.stored) names.push_back(s.substr(s.find(' ') + 1));
    EXPECT_EQ(menu, names);
  }
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(PresetManagerTest, MovesThatCannotBeMadeAreRefused) {
  open();
  struct Case {
    const char* what;
    const char* list;
    std::vector<int> rows;
    const char* button;
    const char* notice;
  };
  const Case cases[] = {
      {"first row up", "List1", {0}, "Cmd_up", "已经是第一行了"},
      {"last row down", "List1", {5}, "Cmd_down", "已经是最后一行了"},
      {"two rows", "List1", {1, 2}, "Cmd_up", "上下移动请只选中一行数据"},
      {"no current link", "List2", {}, "Cmd_up", "没有录入特殊文件名称"},
      {"no current link, down", "List2", {}, "Cmd_down", "没有录入时钟名称"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    clickRows(c(k.list), k.rows);
    c(k.button).click();
    EXPECT_EQ(messageBoxes.shown().back().text, k.notice);
  }
  EXPECT_EQ(storedPresets().front(), "1 Keynote");
  EXPECT_EQ(storedLinks().front(), "1 talk.pptx");
}

TEST_F(PresetManagerTest, ALockedDatabaseDuringAMoveShowsANoticeAndTheStoredOrder) {
  open();
  createOfficeDataFile(files.realPath(programPath("OfficeData.db")),
                       "CREATE TRIGGER refuse BEFORE UPDATE ON file_list "
                       "BEGIN SELECT RAISE(ABORT, 'database is locked'); END;");
  clickRows(c("List2"), {1});
  c("Cmd_up").click();
  ASSERT_EQ(messageBoxes.shown().size(), 1u);
  EXPECT_EQ(messageBoxes.shown()[0].text, "受账户权限限制只能调用，保存数据需管理员权限");
  EXPECT_EQ(storedLinks(), (std::vector<std::string>{"1 talk.pptx", "2 it's my deck.pptx"}));
  EXPECT_EQ(shown(c("List2")), (std::vector<std::string>{"001 Keynote", "002 O'Brien"}));
}

}  // namespace
}  // namespace horalix::test
