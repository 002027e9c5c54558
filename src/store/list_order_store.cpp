// The order store of the preset manager: the order of a list becomes the IDs of its table.
// ID is a list position, not a key; each row is found by name and rewritten through its hidden
// identity (SQLite's rowid). The whole table is renumbered inside one transaction, so that the
// IDs stay 1..n without gaps or doubles even when the list shows only search results.

#include <algorithm>
#include <set>

#include "store/preset_database.h"

namespace horalix {

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

struct Record {
  std::int64_t rowid;
  DbValue id;
  double key;
};

}  // namespace

StoredOrder PresetDatabase::storeOrder(Statement rowStatement, std::string_view table,
                                       const std::vector<std::string>& shown, DbNotice onFailure) {
  StoredOrder stored;
  if (!fileExists()) {
    stored.outcome = DbOutcome::FileMissing;
    return stored;
  }
  auto connection = connect();
  if (!connection) {
    stored.outcome = DbOutcome::Failed;
    fail("", onFailure);
    return stored;
  }
  auto abandon = [&](const std::string& error, DbNotice notice) {
    connection->execute("rollback", {});
    fail(error.empty() ? "a row without its identity" : error, notice);
    stored.outcome = DbOutcome::Failed;
    stored.ids.clear();
    return stored;
  };
  if (auto begun = connection->execute("begin immediate", {}); !begun.ok) {
    return abandon(begun.error, onFailure);
  }

  // The table in its present order: by ID, records of equal ID in the order they were added.
  platform::DbResult all =
      connection->query("select rowid, ID from " + std::string(table) + " order by rowid", {});
  if (!all.ok) return abandon(all.error, onFailure);
  std::vector<Record> records;
  for (auto& row : all.table.rows) {
    const auto* rowid = std::get_if<std::int64_t>(&row.at(0));
    if (!rowid) return abandon("", onFailure);
    records.push_back({*rowid, row.at(1), idKey(row.at(1))});
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const Record& a, const Record& b) { return a.key < b.key; });

  // The shown rows, in the list's order, and the places they hold now.
  std::vector<std::int64_t> shownRowids, rowidOfEachShown;
  std::set<std::int64_t> seen;
  for (const std::string& name : shown) {
    platform::DbResult found = connection->query(sqliteStatement(rowStatement), {name});
    if (!found.ok) return abandon(found.error, onFailure);
    if (found.table.rows.empty())
      return abandon("no record named " + name, DbNotice::RecordNotFound);
    const auto* rowid = std::get_if<std::int64_t>(&found.table.rows[0].at(0));
    if (!rowid) return abandon("", onFailure);
    rowidOfEachShown.push_back(*rowid);
    if (seen.insert(*rowid).second) shownRowids.push_back(*rowid);
  }
  std::vector<std::size_t> places;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (seen.contains(records[i].rowid)) places.push_back(i);
  }
  std::vector<Record> ordered = records;
  for (std::size_t k = 0; k < places.size(); ++k) {
    auto it = std::find_if(records.begin(), records.end(),
                           [&](const Record& r) { return r.rowid == shownRowids[k]; });
    ordered[places[k]] = *it;
  }

  const std::string update = "update " + std::string(table) + " set ID=?1 where rowid=?2";
  for (std::size_t i = 0; i < ordered.size(); ++i) {
    const std::int64_t position = static_cast<std::int64_t>(i) + 1;
    if (ordered[i].id == DbValue(position)) continue;
    if (auto done = connection->execute(update, {position, ordered[i].rowid}); !done.ok) {
      return abandon(done.error, onFailure);
    }
  }
  if (auto committed = connection->execute("commit", {}); !committed.ok) {
    return abandon(committed.error, onFailure);
  }
  for (std::int64_t rowid : rowidOfEachShown) {
    for (std::size_t i = 0; i < ordered.size(); ++i) {
      if (ordered[i].rowid == rowid) stored.ids.push_back(static_cast<std::int64_t>(i) + 1);
    }
  }
  return stored;
}

}  // namespace horalix
