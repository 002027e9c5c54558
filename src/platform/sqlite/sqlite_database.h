// The database service over SQLite, the same on every backend. It opens real file paths in
// UTF-8 (which SQLite takes on Windows too); the headless backend maps its Windows paths first.
#pragma once

#include <memory>
#include <string>

#include "platform/database.h"

namespace horalix::platform {

class SqliteDatabase : public Database {
 public:
  // Opens an existing database file for reading and writing: a missing file is never created,
  // and a file that is not a database fails here rather than at its first statement. Each call
  // gives a connection of its own.
  std::unique_ptr<DbConnection> open(const std::string& path, std::string& error) override;
};

}  // namespace horalix::platform
