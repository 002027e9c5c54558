#include "store/statement_catalogue.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

#include "store/office_data_tables.h"

namespace horalix {

namespace {

using S = Statement;
using U = StatementUse;

// The texts as the program has always written them, blanks included (doubled blanks and the
// trailing blank of the link result set and of the delete guard are part of the text).
constexpr std::array kCatalogue = {
    CatalogueEntry{S::PresetToApply, U::Read, "select * from clocksetting  where clockname='", "'",
                   true},
    CatalogueEntry{S::PresetAddRow, U::AddRow, "Select * from  clocksetting", "", false},
    CatalogueEntry{S::PresetNameTaken, U::Read,
                   "select clockname from clocksetting where clockname='", "'", true},
    CatalogueEntry{S::LinkAddRow, U::AddRow, "Select * from  file_list ", "", false},
    CatalogueEntry{S::LinkNameTaken, U::Read, "select fliename from file_list where fliename='",
                   "'", true},
    CatalogueEntry{S::PresetList, U::Read,
                   "select ID,clockname,setdate,remark from clocksetting order by ID ASC", "",
                   false},
    CatalogueEntry{S::LinkList, U::Read, "select * from file_list order by ID ASC", "", false},
    CatalogueEntry{S::PresetSearch, U::Read,
                   "select ID,clockname,setdate,remark from clocksetting  where clockname  like '%",
                   "%'  order by ID ASC", true},
    CatalogueEntry{S::LinkSearch, U::Read, "select * from file_list  where fliename  like '%",
                   "%'  order by ID ASC", true},
    CatalogueEntry{S::FirstLinkOfPreset, U::Read,
                   "select fliename from file_list where clockname = '", "' ", true},
    CatalogueEntry{S::DeletePreset, U::Delete, "delete * from clocksetting  where clockname='", "'",
                   true},
    CatalogueEntry{S::DeleteLink, U::Delete, "delete * from file_list  where fliename='", "'",
                   true},
    CatalogueEntry{S::PresetOrderRow, U::RowToUpdate,
                   "select ID from clocksetting where clockname='", "'", true},
    CatalogueEntry{S::LinkOrderRow, U::RowToUpdate, "select ID from file_list where fliename='",
                   "'", true},
    CatalogueEntry{S::MenuPresetNames, U::Read,
                   "select clockname   from clocksetting order by ID ASC", "", false},
    CatalogueEntry{S::MenuPreset, U::Read, "select * from clocksetting where clockname='",
                   "'  order by ID ASC", true},
    CatalogueEntry{S::DocumentLink, U::Read, "select * from file_list where fliename='",
                   "'  order by ID ASC", true},
    CatalogueEntry{S::DocumentPreset, U::Read,
                   "select clocksetting.* from clocksetting,file_list where "
                   "clocksetting.clockname=file_list.clockname and file_list.fliename='",
                   "'", true},
    CatalogueEntry{S::RunRecordAddRow, U::AddRow, "Select * from  timesum", "", false},
    CatalogueEntry{S::RunRecordList, U::Read, "select * from timesum order by ID ASC", "", false},
    CatalogueEntry{S::DeleteRunRecord, U::Delete, "delete * from timesum  where ID=", "", true},
};

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
           return lower(a) == lower(b);
         });
}

// The last word of "Select * from  <table> ": the table a result set was opened on.
std::string_view tableOfResultSet(std::string_view text) {
  auto end = text.find_last_not_of(' ');
  auto start = text.find_last_of(' ', end);
  return text.substr(start + 1, end - start);
}

std::string insertStatement(std::string_view table) {
  std::string columns, params;
  int n = 0;
  for (const ColumnSpec& column : tableColumns(table)) {
    if (column.kind == ColumnKind::Identity) continue;
    if (n++ > 0) {
      columns += ", ";
      params += ", ";
    }
    columns += column.name;
    params += '?';
    params += std::to_string(n);
  }
  if (n == 0) throw std::logic_error("no columns to add a row to " + std::string(table));
  return "insert into " + std::string(table) + " (" + columns + ") values (" + params + ")";
}

}  // namespace

std::span<const CatalogueEntry> statementCatalogue() { return kCatalogue; }

const CatalogueEntry& catalogueEntry(Statement statement) {
  for (const CatalogueEntry& entry : kCatalogue) {
    if (entry.statement == statement) return entry;
  }
  throw std::logic_error("statement missing from the catalogue");
}

std::string writtenForm(Statement statement) {
  const CatalogueEntry& entry = catalogueEntry(statement);
  std::string text(entry.before);
  if (entry.takesValue) text += "…";
  text += entry.after;
  return text;
}

std::string translateStatement(const CatalogueEntry& entry) {
  if (entry.use == U::AddRow) return insertStatement(tableOfResultSet(entry.before));

  std::string before(entry.before);
  std::string after(entry.after);
  // "delete * from" is the old engine's dialect; SQLite names no columns in a delete.
  if (entry.use == U::Delete && startsWithNoCase(before, "delete * from")) {
    before = "delete from" + before.substr(std::string_view("delete * from").size());
  }
  // The row's hidden identity comes first, so that the row found is the row rewritten.
  if (entry.use == U::RowToUpdate && startsWithNoCase(before, "select ")) {
    before = "select rowid, " + before.substr(std::string_view("select ").size());
  }
  if (!entry.takesValue) return before + after;

  // The value stood inside a string literal: the literal becomes the parameter. A search
  // literal '%…%' keeps its wildcards around the bound text, whose own "%" and "_" stay
  // wildcards of LIKE, as they always were.
  auto endsWith = [](const std::string& s, std::string_view tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
  };
  if (endsWith(before, "'%") && after.starts_with("%'")) {
    return before.substr(0, before.size() - 2) + "'%' || ?1 || '%'" + after.substr(2);
  }
  if (endsWith(before, "'") && after.starts_with("'")) {
    return before.substr(0, before.size() - 1) + "?1" + after.substr(1);
  }
  return before + "?1" + after;
}

const std::string& sqliteStatement(Statement statement) {
  static const std::vector<std::string> translated = [] {
    std::vector<std::string> texts;
    for (const CatalogueEntry& entry : kCatalogue) texts.push_back(translateStatement(entry));
    return texts;
  }();
  for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
    if (kCatalogue[i].statement == statement) return translated[i];
  }
  throw std::logic_error("statement missing from the catalogue");
}

}  // namespace horalix
