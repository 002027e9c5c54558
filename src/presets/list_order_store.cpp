// The order store of the preset manager: a list's row numbers become the IDs of its records.
// ID is a list position, not a key; the row is found by name and updated through its hidden
// identity (SQLite's rowid), the way the old code updated the record its keyset had found.

#include <algorithm>
#include <map>

#include "presets/preset_database.h"

namespace horalix::presets {

using platform::DbValue;

namespace {

// An ID as a sort key; an empty or unreadable ID sorts first, as SQLite orders NULL.
double idKey(const DbValue& value) {
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return static_cast<double>(*whole);
  if (const auto* real = std::get_if<double>(&value)) return *real;
  if (const auto* text = std::get_if<std::string>(&value)) {
    try {
      return std::stod(*text);
    } catch (...) {
    }
  }
  return -1e300;
}

struct Placed {
  std::int64_t rowid;
  DbValue id;
  double key;
  std::size_t rank;  // the list position of a row written now; after all of them otherwise
};

}  // namespace

DbOutcome PresetDatabase::storeOrder(Statement rowStatement, std::string_view table,
                                     const std::vector<OrderRow>& rows) {
  if (!fileExists()) return DbOutcome::FileMissing;
  auto connection = connect();
  if (!connection) {
    fail("", DbNotice::DeleteFailed);
    return DbOutcome::Failed;
  }
  const std::string update = "update " + std::string(table) + " set ID=?1 where rowid=?2";
  auto abandon = [&](const platform::DbResult& failed) {
    connection->execute("rollback", {});
    fail(failed.error.empty() ? "a row without its identity" : failed.error,
         DbNotice::DeleteFailed);
    return DbOutcome::Failed;
  };

  if (auto begun = connection->execute("begin immediate", {}); !begun.ok) return abandon(begun);

  std::map<std::int64_t, std::size_t> written;  // rowid -> list position
  bool everyRowFound = true;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    platform::DbResult found = connection->query(sqliteStatement(rowStatement), {rows[i].name});
    if (!found.ok) return abandon(found);
    if (found.table.rows.empty()) {
      showNotice(boxes_, DbNotice::RecordNotFound);
      everyRowFound = false;
      break;
    }
    const auto* rowid = std::get_if<std::int64_t>(&found.table.rows[0].at(0));
    if (!rowid) return abandon({});
    if (auto done = connection->execute(update, {rows[i].number, *rowid}); !done.ok) {
      return abandon(done);
    }
    written[*rowid] = i;
  }

  // Make the IDs the positions 1..n: a list that showed only search results has written
  // numbers that other records may already hold.
  platform::DbResult all =
      connection->query("select rowid, ID from " + std::string(table) + " order by ID, rowid", {});
  if (!all.ok) return abandon(all);
  std::vector<Placed> placed;
  for (auto& row : all.table.rows) {
    const auto* rowid = std::get_if<std::int64_t>(&row.at(0));
    if (!rowid) return abandon({});
    auto at = written.find(*rowid);
    placed.push_back(
        {*rowid, row.at(1), idKey(row.at(1)), at == written.end() ? rows.size() : at->second});
  }
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    return a.key != b.key ? a.key < b.key : a.rank < b.rank;
  });
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const std::int64_t position = static_cast<std::int64_t>(i) + 1;
    if (placed[i].id == DbValue(position)) continue;
    if (auto done = connection->execute(update, {position, placed[i].rowid}); !done.ok) {
      return abandon(done);
    }
  }

  if (auto committed = connection->execute("commit", {}); !committed.ok) return abandon(committed);
  return everyRowFound ? DbOutcome::Done : DbOutcome::Failed;
}

}  // namespace horalix::presets
