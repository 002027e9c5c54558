#include <gtest/gtest.h>

#include <filesystem>

#include "presets/office_data_fixture.h"

namespace horalix::test {
namespace {

class ListOrderStore : public OfficeDataTest {
 protected:
  void SetUp() override { refill(); }
  // A new database with presets A to E, IDs 1 to 5, each linked to a document.
  void refill(const std::string& extraSql = "") {
    std::filesystem::remove(realOfficeDataPath());
    createOfficeData();
    int id = 0;
    for (const char* name : {"A", "B", "C", "D", "E"}) {
      ++id;
      ASSERT_EQ(officeData.addPreset(samplePreset(name, id)), DbOutcome::Done);
      ASSERT_EQ(officeData.addLink({std::to_string(id), std::string(name) + ".pptx", name, ""}),
                DbOutcome::Done);
    }
    if (!extraSql.empty()) createOfficeData(extraSql);
  }
  // "ID name" of every preset in ID order.
  std::vector<std::string> presets() {
    std::vector<std::string> rows;
    for (const auto& row : officeData.presetList(Access::Direct).table.rows) {
      rows.push_back(fieldText(row[0]) + " " + fieldText(row[1]));
    }
    return rows;
  }
};

TEST_F(ListOrderStore, ShownRowsTakeTheirOwnPlacesAndTheTableIsNumberedWithoutGaps) {
  struct Case {
    const char* what;
    const char* deletedFirst;
    const char* extraSql;
    std::vector<std::string> shown;
    std::vector<std::string> after;
    std::vector<std::int64_t> ids;
  };
  const Case cases[] = {
      {"the full list with C moved up",
       "",
       "",
       {"A", "C", "B", "D", "E"},
       {"1 A", "2 C", "3 B", "4 D", "5 E"},
       {1, 2, 3, 4, 5}},
      {"the full list after B was deleted",
       "B",
       "",
       {"A", "C", "D", "E"},
       {"1 A", "2 C", "3 D", "4 E"},
       {1, 2, 3, 4}},
      // Search results B (2) and D (4), D moved up: the two change places, C and the others
      // stay where they were.
      {"search results with D moved up",
       "",
       "",
       {"D", "B"},
       {"1 A", "2 D", "3 C", "4 B", "5 E"},
       {2, 4}},
      // A delete among search results leaves one gap, which the renumbering closes.
      {"search results after C was deleted",
       "C",
       "",
       {"B", "D"},
       {"1 A", "2 B", "3 D", "4 E"},
       {2, 3}},
      {"search results all deleted", "D", "", {}, {"1 A", "2 B", "3 C", "4 E"}, {}},
      // IDs that an older program left doubled or with gaps: equal IDs keep the order the
      // rows were added in.
      {"doubled and missing IDs",
       "",
       "update clocksetting set ID = 7 where clockname in ('B','C');",
       {"E", "A"},
       {"1 E", "2 D", "3 A", "4 B", "5 C"},
       {1, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    refill(c.extraSql);
    if (*c.deletedFirst) {
      ASSERT_EQ(officeData.deletePreset(c.deletedFirst), DbOutcome::Done);
    }
    const StoredOrder stored = officeData.storePresetOrder(c.shown, DbNotice::DeleteFailed);
    EXPECT_EQ(stored.outcome, DbOutcome::Done);
    EXPECT_EQ(stored.ids, c.ids);
    EXPECT_EQ(presets(), c.after);
  }
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(ListOrderStore, AFailureLeavesEveryIdAsItWas) {
  // Links C.pptx and A.pptx swapped, but a shown name has no record: nothing is written.
  const StoredOrder stored =
      officeData.storeLinkOrder({"C.pptx", "gone.pptx", "A.pptx"}, DbNotice::LinksNotSaved);
  EXPECT_EQ(stored.outcome, DbOutcome::Failed);
  ASSERT_EQ(messageBoxes.shown().size(), 1u);
  EXPECT_EQ(messageBoxes.shown()[0].text, "找不到该记录");
  EXPECT_EQ(messageBoxes.shown()[0].timeoutMs, 0);
  std::vector<std::string> links;
  for (const auto& row : officeData.linkList(Access::Direct).table.rows) {
    links.push_back(fieldText(row[0]) + " " + fieldText(row[1]));
  }
  EXPECT_EQ(links,
            (std::vector<std::string>{"1 A.pptx", "2 B.pptx", "3 C.pptx", "4 D.pptx", "5 E.pptx"}));

  // A write that fails halfway (the last record refuses its new ID): the caller's notice,
  // and the IDs written before it are taken back.
  createOfficeData(
      "CREATE TRIGGER refuse BEFORE UPDATE ON clocksetting WHEN old.clockname = 'A' "
      "BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly database'); END;");
  const StoredOrder refused =
      officeData.storePresetOrder({"E", "D", "C", "B", "A"}, DbNotice::LinksNotSaved);
  EXPECT_EQ(refused.outcome, DbOutcome::Failed);
  EXPECT_TRUE(refused.ids.empty());
  ASSERT_EQ(messageBoxes.shown().size(), 2u);
  EXPECT_EQ(messageBoxes.shown()[1].text, "受账户权限限制只能调用，保存数据需管理员权限");
  EXPECT_EQ(presets(), (std::vector<std::string>{"1 A", "2 B", "3 C", "4 D", "5 E"}));
}

}  // namespace
}  // namespace horalix::test
