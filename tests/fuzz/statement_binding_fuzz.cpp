// The statement layer with any values: a preset, a link and a run record added with them read
// back exactly, name one row each, and go with their delete, while the search and the lookups
// never fail and no other row of any table appears, changes or goes.
#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_seeds.h"
#include "platform/headless/headless_platform.h"
#include "settings_lines.h"
#include "store/preset_database.h"

namespace horalix::fuzz {

// One value a line: preset name, document name, search text, remark, duration, a number.
std::vector<std::string> seeds() {
  return {
      "Keynote\ntalk.pptx\nKey\nfirst\n0:02:30\n60",
      "O'Brien\nit's.pptx\n'\nx' OR '1'='1\n0:00:05\n5",
      "'; DELETE FROM clocksetting; --\na.pptx\n%\n\"\n1:00:00\n-1",
      "手动计时\n发言稿.pptx\n_\n您的发言\n23:59:59\n2147483647",
      "KEYNOTE\nTALK.PPTX\n%%\n\n0:0:0\n99999999999",
      "\xff\xfe\nbad utf-8 \xc3\n\xc3\nremark\nnot a time\nnot a number",
      std::string(300, 'n') + "\n" + std::string(300, 'f') + "\n" + std::string(300, '%'),
  };
}

namespace {

struct Store {
  // The shipped schema, with one preset, one link and one run record that must stay as they are.
  Store() {
    std::ifstream in(HORALIX_SOURCE_DIR "/package/OfficeData.sql", std::ios::binary);
    std::ostringstream sql;
    sql << in.rdbuf()
        << "INSERT INTO clocksetting (ID, clockname) VALUES (1, 'Standing');"
           "INSERT INTO file_list (ID, fliename, clockname) VALUES (1, 'standing.pptx', "
           "'Standing');"
           "INSERT INTO timesum (set_time, filename) VALUES ('00:01:00', 'standing.pptx');";
    const std::string real = headless.files().realPath(folder() + "\\OfficeData.db");
    sqlite3* db = nullptr;
    sqlite3_open_v2(real.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (sqlite3_exec(db, sql.str().c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
      finding("the shipped schema does not run");
    sqlite3_close(db);
  }
  std::string folder() { return headless.files().programFolder(); }

  platform::HeadlessPlatform headless;
  PresetDatabase data{headless.platform().database, headless.files(),
                      headless.platform().messageBoxes, folder(), "731QT908"};
};

std::vector<std::string> fields(std::string text) {
  for (char& c : text) {
    if (c == '\0') c = ' ';  // no text the program stores holds a NUL
  }
  return fieldLines(text, 6);
}

std::string everything(PresetDatabase& data) {
  std::string all;
  for (const DbRows& rows :
       {data.presetList(Access::Direct), data.linkList(Access::Direct), data.runRecords()}) {
    if (!rows.ok()) finding("a list could not be read");
    for (const auto& row : rows.table.rows) {
      for (const auto& value : row) all += fieldText(value) + "|";
      all += "\n";
    }
  }
  return all;
}

}  // namespace

}  // namespace horalix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace horalix;
  using namespace horalix::fuzz;
  static Store store;
  PresetDatabase& db = store.data;
  const auto f = fields(std::string(reinterpret_cast<const char*>(data), size));
  const std::string& name = f[0];
  const std::string& document = f[1];
  const std::string before = everything(db);

  if (!db.searchPresets(f[2]).ok() || !db.searchLinks(f[2]).ok()) finding("a search failed");
  (void)db.menuPreset(f[2]);
  (void)db.presetForDocument(f[2]);
  (void)db.findClockFile(f[2]);

  if (name.empty() || !db.isClockNameFree(name)) return 0;
  PresetRecord preset;
  preset.ID = "99";
  preset.clockname = name;
  preset.remark = f[3];
  preset.timeall = f[4];
  preset.tiemone = preset.timetwo = preset.tiemthree = f[5];
  preset.checkvalue = f[3];
  preset.tellprocesstext = f[2];
  if (db.addPreset(preset) == DbOutcome::Done) {
    const DbRows rows = db.presetToApply(name);
    if (!rows.ok() || rows.table.rows.size() != 1) finding("the added preset is not one row");
    if (fieldText(rows.table.rows[0].at(1)) != name) finding("the name did not come back");
    if (fieldText(rows.table.rows[0].at(3)) != f[3]) finding("the remark did not come back");
    if (db.isClockNameFree(name)) finding("the added preset's name is free");
    if (db.deletePreset(name) != DbOutcome::Done) finding("the preset could not be deleted");
    if (!db.isClockNameFree(name)) finding("the deleted preset's name is taken");
  }
  if (!document.empty() && db.isFileNameFree(document) &&
      db.addLink({"99", document, name, f[3]}) == DbOutcome::Done) {
    if (db.isFileNameFree(document)) finding("the linked document is free");
    if (db.deleteLink(document) != DbOutcome::Done || !db.isFileNameFree(document))
      finding("the link did not go");
  }
  if (db.addRunRecord({f[4], f[5], f[3], f[2], document}) == DbOutcome::Done) {
    const DbRows runs = db.runRecords();
    if (!runs.ok() || runs.table.rows.empty()) finding("the run record is not listed");
    const auto& last = runs.table.rows.back();
    if (fieldText(last.back()) != document) finding("the run's document did not come back");
    if (db.deleteRunRecord(std::get<std::int64_t>(last.front())) != DbOutcome::Done)
      finding("the run record could not be deleted");
  }
  if (everything(db) != before) finding("rows other than the added ones changed");
  return 0;
}
