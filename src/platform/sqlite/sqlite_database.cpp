#include "platform/sqlite/sqlite_database.h"

#include <sqlite3.h>

#include <string_view>

namespace horalix::platform {

namespace {

// How long a statement waits for a lock that another process (the add-in in an Office host)
// holds on the same file before it fails.
constexpr int kBusyTimeoutMs = 1000;

struct StatementCloser {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

DbResult failure(std::string error) {
  DbResult result;
  result.ok = false;
  result.error = std::move(error);
  return result;
}

bool onlyBlanksAndSemicolons(const char* tail) {
  for (; tail && *tail; ++tail) {
    const std::string_view separators = " \t\r\n;";
    if (separators.find(*tail) == std::string_view::npos) return false;
  }
  return true;
}

int bind(sqlite3_stmt* statement, int index, const DbValue& value) {
  if (const auto* integer = std::get_if<std::int64_t>(&value)) {
    return sqlite3_bind_int64(statement, index, *integer);
  }
  if (const auto* real = std::get_if<double>(&value)) {
    return sqlite3_bind_double(statement, index, *real);
  }
  if (const auto* text = std::get_if<std::string>(&value)) {
    return sqlite3_bind_text64(statement, index, text->data(), text->size(), SQLITE_TRANSIENT,
                               SQLITE_UTF8);
  }
  return sqlite3_bind_null(statement, index);
}

DbValue column(sqlite3_stmt* statement, int index) {
  switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
      return static_cast<std::int64_t>(sqlite3_column_int64(statement, index));
    case SQLITE_FLOAT:
      return sqlite3_column_double(statement, index);
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
      // Blobs come back as their bytes; the program stores none.
      const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, index));
      const int size = sqlite3_column_bytes(statement, index);
      return std::string(bytes ? bytes : "", static_cast<std::size_t>(size));
    }
    default:
      return std::monostate{};
  }
}

class SqliteConnection : public DbConnection {
 public:
  explicit SqliteConnection(sqlite3* db) : db_(db) {}
  ~SqliteConnection() override { sqlite3_close_v2(db_); }
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  DbResult query(const std::string& statement, const std::vector<DbValue>& params) override {
    return run(statement, params, true);
  }
  DbResult execute(const std::string& statement, const std::vector<DbValue>& params) override {
    return run(statement, params, false);
  }

 private:
  DbResult run(const std::string& text, const std::vector<DbValue>& params, bool keepRows) {
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, text.c_str(), static_cast<int>(text.size() + 1), &raw, &tail) !=
        SQLITE_OK) {
      return failure(sqlite3_errmsg(db_));
    }
    const Statement statement(raw);
    if (!statement) return failure("no statement in the text");
    if (!onlyBlanksAndSemicolons(tail)) return failure("more than one statement in the text");
    if (sqlite3_bind_parameter_count(statement.get()) != static_cast<int>(params.size())) {
      return failure("the statement takes " +
                     std::to_string(sqlite3_bind_parameter_count(statement.get())) +
                     " parameters, " + std::to_string(params.size()) + " given");
    }
    for (std::size_t i = 0; i < params.size(); ++i) {
      if (bind(statement.get(), static_cast<int>(i + 1), params[i]) != SQLITE_OK) {
        return failure(sqlite3_errmsg(db_));
      }
    }

    DbResult result;
    const int columns = sqlite3_column_count(statement.get());
    for (int c = 0; c < columns; ++c) {
      const char* name = sqlite3_column_name(statement.get(), c);
      result.table.columns.emplace_back(name ? name : "");
    }
    const sqlite3_int64 changesBefore = sqlite3_total_changes64(db_);
    for (;;) {
      const int step = sqlite3_step(statement.get());
      if (step == SQLITE_DONE) break;
      if (step != SQLITE_ROW) return failure(sqlite3_errmsg(db_));
      if (!keepRows) continue;
      std::vector<DbValue> row;
      row.reserve(static_cast<std::size_t>(columns));
      for (int c = 0; c < columns; ++c) row.push_back(column(statement.get(), c));
      result.table.rows.push_back(std::move(row));
    }
    result.changes = sqlite3_total_changes64(db_) - changesBefore;
    return result;
  }

  sqlite3* db_;
};

// The program's databases are small and each connection lives for one task: SQLite sets no
// memory aside per connection (a block for small allocations, a first batch of cache pages),
// which would stay in the process's heap after the connection closed. Set once, before SQLite
// starts up with the first connection.
void setUpMemoryOnce() {
  static const bool configured = [] {
    sqlite3_config(SQLITE_CONFIG_LOOKASIDE, 0, 0);
    sqlite3_config(SQLITE_CONFIG_PAGECACHE, nullptr, 0, 0);
    return true;
  }();
  (void)configured;
}

}  // namespace

std::unique_ptr<DbConnection> SqliteDatabase::open(const std::string& path, std::string& error) {
  setUpMemoryOnce();
  sqlite3* db = nullptr;
  const int opened = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  if (opened != SQLITE_OK) {
    error = db ? sqlite3_errmsg(db) : sqlite3_errstr(opened);
    error += ": " + path;
    sqlite3_close_v2(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  // SQLite reads the file lazily; a first look at the schema tells a foreign file at once.
  char* message = nullptr;
  if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &message) !=
      SQLITE_OK) {
    error = (message ? std::string(message) : std::string(sqlite3_errmsg(db))) + ": " + path;
    sqlite3_free(message);
    sqlite3_close_v2(db);
    return nullptr;
  }
  error.clear();
  return std::make_unique<SqliteConnection>(db);
}

}  // namespace horalix::platform
