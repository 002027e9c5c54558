#include "store/preset_database.h"

#include <utility>

#include "services/number_text.h"
#include "store/connection_text.h"
#include "store/field_conversion.h"

namespace horalix {

using platform::DbValue;

std::string fieldText(const DbValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* whole = std::get_if<std::int64_t>(&value)) return std::to_string(*whole);
  if (const auto* real = std::get_if<double>(&value)) return shortestNumberText(*real);
  return {};
}

PresetDatabase::PresetDatabase(platform::Database& database, const platform::FileSystem& files,
                               platform::MessageBoxes& boxes, std::string programFolder,
                               std::string password, PathMapper mapPath)
    : database_(database),
      files_(files),
      boxes_(boxes),
      programFolder_(std::move(programFolder)),
      password_(std::move(password)),
      mapPath_(std::move(mapPath)) {}

std::string PresetDatabase::path() const { return officeDataPath(programFolder_); }

std::string PresetDatabase::connectionText() const {
  return horalix::connectionText(path(), password_);
}

bool PresetDatabase::fileExists() const { return files_.normalFileExists(path()); }

// Opens the file the connection text names. The database password belongs to the old engine's
// file format; an SQLite file has none, so the password only travels in the text.
std::unique_ptr<platform::DbConnection> PresetDatabase::connect() {
  const std::optional<std::string> source = dataSourceOf(connectionText());
  if (!source) {
    lastError_ = "the connection text names no data source";
    return nullptr;
  }
  std::string error;
  auto connection = database_.open(mapPath_ ? mapPath_(*source) : *source, error);
  if (!connection) lastError_ = error.empty() ? "the database cannot be opened" : error;
  return connection;
}

void PresetDatabase::fail(const std::string& error, std::optional<DbNotice> notice) {
  if (!error.empty()) lastError_ = error;
  if (notice) showNotice(boxes_, *notice);
}

DbRows PresetDatabase::read(Statement statement, const std::vector<DbValue>& params, Access access,
                            std::optional<DbNotice> onFailure) {
  DbRows rows;
  if (access == Access::IfPresent && !fileExists()) {
    rows.outcome = DbOutcome::FileMissing;
    return rows;
  }
  auto connection = connect();
  if (!connection) {
    rows.outcome = DbOutcome::Failed;
    fail("", onFailure);
    return rows;
  }
  platform::DbResult result = connection->query(sqliteStatement(statement), params);
  if (!result.ok) {
    rows.outcome = DbOutcome::Failed;
    fail(result.error, onFailure);
    return rows;
  }
  rows.table = std::move(result.table);
  return rows;
}

DbOutcome PresetDatabase::remove(Statement statement, DbValue value) {
  if (!fileExists()) return DbOutcome::FileMissing;
  auto connection = connect();
  if (!connection) {
    fail("", DbNotice::DeleteFailed);
    return DbOutcome::Failed;
  }
  platform::DbResult result = connection->execute(sqliteStatement(statement), {std::move(value)});
  if (!result.ok) {
    fail(result.error, DbNotice::DeleteFailed);
    return DbOutcome::Failed;
  }
  return DbOutcome::Done;
}

DbOutcome PresetDatabase::addRow(Statement statement, std::span<const ColumnSpec> columns,
                                 const std::vector<std::string>& values,
                                 std::optional<DbNotice> onFailure) {
  if (!fileExists()) return DbOutcome::FileMissing;
  // Every value is converted before anything is written: the row is stored whole or not at all.
  std::string failedColumn;
  std::optional<std::vector<DbValue>> params = rowValues(columns, values, failedColumn);
  if (!params) {
    fail("a value that does not fit the column " + failedColumn, onFailure);
    return DbOutcome::Failed;
  }
  auto connection = connect();
  if (!connection) {
    fail("", onFailure);
    return DbOutcome::Failed;
  }
  platform::DbResult result = connection->execute(sqliteStatement(statement), *params);
  if (!result.ok) {
    fail(result.error, onFailure);
    return DbOutcome::Failed;
  }
  return DbOutcome::Done;
}

namespace {

std::optional<DbNotice> listsNotice(bool tellFailure) {
  if (tellFailure) return DbNotice::ListsUnavailable;
  return std::nullopt;
}

}  // namespace

DbRows PresetDatabase::presetList(Access access, bool tellFailure) {
  return read(Statement::PresetList, {}, access, listsNotice(tellFailure));
}

DbRows PresetDatabase::linkList(Access access, bool tellFailure) {
  return read(Statement::LinkList, {}, access, listsNotice(tellFailure));
}

DbRows PresetDatabase::searchPresets(const std::string& text) {
  return read(Statement::PresetSearch, {text}, Access::IfPresent, DbNotice::ListsUnavailable);
}

DbRows PresetDatabase::searchLinks(const std::string& text) {
  return read(Statement::LinkSearch, {text}, Access::IfPresent, DbNotice::ListsUnavailable);
}

bool PresetDatabase::isClockNameFree(const std::string& clockname) {
  DbRows rows =
      read(Statement::PresetNameTaken, {clockname}, Access::Direct, DbNotice::ListsUnavailable);
  return rows.ok() && rows.empty();
}

bool PresetDatabase::isFileNameFree(const std::string& fliename) {
  DbRows rows =
      read(Statement::LinkNameTaken, {fliename}, Access::Direct, DbNotice::ListsUnavailable);
  return rows.ok() && rows.empty();
}

std::optional<std::string> PresetDatabase::findClockFile(const std::string& clockname) {
  DbRows rows = read(Statement::FirstLinkOfPreset, {clockname}, Access::Direct, std::nullopt);
  if (!rows.ok()) return std::nullopt;
  if (rows.empty() || rows.table.rows[0].empty()) return std::string();
  return fieldText(rows.table.rows[0][0]);
}

DbOutcome PresetDatabase::addPreset(const PresetRecord& record) {
  return addRow(Statement::PresetAddRow, kPresetColumns, record.values(), DbNotice::PresetNotSaved);
}

DbOutcome PresetDatabase::addLink(const LinkRecord& record) {
  return addRow(Statement::LinkAddRow, kLinkColumns, record.values(), DbNotice::LinksNotSaved);
}

DbOutcome PresetDatabase::deletePreset(const std::string& clockname) {
  return remove(Statement::DeletePreset, clockname);
}

DbOutcome PresetDatabase::deleteLink(const std::string& fliename) {
  return remove(Statement::DeleteLink, fliename);
}

StoredOrder PresetDatabase::storePresetOrder(const std::vector<std::string>& shown,
                                             DbNotice onFailure) {
  return storeOrder(Statement::PresetOrderRow, "clocksetting", shown, onFailure);
}

StoredOrder PresetDatabase::storeLinkOrder(const std::vector<std::string>& shown,
                                           DbNotice onFailure) {
  return storeOrder(Statement::LinkOrderRow, "file_list", shown, onFailure);
}

DbRows PresetDatabase::presetToApply(const std::string& clockname) {
  return read(Statement::PresetToApply, {clockname}, Access::IfPresent, std::nullopt);
}

std::optional<std::vector<DbValue>> PresetDatabase::wholePresetRow(const DbRows& rows) {
  if (!rows.ok() || rows.empty() || rows.table.rows[0].size() != kPresetColumnCount) {
    showNotice(boxes_, DbNotice::PresetIncomplete);
    return std::nullopt;
  }
  return rows.table.rows[0];
}

std::optional<std::vector<std::string>> PresetDatabase::menuPresetNames() {
  DbRows rows = read(Statement::MenuPresetNames, {}, Access::IfPresent, std::nullopt);
  if (!rows.ok()) return std::nullopt;
  std::vector<std::string> names;
  for (const auto& row : rows.table.rows) names.push_back(row.empty() ? "" : fieldText(row[0]));
  return names;
}

DbRows PresetDatabase::menuPreset(const std::string& clockname) {
  return read(Statement::MenuPreset, {clockname}, Access::Direct, DbNotice::ListsUnavailable);
}

DocumentPreset PresetDatabase::presetForDocument(const std::string& fliename) {
  DocumentPreset found;
  auto connection = connect();
  if (!connection) {
    found.outcome = DocumentPresetOutcome::Unavailable;
    return found;
  }
  const std::vector<DbValue> params = {fliename};
  platform::DbResult link = connection->query(sqliteStatement(Statement::DocumentLink), params);
  if (!link.ok) {
    lastError_ = link.error;
    found.outcome = DocumentPresetOutcome::Unavailable;
    return found;
  }
  if (link.table.rows.empty()) return found;
  platform::DbResult preset = connection->query(sqliteStatement(Statement::DocumentPreset), params);
  if (!preset.ok) {
    lastError_ = preset.error;
    found.outcome = DocumentPresetOutcome::PresetUnreadable;
    return found;
  }
  if (preset.table.rows.empty()) return found;
  found.outcome = DocumentPresetOutcome::Found;
  found.row = std::move(preset.table.rows.front());
  return found;
}

DbOutcome PresetDatabase::addRunRecord(const RunRecord& record) {
  return addRow(Statement::RunRecordAddRow, kRunRecordColumns, record.values(), std::nullopt);
}

DbRows PresetDatabase::runRecords() {
  return read(Statement::RunRecordList, {}, Access::IfPresent, DbNotice::ListsUnavailable);
}

DbOutcome PresetDatabase::deleteRunRecord(std::int64_t id) {
  return remove(Statement::DeleteRunRecord, id);
}

}  // namespace horalix
