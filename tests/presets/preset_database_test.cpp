#include "store/preset_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "presets/office_data_fixture.h"
#include "store/connection_text.h"

namespace horalix::test {
namespace {

constexpr const char* kListsUnavailable = "操作系统是精简版本，不支持本功能";

TEST(ConnectionText, IsBuiltAsTheProgramBuildsItAndNamesTheFile) {
  EXPECT_EQ(connectionText(officeDataPath("C:\\Program Files\\Horalix"), "731QT908"),
            "provider=Microsoft.jet.OLEDB.4.0;data source=C:\\Program Files\\Horalix\\"
            "OfficeData.db;Jet OLEDB:Database Password=731QT908");
  struct Case {
    const char* folder;
    const char* path;
  };
  for (const Case& c :
       {Case{"C:\\", "C:\\OfficeData.db"}, Case{"D:\\Talks", "D:\\Talks\\OfficeData.db"},
        Case{"D:\\a;b", "D:\\a;b\\OfficeData.db"},
        Case{"D:\\x;provider", "D:\\x;provider\\OfficeData.db"},
        // Keywords inside a folder name belong to the path.
        Case{"D:\\a;mode=Read", "D:\\a;mode=Read\\OfficeData.db"},
        Case{"D:\\b;password=1", "D:\\b;password=1\\OfficeData.db"},
        Case{"D:\\c;Jet OLEDB:x", "D:\\c;Jet OLEDB:x\\OfficeData.db"}}) {
    const std::string path = officeDataPath(c.folder);
    EXPECT_EQ(path, c.path);
    EXPECT_EQ(dataSourceOf(connectionText(path, "731QT908")), c.path);
  }
  EXPECT_EQ(dataSourceOf("provider=x;Jet OLEDB:Database Password=1"), std::nullopt);
}

TEST_F(OfficeDataTest, QuotedNamesAreStoredFoundAndDeleted) {
  createOfficeData();
  fill();
  EXPECT_FALSE(officeData.isClockNameFree("O'Brien"));
  EXPECT_FALSE(officeData.isFileNameFree("it's.pptx"));
  EXPECT_EQ(column(officeData.searchPresets("O'B"), 1), std::vector<std::string>{"O'Brien"});
  EXPECT_EQ(column(officeData.searchLinks("it'"), 1), std::vector<std::string>{"it's.pptx"});
  EXPECT_EQ(officeData.findClockFile("O'Brien"), "it's.pptx");

  DocumentPreset found = officeData.presetForDocument("it's.pptx");
  ASSERT_EQ(found.outcome, DocumentPresetOutcome::Found);
  EXPECT_EQ(fieldText(found.row[kClockname]), "O'Brien");

  EXPECT_EQ(officeData.deletePreset("O'Brien"), DbOutcome::Done);
  EXPECT_TRUE(officeData.isClockNameFree("O'Brien"));
  // A link whose preset is gone leads to no preset.
  EXPECT_EQ(officeData.presetForDocument("it's.pptx").outcome, DocumentPresetOutcome::NotLinked);
  EXPECT_EQ(officeData.deleteLink("it's.pptx"), DbOutcome::Done);
  EXPECT_TRUE(officeData.isFileNameFree("it's.pptx"));
  EXPECT_EQ(column(officeData.presetList(Access::Direct), 1),
            (std::vector<std::string>{"Keynote", "Panel"}));
  EXPECT_EQ(column(officeData.linkList(Access::Direct), 1), std::vector<std::string>{"talk.pptx"});
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(OfficeDataTest, AValueThatLooksLikeSqlNamesOnlyItself) {
  createOfficeData();
  fill();
  const std::string sly = "x' or 'a'='a";
  EXPECT_EQ(officeData.deletePreset(sly), DbOutcome::Done);
  EXPECT_EQ(officeData.deleteLink(sly), DbOutcome::Done);
  EXPECT_TRUE(officeData.isClockNameFree(sly));
  EXPECT_TRUE(officeData.isFileNameFree(sly));
  EXPECT_EQ(officeData.presetForDocument(sly).outcome, DocumentPresetOutcome::NotLinked);
  EXPECT_TRUE(officeData.searchPresets(sly).empty());
  EXPECT_EQ(officeData.presetList(Access::Direct).table.rows.size(), 3u);
  EXPECT_EQ(officeData.linkList(Access::Direct).table.rows.size(), 2u);

  // Stored under that name, it is the one row its delete removes.
  ASSERT_EQ(officeData.addPreset(samplePreset(sly, 4)), DbOutcome::Done);
  EXPECT_EQ(officeData.deletePreset(sly), DbOutcome::Done);
  EXPECT_EQ(column(officeData.presetList(Access::Direct), 1),
            (std::vector<std::string>{"Keynote", "O'Brien", "Panel"}));
}

TEST_F(OfficeDataTest, NamesCompareWithoutRegardToCase) {
  createOfficeData();
  fill();
  EXPECT_FALSE(officeData.isClockNameFree("KEYNOTE"));
  EXPECT_FALSE(officeData.isFileNameFree("Talk.PPTX"));
  EXPECT_EQ(officeData.findClockFile("keynote"), "talk.pptx");
  EXPECT_EQ(officeData.menuPreset("PANEL").table.rows.size(), 1u);
  DocumentPreset found = officeData.presetForDocument("TALK.pptx");
  ASSERT_EQ(found.outcome, DocumentPresetOutcome::Found);
  EXPECT_EQ(fieldText(found.row[kClockname]), "Keynote");
  EXPECT_EQ(officeData.deletePreset("keynote"), DbOutcome::Done);
  EXPECT_EQ(officeData.presetList(Access::Direct).table.rows.size(), 2u);
}

TEST_F(OfficeDataTest, SearchKeepsTheWildcardsOfLike) {
  createOfficeData();
  fill();
  struct Case {
    const char* text;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"", {"Keynote", "O'Brien", "Panel"}},
      {"%", {"Keynote", "O'Brien", "Panel"}},
      {"_anel", {"Panel"}},
      {"k%t", {"Keynote"}},
      {"NOTE", {"Keynote"}},
      {"zz", {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(column(officeData.searchPresets(c.text), 1), c.names) << c.text;
  EXPECT_EQ(column(officeData.searchLinks("t_lk"), 1), std::vector<std::string>{"talk.pptx"});
}

TEST_F(OfficeDataTest, PresetRowsHaveTheirColumnsInOrder) {
  createOfficeData();
  fill();
  for (const DbRows& rows : {officeData.presetToApply("Panel"), officeData.menuPreset("Panel")}) {
    ASSERT_EQ(rows.table.rows.size(), 1u);
    ASSERT_EQ(rows.table.columns.size(), kPresetColumnCount);
    for (std::size_t i = 0; i < kPresetColumnCount; ++i) {
      EXPECT_EQ(rows.table.columns[i], kPresetColumns[i].name);
    }
    const auto& row = rows.table.rows[0];
    EXPECT_EQ(row[kPresetId], platform::DbValue(std::int64_t{3}));
    EXPECT_EQ(row[kTimeall], platform::DbValue(std::string("00:02:30")));
    EXPECT_EQ(row[kTellShowtime], platform::DbValue(std::int64_t{5}));
    EXPECT_EQ(row[kPictureHeight], platform::DbValue(std::int64_t{480}));
  }
  EXPECT_EQ(officeData.presetForDocument("talk.pptx").row.size(), kPresetColumnCount);
  EXPECT_TRUE(officeData.wholePresetRow(officeData.presetToApply("Panel")));
  EXPECT_TRUE(messageBoxes.shown().empty());

  // A missing preset, or a row of another width, is refused with its notice.
  EXPECT_FALSE(officeData.wholePresetRow(officeData.presetToApply("Gone")));
  EXPECT_FALSE(officeData.wholePresetRow(officeData.presetList(Access::Direct)));
  ASSERT_EQ(messageBoxes.shown().size(), 2u);
  EXPECT_EQ(messageBoxes.shown()[1].text, "请保持文件完整，重新安装程序");
  EXPECT_EQ(messageBoxes.shown()[1].timeoutMs, 800);
}

TEST_F(OfficeDataTest, FieldsAreConvertedAsTheColumnsHoldThem) {
  createOfficeData();
  struct Case {
    std::function<void(PresetRecord&)> change;
    std::optional<platform::DbValue> stored;  // nullopt: the entry is refused
    std::size_t column;
  };
  const Case cases[] = {
      {[](auto& r) { r.ID = "3.5"; }, std::int64_t{4}, kPresetId},
      {[](auto& r) { r.ID = "2.5"; }, std::int64_t{2}, kPresetId},
      {[](auto& r) { r.tiemone = " -7 "; }, std::int64_t{-7}, kTiemone},
      {[](auto& r) { r.timeall = "1:2:3"; }, std::string("01:02:03"), kTimeall},
      {[](auto& r) { r.timeall = "0:45"; }, std::string("00:45:00"), kTimeall},
      {[](auto& r) { r.tellShowtime = "32767"; }, std::int64_t{32767}, kTellShowtime},
      {[](auto& r) { r.ID = "x"; }, std::nullopt, 0},
      {[](auto& r) { r.timeall = "24:00:00"; }, std::nullopt, 0},
      {[](auto& r) { r.timeall = "0:60:00"; }, std::nullopt, 0},
      {[](auto& r) { r.timeall = "2 min"; }, std::nullopt, 0},
      {[](auto& r) { r.tellShowtime = "32768"; }, std::nullopt, 0},
      {[](auto& r) { r.tellShowtime = "abc"; }, std::nullopt, 0},
      {[](auto& r) { r.picture_width = ""; }, std::nullopt, 0},
      {[](auto& r) { r.time_end = "2147483648"; }, std::nullopt, 0},
      {[](auto& r) { r.tiemthree = "1e3"; }, std::nullopt, 0},
  };
  int n = 0;
  for (const Case& c : cases) {
    ++n;
    PresetRecord record = samplePreset("P" + std::to_string(n), n);
    c.change(record);
    const std::size_t boxesBefore = messageBoxes.shown().size();
    const DbOutcome outcome = officeData.addPreset(record);
    DbRows rows = officeData.presetToApply(record.clockname);
    if (c.stored) {
      ASSERT_EQ(outcome, DbOutcome::Done) << n;
      ASSERT_EQ(rows.table.rows.size(), 1u);
      EXPECT_EQ(rows.table.rows[0][c.column], *c.stored) << n;
    } else {
      EXPECT_EQ(outcome, DbOutcome::Failed) << n;
      EXPECT_TRUE(rows.empty()) << n;
      ASSERT_EQ(messageBoxes.shown().size(), boxesBefore + 1) << n;
      EXPECT_EQ(messageBoxes.shown().back().text, "受限制或操作系统是精简版本，不支持本功能");
      EXPECT_EQ(messageBoxes.shown().back().timeoutMs, 1000);
    }
  }

  EXPECT_EQ(officeData.addLink({"one", "a.pptx", "P1", ""}), DbOutcome::Failed);
  EXPECT_EQ(messageBoxes.shown().back().text, "受账户权限限制只能调用，保存数据需管理员权限");
  EXPECT_EQ(messageBoxes.shown().back().timeoutMs, 2000);
  EXPECT_TRUE(officeData.isFileNameFree("a.pptx"));
}

TEST_F(OfficeDataTest, RunRecordIdsAreNeverGivenAgain) {
  createOfficeData();
  fill();
  ASSERT_EQ(officeData.deleteRunRecord(2), DbOutcome::Done);
  ASSERT_EQ(officeData.addRunRecord({"00:01:00", "00:00:59", "00:00:00", "00:00:00", "b.xlsx"}),
            DbOutcome::Done);
  EXPECT_EQ(column(officeData.runRecords(), kRunId), (std::vector<std::string>{"1", "3"}));
  // A time of 24 hours or more is no time of day: the row is abandoned without a word.
  EXPECT_EQ(officeData.addRunRecord({"24:00:00", "00:00:01", "00:00:00", "00:00:00", "c.xlsx"}),
            DbOutcome::Failed);
  EXPECT_EQ(officeData.runRecords().table.rows.size(), 2u);
  EXPECT_TRUE(messageBoxes.shown().empty());
}

// Every operation, with what it answers when the file is missing (and, in the second table,
// when the file holds no tables) and the notice it shows then.
struct Operation {
  const char* name;
  std::function<std::string(PresetDatabase&)> run;
};

std::string outcomeText(DbOutcome outcome) {
  return outcome == DbOutcome::Done          ? "done"
         : outcome == DbOutcome::FileMissing ? "missing"
                                             : "failed";
}

const std::vector<Operation>& operations() {
  using DB = PresetDatabase;
  static const std::vector<Operation> all = {
      {"presetList direct",
       [](DB& d) { return outcomeText(d.presetList(Access::Direct).outcome); }},
      {"linkList if present",
       [](DB& d) { return outcomeText(d.linkList(Access::IfPresent).outcome); }},
      {"linkList direct", [](DB& d) { return outcomeText(d.linkList(Access::Direct).outcome); }},
      {"searchPresets", [](DB& d) { return outcomeText(d.searchPresets("a").outcome); }},
      {"isClockNameFree",
       [](DB& d) { return std::string(d.isClockNameFree("a") ? "free" : "taken"); }},
      {"isFileNameFree",
       [](DB& d) { return std::string(d.isFileNameFree("a") ? "free" : "taken"); }},
      {"findClockFile",
       [](DB& d) {
         const auto file = d.findClockFile("a");
         return file ? "'" + *file + "'" : std::string("in use");
       }},
      {"addPreset", [](DB& d) { return outcomeText(d.addPreset(samplePreset("a", 1))); }},
      {"addLink",
       [](DB& d) {
         return outcomeText(d.addLink({"1", "a.pptx", "a", ""}));
       }},
      {"deletePreset", [](DB& d) { return outcomeText(d.deletePreset("a")); }},
      {"storePresetOrder",
       [](DB& d) {
         return outcomeText(d.storePresetOrder({"a"}, DbNotice::DeleteFailed).outcome);
       }},
      {"presetToApply", [](DB& d) { return outcomeText(d.presetToApply("a").outcome); }},
      {"menuPresetNames",
       [](DB& d) { return std::string(d.menuPresetNames() ? "names" : "none"); }},
      {"menuPreset", [](DB& d) { return outcomeText(d.menuPreset("a").outcome); }},
      {"presetForDocument",
       [](DB& d) {
         return std::to_string(static_cast<int>(d.presetForDocument("a.pptx").outcome));
       }},
      {"addRunRecord",
       [](DB& d) {
         return outcomeText(d.addRunRecord({"00:00:01", "00:00:01", "00:00:00", "00:00:00", "x"}));
       }},
      {"runRecords", [](DB& d) { return outcomeText(d.runRecords().outcome); }},
      {"deleteRunRecord", [](DB& d) { return outcomeText(d.deleteRunRecord(1)); }},
  };
  return all;
}

struct Expected {
  std::string answer;
  std::string notice;  // "" for none
  int timeoutMs = 0;
};

void expectAnswers(PresetDatabase& db, platform::HeadlessMessageBoxes& boxes,
                   const std::vector<Expected>& expected) {
  ASSERT_EQ(expected.size(), operations().size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const std::size_t before = boxes.shown().size();
    EXPECT_EQ(operations()[i].run(db), expected[i].answer) << operations()[i].name;
    if (expected[i].notice.empty()) {
      EXPECT_EQ(boxes.shown().size(), before) << operations()[i].name;
      continue;
    }
    ASSERT_EQ(boxes.shown().size(), before + 1) << operations()[i].name;
    EXPECT_EQ(boxes.shown().back().text, expected[i].notice) << operations()[i].name;
    EXPECT_EQ(boxes.shown().back().caption, "Horalix");
    EXPECT_EQ(boxes.shown().back().timeoutMs, expected[i].timeoutMs) << operations()[i].name;
  }
}

TEST_F(OfficeDataTest, AMissingFileStaysMissing) {
  const std::string unavailable =
      std::to_string(static_cast<int>(DocumentPresetOutcome::Unavailable));
  expectAnswers(officeData, messageBoxes,
                {{"failed", kListsUnavailable},
                 {"missing", ""},
                 {"failed", kListsUnavailable},
                 {"missing", ""},
                 {"taken", kListsUnavailable},
                 {"taken", kListsUnavailable},
                 {"in use", ""},
                 {"missing", ""},
                 {"missing", ""},
                 {"missing", ""},
                 {"missing", ""},
                 {"missing", ""},
                 {"none", ""},
                 {"failed", kListsUnavailable},
                 {unavailable, ""},
                 {"missing", ""},
                 {"missing", ""},
                 {"missing", ""}});
  EXPECT_FALSE(std::filesystem::exists(realOfficeDataPath()));
  EXPECT_FALSE(files.normalFileExists(officeDataPath()));
}

TEST_F(OfficeDataTest, FailuresShowTheirOperationsNotice) {
  // A database file without the program's tables: every statement fails.
  createOfficeData("drop table clocksetting; drop table file_list; drop table timesum;");
  const std::string unavailable =
      std::to_string(static_cast<int>(DocumentPresetOutcome::Unavailable));
  expectAnswers(officeData, messageBoxes,
                {{"failed", kListsUnavailable},
                 {"failed", kListsUnavailable},
                 {"failed", kListsUnavailable},
                 {"failed", kListsUnavailable},
                 {"taken", kListsUnavailable},
                 {"taken", kListsUnavailable},
                 {"in use", ""},
                 {"failed", "受限制或操作系统是精简版本，不支持本功能", 1000},
                 {"failed", "受账户权限限制只能调用，保存数据需管理员权限", 2000},
                 {"failed", "请使用最新版本的程序", 800},
                 {"failed", "请使用最新版本的程序", 800},
                 {"failed", ""},
                 {"none", ""},
                 {"failed", kListsUnavailable},
                 {unavailable, ""},
                 {"failed", ""},
                 {"failed", kListsUnavailable},
                 {"failed", "请使用最新版本的程序", 800}});
}

}  // namespace
}  // namespace horalix::test
