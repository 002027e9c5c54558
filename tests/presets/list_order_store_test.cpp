#include <gtest/gtest.h>

#include <filesystem>

#include "presets/office_data_fixture.h"

namespace horalix::test {
namespace {

using presets::Access;
using presets::DbOutcome;
using presets::OrderRow;

class ListOrderStore : public OfficeDataTest {
 protected:
  void SetUp() override { refill(); }
  // A new database with presets A to E, IDs 1 to 5, each linked to a document.
  void refill() {
    std::filesystem::remove(realOfficeDataPath());
    createOfficeData();
    int id = 0;
    for (const char* name : {"A", "B", "C", "D", "E"}) {
      ++id;
      ASSERT_EQ(officeData.addPreset(samplePreset(name, id)), DbOutcome::Done);
      ASSERT_EQ(officeData.addLink({std::to_string(id), std::string(name) + ".pptx", name, ""}),
                DbOutcome::Done);
    }
  }
  // "ID name" of every preset in ID order.
  std::vector<std::string> presets() {
    std::vector<std::string> rows;
    for (const auto& row : officeData.presetList(Access::Direct).table.rows) {
      rows.push_back(presets::fieldText(row[0]) + " " + presets::fieldText(row[1]));
    }
    return rows;
  }
};

TEST_F(ListOrderStore, NumbersBecomeUniquePositions) {
  struct Case {
    const char* what;
    const char* deletedFirst;
    std::vector<OrderRow> rows;
    std::vector<std::string> after;
  };
  const Case cases[] = {
      {"the full list with C moved up",
       "",
       {{1, "A"}, {2, "C"}, {3, "B"}, {4, "D"}, {5, "E"}},
       {"1 A", "2 C", "3 B", "4 D", "5 E"}},
      {"the full list after B was deleted",
       "B",
       {{1, "A"}, {2, "C"}, {3, "D"}, {4, "E"}},
       {"1 A", "2 C", "3 D", "4 E"}},
      // Search results B (2) and D (4), D moved up: both get 3, the moved row first.
      {"search results with D moved up",
       "",
       {{3, "D"}, {3, "B"}},
       {"1 A", "2 D", "3 B", "4 C", "5 E"}},
      // A delete renumbers the shown hits from 1.
      {"search results renumbered from 1", "", {{1, "D"}}, {"1 D", "2 A", "3 B", "4 C", "5 E"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    refill();
    if (*c.deletedFirst) {
      ASSERT_EQ(officeData.deletePreset(c.deletedFirst), DbOutcome::Done);
    }
    EXPECT_EQ(officeData.storePresetOrder(c.rows), DbOutcome::Done);
    EXPECT_EQ(presets(), c.after);
  }
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(ListOrderStore, ANameWithoutRecordStopsTheStore) {
  EXPECT_EQ(officeData.storeLinkOrder({{1, "C.pptx"}, {2, "gone.pptx"}, {3, "A.pptx"}}),
            DbOutcome::Failed);
  ASSERT_EQ(messageBoxes.shown().size(), 1u);
  EXPECT_EQ(messageBoxes.shown()[0].text, "找不到该记录");
  EXPECT_EQ(messageBoxes.shown()[0].timeoutMs, 0);
  // C.pptx was written before the stop; the positions stay unique.
  std::vector<std::string> links;
  for (const auto& row : officeData.linkList(Access::Direct).table.rows) {
    links.push_back(presets::fieldText(row[0]) + " " + presets::fieldText(row[1]));
  }
  EXPECT_EQ(links,
            (std::vector<std::string>{"1 C.pptx", "2 A.pptx", "3 B.pptx", "4 D.pptx", "5 E.pptx"}));
}

}  // namespace
}  // namespace horalix::test
