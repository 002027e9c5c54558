// The program's database files, opened per operation by connection text.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace horalix::platform {

// A field value: empty (NULL), a whole number, a real number or text.
using DbValue = std::variant<std::monostate, std::int64_t, double, std::string>;

// Rows addressed by column position, as a statement returned them.
struct DbTable {
  std::vector<std::string> columns;
  std::vector<std::vector<DbValue>> rows;
};

// The outcome of one operation: ok, or the error text the engine gave.
struct DbResult {
  bool ok = true;
  std::string error;
  DbTable table;
  std::int64_t changes = 0;
};

// One open connection; closed when destroyed. Values are always bound as parameters
// (`?1`, `?2`, ... in the statement), never spliced into the statement text.
class DbConnection {
 public:
  virtual ~DbConnection() = default;
  virtual DbResult query(const std::string& statement, const std::vector<DbValue>& params) = 0;
  virtual DbResult execute(const std::string& statement, const std::vector<DbValue>& params) = 0;
};

class Database {
 public:
  virtual ~Database() = default;
  // Opens an existing database file; a missing file is never created. null with `error` set
  // when it cannot be opened.
  virtual std::unique_ptr<DbConnection> open(const std::string& path, std::string& error) = 0;
};

}  // namespace horalix::platform
