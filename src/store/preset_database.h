// OfficeData.db as the program uses it: named presets, document links and run records. Every
// operation builds the connection text, opens its own connection, runs its statements from the
// statement catalogue with the values bound, and closes the connection; nothing is kept between
// operations. Failures are not passed on: each operation answers with an outcome and, where the
// program tells the user, shows its own notice.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/database.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "store/database_notices.h"
#include "store/office_data_tables.h"
#include "store/statement_catalogue.h"

namespace horalix {

enum class DbOutcome {
  Done,
  FileMissing,  // the operation first tests for the file and found none: nothing was done
  Failed,       // the file could not be opened, or a statement or a value failed
};

// Rows addressed by column position, as the statement returned them.
struct DbRows {
  DbOutcome outcome = DbOutcome::Done;
  platform::DbTable table;

  bool ok() const { return outcome == DbOutcome::Done; }
  bool empty() const { return table.rows.empty(); }
};

// Whether an operation first tests that the file exists (and then silently does nothing when
// it does not) or opens it directly (and then fails into its message when it is missing).
enum class Access { IfPresent, Direct };

// What the order store did: on Done, the new ID of each shown row, in the order given.
struct StoredOrder {
  DbOutcome outcome = DbOutcome::Done;
  std::vector<std::int64_t> ids;

  bool ok() const { return outcome == DbOutcome::Done; }
};

enum class DocumentPresetOutcome {
  Found,             // `row` is the linked preset's row
  NotLinked,         // no link, or a link to a preset that no longer exists
  Unavailable,       // the database could not be opened or the link lookup failed
  PresetUnreadable,  // the link was found but reading its preset failed
};

struct DocumentPreset {
  DocumentPresetOutcome outcome = DocumentPresetOutcome::NotLinked;
  std::vector<platform::DbValue> row;
};

class PresetDatabase {
 public:
  // Turns the Windows path of the data source into the path the database service opens: the
  // identity on Windows, the headless file system's real path in tests.
  using PathMapper = std::function<std::string(const std::string& windowsPath)>;

  PresetDatabase(platform::Database& database, const platform::FileSystem& files,
                 platform::MessageBoxes& boxes, std::string programFolder, std::string password,
                 PathMapper mapPath = {});

  // The Windows path of OfficeData.db and the connection text every operation builds.
  std::string path() const;
  std::string connectionText() const;
  bool fileExists() const;
  // The engine's text of the last failure, for the log.
  const std::string& lastError() const { return lastError_; }

  // --- Preset manager lists and search. A failure shows "操作系统是精简版本，不支持本功能"
  // (the lists only when `tellFailure`).
  DbRows presetList(Access access, bool tellFailure = true);  // ID, clockname, setdate, remark
  DbRows linkList(Access access, bool tellFailure = true);    // the 4 link columns, by ID
  DbRows searchPresets(const std::string& text);              // only when the file exists
  DbRows searchLinks(const std::string& text);                // matches the document name

  // --- Name checks, opened directly: a failure shows the message and counts as taken.
  bool isClockNameFree(const std::string& clockname);
  bool isFileNameFree(const std::string& fliename);

  // The delete guard: the document name of the first link that uses the preset, "" when none.
  // Nothing (the preset counts as in use) when the links cannot be read: a locked or damaged
  // link table must not let a linked preset be deleted.
  std::optional<std::string> findClockFile(const std::string& clockname);

  // --- Entries, only when the file exists. A field that cannot be converted for its column
  // fails the whole row; the preset entry then shows its notice (1000 ms), the link entry its
  // own (2000 ms).
  DbOutcome addPreset(const PresetRecord& record);
  DbOutcome addLink(const LinkRecord& record);

  // --- Deletes, only when the file exists; a failure shows "请使用最新版本的程序" (800 ms).
  DbOutcome deletePreset(const std::string& clockname);
  DbOutcome deleteLink(const std::string& fliename);

  // --- Order store, only when the file exists. `shown` names the rows a list shows (preset
  // names, or document names for links), in the list's order. The records keep the order of
  // their IDs, except that the shown ones take the places the shown ones held, in the list's
  // order: a full list gives its order to the table, a list of search results moves a row only
  // past its shown neighbour, and the records not shown keep their places. The whole table is
  // then numbered 1..n in that order, in one transaction: a failure leaves every ID as it was.
  // A shown name without a record shows "找不到该记录"; any other failure shows `onFailure`.
  StoredOrder storePresetOrder(const std::vector<std::string>& shown, DbNotice onFailure);
  StoredOrder storeLinkOrder(const std::vector<std::string>& shown, DbNotice onFailure);

  // --- Applying a preset from the preset manager, only when the file exists; failures are
  // silent. wholePresetRow gives the first row when there is one of exactly 23 columns, else
  // shows "请保持文件完整，重新安装程序" (800 ms).
  DbRows presetToApply(const std::string& clockname);
  std::optional<std::vector<platform::DbValue>> wholePresetRow(const DbRows& rows);

  // --- Presets menu. The names in ID order, nullopt (silently) when the file is missing or
  // the query fails; the chosen preset's rows, a failure showing
  // "操作系统是精简版本，不支持本功能".
  std::optional<std::vector<std::string>> menuPresetNames();
  DbRows menuPreset(const std::string& clockname);

  // --- Per-document preset: the preset linked to a bare document name, in one connection.
  DocumentPreset presetForDocument(const std::string& fliename);

  // --- Run records. Adding is silent and only when the file exists; the ID is the database's.
  DbOutcome addRunRecord(const RunRecord& record);
  DbRows runRecords();  // only when the file exists; a failure shows the lists message
  DbOutcome deleteRunRecord(std::int64_t id);  // only when the file exists

 private:
  std::unique_ptr<platform::DbConnection> connect();
  DbRows read(Statement statement, const std::vector<platform::DbValue>& params, Access access,
              std::optional<DbNotice> onFailure);
  DbOutcome remove(Statement statement, platform::DbValue value);
  DbOutcome addRow(Statement statement, std::span<const ColumnSpec> columns,
                   const std::vector<std::string>& values, std::optional<DbNotice> onFailure);
  StoredOrder storeOrder(Statement rowStatement, std::string_view table,
                         const std::vector<std::string>& shown, DbNotice onFailure);
  void fail(const std::string& error, std::optional<DbNotice> notice);

  platform::Database& database_;
  const platform::FileSystem& files_;
  platform::MessageBoxes& boxes_;
  std::string programFolder_;
  std::string password_;
  PathMapper mapPath_;
  std::string lastError_;
};

// The text of a field as the readers take it: text as is, numbers in decimal, NULL as "".
std::string fieldText(const platform::DbValue& value);

}  // namespace horalix
