// Makes an OfficeData.db for tests and benchmarks from the same schema file the build uses for
// the shipped one, so that the tests see the columns, collations and keys the program ships.
#pragma once

#include <sqlite3.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace horalix::test {

inline std::string officeDataSchema() {
  std::ifstream in(HORALIX_SOURCE_DIR "/package/OfficeData.sql", std::ios::binary);
  if (!in) throw std::runtime_error("package/OfficeData.sql cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Creates the database file at a real path (the program never creates it) and runs the schema
// and then `extraSql` on it.
inline void createOfficeDataFile(const std::string& realPath, const std::string& extraSql = "") {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(realPath.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    sqlite3_close(db);
    throw std::runtime_error("cannot create " + realPath);
  }
  char* error = nullptr;
  const std::string sql = officeDataSchema() + extraSql;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error("schema: " + message);
}

// Another program holding the database in a write transaction: every other connection waits
// for it (about a second) and then fails. The lock is let go when the holder is destroyed.
class OfficeDataLock {
 public:
  explicit OfficeDataLock(const std::string& realPath) {
    if (sqlite3_open_v2(realPath.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) != SQLITE_OK) {
      sqlite3_close(db_);
      throw std::runtime_error("cannot lock " + realPath);
    }
  }
  ~OfficeDataLock() { sqlite3_close(db_); }
  OfficeDataLock(const OfficeDataLock&) = delete;
  OfficeDataLock& operator=(const OfficeDataLock&) = delete;

 private:
  sqlite3* db_ = nullptr;
};

// Replaces the database with a file of the same name that holds no database.
inline void damageOfficeDataFile(const std::string& realPath) {
  std::ofstream(realPath, std::ios::binary | std::ios::trunc) << std::string(4096, 'x');
}

}  // namespace horalix::test
