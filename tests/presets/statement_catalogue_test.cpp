#include "store/statement_catalogue.h"

#include <gtest/gtest.h>

#include "presets/office_data_fixture.h"
#include "store/field_conversion.h"

namespace horalix::test {
namespace {

TEST(StatementCatalogue, KeepsTheProgramsTextsAndBindsEveryValue) {
  struct Case {
    Statement statement;
    const char* written;
    const char* sqlite;
  };
  const Case cases[] = {
      {Statement::PresetToApply, "select * from clocksetting  where clockname='…'",
       "select * from clocksetting  where clockname=?1"},
      {Statement::PresetAddRow, "Select * from  clocksetting",
       "insert into clocksetting (ID, clockname, setdate, remark, timeall, tiemone, timetwo, "
       "tiemthree, checkvalue, optvalue, time_end, tellShowtime, tellsoundname, tellprocesstext, "
       "tellShowtext, clockFont, Fontselect, picturename, AImode, tellouttext, time_left, "
       "picture_width, picture_height) values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, "
       "?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, ?23)"},
      {Statement::PresetNameTaken, "select clockname from clocksetting where clockname='…'",
       "select clockname from clocksetting where clockname=?1"},
      {Statement::LinkAddRow, "Select * from  file_list ",
       "insert into file_list (ID, fliename, clockname, remark) values (?1, ?2, ?3, ?4)"},
      {Statement::LinkNameTaken, "select fliename from file_list where fliename='…'",
       "select fliename from file_list where fliename=?1"},
      {Statement::PresetList,
       "select ID,clockname,setdate,remark from clocksetting order by ID ASC",
       "select ID,clockname,setdate,remark from clocksetting order by ID ASC"},
      {Statement::LinkList, "select * from file_list order by ID ASC",
       "select * from file_list order by ID ASC"},
      {Statement::PresetSearch,
       "select ID,clockname,setdate,remark from clocksetting  where clockname  like '%…%'  order "
       "by ID ASC",
       "select ID,clockname,setdate,remark from clocksetting  where clockname  like '%' || ?1 || "
       "'%'  order by ID ASC"},
      {Statement::LinkSearch,
       "select * from file_list  where fliename  like '%…%'  order by ID ASC",
       "select * from file_list  where fliename  like '%' || ?1 || '%'  order by ID ASC"},
      {Statement::FirstLinkOfPreset, "select fliename from file_list where clockname = '…' ",
       "select fliename from file_list where clockname = ?1 "},
      {Statement::DeletePreset, "delete * from clocksetting  where clockname='…'",
       "delete from clocksetting  where clockname=?1"},
      {Statement::DeleteLink, "delete * from file_list  where fliename='…'",
       "delete from file_list  where fliename=?1"},
      {Statement::PresetOrderRow, "select ID from clocksetting where clockname='…'",
       "select rowid, ID from clocksetting where clockname=?1"},
      {Statement::LinkOrderRow, "select ID from file_list where fliename='…'",
       "select rowid, ID from file_list where fliename=?1"},
      {Statement::MenuPresetNames, "select clockname   from clocksetting order by ID ASC",
       "select clockname   from clocksetting order by ID ASC"},
      {Statement::MenuPreset, "select * from clocksetting where clockname='…'  order by ID ASC",
       "select * from clocksetting where clockname=?1  order by ID ASC"},
      {Statement::DocumentLink, "select * from file_list where fliename='…'  order by ID ASC",
       "select * from file_list where fliename=?1  order by ID ASC"},
      {Statement::DocumentPreset,
       "select clocksetting.* from clocksetting,file_list where "
       "clocksetting.clockname=file_list.clockname and file_list.fliename='…'",
       "select clocksetting.* from clocksetting,file_list where "
       "clocksetting.clockname=file_list.clockname and file_list.fliename=?1"},
      {Statement::RunRecordAddRow, "Select * from  timesum",
       "insert into timesum (set_time, use_time, out_time, pause_time, filename) values (?1, ?2, "
       "?3, ?4, ?5)"},
      {Statement::RunRecordList, "select * from timesum order by ID ASC",
       "select * from timesum order by ID ASC"},
      {Statement::DeleteRunRecord, "delete * from timesum  where ID=…",
       "delete from timesum  where ID=?1"},
  };
  ASSERT_EQ(std::size(cases), statementCatalogue().size());
  for (const Case& c : cases) {
    EXPECT_EQ(writtenForm(c.statement), c.written);
    EXPECT_EQ(sqliteStatement(c.statement), c.sqlite) << c.written;
  }
}

// Each translated statement runs on an empty database and on a filled one, with the values
// bound, and finds what the filled database holds.
struct RunCase {
  const char* label;
  Statement statement;
  platform::DbValue value;  // the bound value of statements that take one
  std::size_t onFilled;     // rows read, or rows changed by a delete or an added row
};

void PrintTo(const RunCase& c, std::ostream* out) { *out << c.label; }

class EveryStatement : public OfficeDataTest, public ::testing::WithParamInterface<RunCase> {
 protected:
  platform::DbResult run() {
    const RunCase& c = GetParam();
    const CatalogueEntry& entry = catalogueEntry(c.statement);
    std::vector<platform::DbValue> params;
    if (entry.use == StatementUse::AddRow) {
      // A valid row of the table the statement adds to, converted as the layer converts it.
      std::string failed;
      if (c.statement == Statement::PresetAddRow) {
        params = *rowValues(kPresetColumns, samplePreset("Added", 9).values(), failed);
      } else if (c.statement == Statement::LinkAddRow) {
        params =
            *rowValues(kLinkColumns, LinkRecord{"9", "new.docx", "Keynote", ""}.values(), failed);
      } else {
        const RunRecord run{"00:01:00", "00:01:00", "00:00:00", "00:00:00", "new.docx"};
        params = *rowValues(kRunRecordColumns, run.values(), failed);
      }
    } else if (entry.takesValue) {
      params.push_back(c.value);
    }
    std::string error;
    auto connection = platform.database.open(officeDataPath(), error);
    EXPECT_TRUE(connection) << error;
    if (!connection) return {};
    const std::string& sql = sqliteStatement(c.statement);
    return entry.use == StatementUse::Read || entry.use == StatementUse::RowToUpdate
               ? connection->query(sql, params)
               : connection->execute(sql, params);
  }
  std::size_t count(const platform::DbResult& result) {
    const auto use = catalogueEntry(GetParam().statement).use;
    return use == StatementUse::Read || use == StatementUse::RowToUpdate
               ? result.table.rows.size()
               : static_cast<std::size_t>(result.changes);
  }
};

TEST_P(EveryStatement, RunsOnAnEmptyAndOnAFilledDatabase) {
  const bool addsRow = catalogueEntry(GetParam().statement).use == StatementUse::AddRow;
  createOfficeData();
  platform::DbResult empty = run();
  ASSERT_TRUE(empty.ok) << empty.error;
  EXPECT_EQ(count(empty), addsRow ? 1u : 0u);

  std::filesystem::remove(realOfficeDataPath());
  createOfficeData();
  fill();
  platform::DbResult filled = run();
  ASSERT_TRUE(filled.ok) << filled.error;
  EXPECT_EQ(count(filled), GetParam().onFilled);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, EveryStatement,
    ::testing::Values(RunCase{"PresetToApply", Statement::PresetToApply, "keynote", 1},
                      RunCase{"PresetAddRow", Statement::PresetAddRow, {}, 1},
                      RunCase{"PresetNameTaken", Statement::PresetNameTaken, "O'Brien", 1},
                      RunCase{"LinkAddRow", Statement::LinkAddRow, {}, 1},
                      RunCase{"LinkNameTaken", Statement::LinkNameTaken, "it's.pptx", 1},
                      RunCase{"PresetList", Statement::PresetList, {}, 3},
                      RunCase{"LinkList", Statement::LinkList, {}, 2},
                      RunCase{"PresetSearch", Statement::PresetSearch, "o", 2},
                      RunCase{"LinkSearch", Statement::LinkSearch, "'s", 1},
                      RunCase{"FirstLinkOfPreset", Statement::FirstLinkOfPreset, "Keynote", 1},
                      RunCase{"DeletePreset", Statement::DeletePreset, "Panel", 1},
                      RunCase{"DeleteLink", Statement::DeleteLink, "talk.pptx", 1},
                      RunCase{"PresetOrderRow", Statement::PresetOrderRow, "Panel", 1},
                      RunCase{"LinkOrderRow", Statement::LinkOrderRow, "talk.pptx", 1},
                      RunCase{"MenuPresetNames", Statement::MenuPresetNames, {}, 3},
                      RunCase{"MenuPreset", Statement::MenuPreset, "Panel", 1},
                      RunCase{"DocumentLink", Statement::DocumentLink, "TALK.PPTX", 1},
                      RunCase{"DocumentPreset", Statement::DocumentPreset, "it's.pptx", 1},
                      RunCase{"RunRecordAddRow", Statement::RunRecordAddRow, {}, 1},
                      RunCase{"RunRecordList", Statement::RunRecordList, {}, 2},
                      RunCase{"DeleteRunRecord", Statement::DeleteRunRecord, std::int64_t{1}, 1}),
    [](const ::testing::TestParamInfo<RunCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace horalix::test
