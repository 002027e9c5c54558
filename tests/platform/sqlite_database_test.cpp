#include "platform/sqlite/sqlite_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <variant>

namespace horalix::platform {
namespace {

namespace fs = std::filesystem;

class SqliteDatabaseTest : public ::testing::Test {
 protected:
  SqliteDatabaseTest() {
    folder_ =
        fs::temp_directory_path() /
        ("horalix-sqlite-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    path = (folder_ / "OfficeData.db").string();
    // The database file exists before the program opens it, as the build makes it.
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE timesum (id INTEGER PRIMARY KEY, set_time TEXT, use_time REAL, "
                 "filename TEXT, note);"
                 "INSERT INTO timesum VALUES (1, '00:02:30', 150.5, '手动计时', NULL);"
                 "INSERT INTO timesum VALUES (2, '00:10:00', 600, 'talk.pptx', x'00ff');",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  ~SqliteDatabaseTest() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  std::unique_ptr<DbConnection> open() {
    std::string error;
    auto connection = database.open(path, error);
    EXPECT_TRUE(connection) << error;
    return connection;
  }

  fs::path folder_;
  std::string path;
  SqliteDatabase database;
};

TEST_F(SqliteDatabaseTest, MissingFileIsNotCreated) {
  const std::string missing = (folder_ / "none.db").string();
  std::string error;
  EXPECT_EQ(database.open(missing, error), nullptr);
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(fs::exists(missing));
}

TEST_F(SqliteDatabaseTest, FileThatIsNoDatabaseFailsToOpen) {
  const std::string text = (folder_ / "TimeData.db").string();
  std::ofstream(text) << "[clocksite]\nleft=100\n";
  std::string error;
  EXPECT_EQ(database.open(text, error), nullptr);
  EXPECT_FALSE(error.empty());
}

TEST_F(SqliteDatabaseTest, RowsComeWithColumnNamesAndTypedValues) {
  auto db = open();
  const DbResult result =
      db->query("SELECT id, set_time, use_time, filename, note FROM timesum ORDER BY id", {});
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(result.table.columns,
            (std::vector<std::string>{"id", "set_time", "use_time", "filename", "note"}));
  ASSERT_EQ(result.table.rows.size(), 2u);
  const auto& first = result.table.rows[0];
  EXPECT_EQ(first[0], DbValue(std::int64_t{1}));
  EXPECT_EQ(first[1], DbValue(std::string("00:02:30")));
  EXPECT_EQ(first[2], DbValue(150.5));
  EXPECT_EQ(first[3], DbValue(std::string("手动计时")));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(first[4]));
  EXPECT_EQ(result.table.rows[1][2], DbValue(600.0));  // REAL affinity keeps a real
  EXPECT_EQ(result.table.rows[1][4], DbValue(std::string("\x00\xff", 2)));

  const DbResult none = db->query("SELECT filename FROM timesum WHERE id = ?1", {std::int64_t{9}});
  ASSERT_TRUE(none.ok);
  EXPECT_EQ(none.table.columns, std::vector<std::string>{"filename"});
  EXPECT_TRUE(none.table.rows.empty());
}

TEST_F(SqliteDatabaseTest, ValuesAreBoundNeverSpliced) {
  auto db = open();
  const std::string hostile = "x'); DROP TABLE timesum; --";
  const DbResult added = db->execute(
      "INSERT INTO timesum (set_time, use_time, filename, note) VALUES (?1, ?2, ?3, ?4)",
      {std::string("00:00:01"), 1.5, hostile, std::monostate{}});
  ASSERT_TRUE(added.ok) << added.error;
  EXPECT_EQ(added.changes, 1);
  const DbResult back =
      db->query("SELECT filename, note FROM timesum WHERE filename = ?1", {hostile});
  ASSERT_TRUE(back.ok) << back.error;
  ASSERT_EQ(back.table.rows.size(), 1u);
  EXPECT_EQ(back.table.rows[0][0], DbValue(hostile));
  EXPECT_TRUE(std::holds_alternative<std::monostate>(back.table.rows[0][1]));
}

TEST_F(SqliteDatabaseTest, ExecuteCountsChangedRowsOfThatStatementOnly) {
  auto db = open();
  const DbResult updated = db->execute("UPDATE timesum SET note = ?1", {std::int64_t{7}});
  ASSERT_TRUE(updated.ok) << updated.error;
  EXPECT_EQ(updated.changes, 2);
  const DbResult created = db->execute("CREATE TABLE file_list (name TEXT)", {});
  ASSERT_TRUE(created.ok) << created.error;
  EXPECT_EQ(created.changes, 0);
  const DbResult deleted = db->execute("DELETE FROM timesum WHERE id = ?1", {std::int64_t{1}});
  EXPECT_EQ(deleted.changes, 1);
  EXPECT_EQ(db->query("SELECT id FROM timesum", {}).table.rows.size(), 1u);
}

TEST_F(SqliteDatabaseTest, ErrorsComeBackAsText) {
  auto db = open();
  struct Case {
    const char* statement;
    std::vector<DbValue> params;
  };
  const std::vector<Case> cases = {
      {"SELEC * FROM timesum", {}},
      {"SELECT * FROM no_such_table", {}},
      {"SELECT * FROM timesum WHERE id = ?1", {}},                  // too few
      {"SELECT * FROM timesum", {std::int64_t{1}}},                 // too many
      {"INSERT INTO timesum (id) VALUES (?1)", {std::int64_t{1}}},  // duplicate key
      {"DELETE FROM timesum; DROP TABLE timesum", {}},              // two statements
      {"", {}},
  };
  for (const Case& c : cases) {
    const DbResult result = db->execute(c.statement, c.params);
    EXPECT_FALSE(result.ok) << c.statement;
    EXPECT_FALSE(result.error.empty()) << c.statement;
  }
  EXPECT_EQ(db->query("SELECT count(*) FROM timesum", {}).table.rows[0][0],
            DbValue(std::int64_t{2}))
      << "nothing of the failed statements took effect";
}

TEST_F(SqliteDatabaseTest, EachOpenIsItsOwnConnectionClosedWhenDestroyed) {
  auto first = open();
  auto second = open();
  ASSERT_TRUE(first->execute("BEGIN IMMEDIATE", {}).ok);
  ASSERT_TRUE(first->execute("DELETE FROM timesum", {}).ok);
  // The second connection does not see the first one's open transaction.
  EXPECT_EQ(second->query("SELECT count(*) FROM timesum", {}).table.rows[0][0],
            DbValue(std::int64_t{2}));
  // Destroying the first connection ends its transaction and releases its lock at once.
  first.reset();
  const DbResult write = second->execute("UPDATE timesum SET note = 1", {});
  EXPECT_TRUE(write.ok) << write.error;
  EXPECT_EQ(write.changes, 2) << "the uncommitted delete was rolled back";
}

TEST_F(SqliteDatabaseTest, AStatementWaitsForALockAboutASecondThenFails) {
  using namespace std::chrono_literals;
  auto holder = open();
  auto writer = open();
  // A lock let go within the wait is waited for.
  ASSERT_TRUE(holder->execute("BEGIN EXCLUSIVE", {}).ok);
  std::thread release([&] {
    std::this_thread::sleep_for(300ms);
    holder->execute("COMMIT", {});
  });
  const DbResult waited = writer->execute("UPDATE timesum SET note = 1", {});
  release.join();
  EXPECT_TRUE(waited.ok) << waited.error;
  // A lock held on gives a failure after the wait, not a hang.
  ASSERT_TRUE(holder->execute("BEGIN EXCLUSIVE", {}).ok);
  const auto start = std::chrono::steady_clock::now();
  const DbResult busy = writer->execute("UPDATE timesum SET note = 2", {});
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_FALSE(busy.ok);
  EXPECT_GE(took, 900ms);
  EXPECT_LT(took, 3s);
}

}  // namespace
}  // namespace horalix::platform
