// Every statement the program runs on OfficeData.db, kept in the words the program has always
// used, and the SQLite statement each becomes. The translation is made once, when the catalogue
// is first used: a value that the old texts placed between quotes becomes the bound parameter
// ?1, so that no value (a name such as O'Brien, or one that looks like SQL) can end its literal
// early and widen a statement beyond the row it names.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace horalix {

enum class Statement {
  PresetToApply,      // the preset manager's apply command
  PresetAddRow,       // the preset entry adds a row
  PresetNameTaken,    // is a preset name already used
  LinkAddRow,         // the link entry adds rows
  LinkNameTaken,      // is a document already linked
  PresetList,         // preset list fill and reload
  LinkList,           // link list fill and reload
  PresetSearch,       // live search of presets by name
  LinkSearch,         // live search of links by document name
  FirstLinkOfPreset,  // the delete guard: a document still using the preset
  DeletePreset,
  DeleteLink,
  PresetOrderRow,   // the order store finds a preset's row to write its ID
  LinkOrderRow,     // the same for a link
  MenuPresetNames,  // the presets menu
  MenuPreset,       // the preset chosen in the presets menu
  DocumentLink,     // per-document preset: the document's link
  DocumentPreset,   // per-document preset: the linked preset's row
  RunRecordAddRow,  // the run record appends a row
  RunRecordList,    // the statistics window's list
  DeleteRunRecord,  // the statistics window deletes a record by ID
};

// What a statement is run for.
enum class StatementUse {
  Read,         // rows by column position
  Delete,       // rows named by the value are deleted
  AddRow,       // the old texts opened a result set on the table to add a row by column names
  RowToUpdate,  // the old texts opened a keyset on the row whose ID is rewritten
};

struct CatalogueEntry {
  Statement statement;
  StatementUse use;
  // The text up to where the value goes and the text after it, blanks exactly as written;
  // a statement without a value has it all in `before`.
  std::string_view before;
  std::string_view after;
  bool takesValue;
};

std::span<const CatalogueEntry> statementCatalogue();
const CatalogueEntry& catalogueEntry(Statement statement);

// The statement as the program writes it, with "…" where the value goes.
std::string writtenForm(Statement statement);

// The SQLite statement, with the value (when there is one) bound as ?1. For AddRow, an insert
// binding the table's written columns as ?1..?n in column order; for RowToUpdate, the row's
// hidden identity (rowid) comes first, before the columns the old text selects.
const std::string& sqliteStatement(Statement statement);

// Translates one entry; sqliteStatement() caches its results.
std::string translateStatement(const CatalogueEntry& entry);

}  // namespace horalix
