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

}  // namespace horalix::test
