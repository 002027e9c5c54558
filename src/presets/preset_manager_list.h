// A list of the preset manager: each row keeps the record's key (its name in the table) and its
// columns beside the text shown, so that a row is never read back by cutting its text (a name
// with a run of blanks or a tab in it stays whole).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/database.h"
#include "platform/forms.h"

namespace horalix {

struct ListRow {
  std::int64_t number = 0;  // the position, or the record's ID
  std::string name;         // the preset name (in both lists)
  std::string second;       // the date, or the document name
  std::string third;        // the remark
  // The record's name in its table: the preset name, or the document name of a link.
  std::string key;
};

// The text of a row: the number with at least three digits ("007", "1000"), the gap, the name,
// a TAB, the second column, a TAB, the third. A control character in a shown column would break
// the columns: each is shown up to its first line feed, tab, NUL or carriage return.
std::string rowText(const ListRow& row, const std::string& gap);

// The row of a preset record read as ID, clockname, setdate, remark, and of a link record read
// with all its columns; numbered with the record's ID, the date shown as "yyyy-mm-dd".
ListRow presetListRow(const std::vector<platform::DbValue>& record);
ListRow linkListRow(const std::vector<platform::DbValue>& record);

// The tab stops of both lists (dialog units) for a screen resolution; {0, 0} outside 80-150.
std::vector<int> tabStopsFor(int dotsPerInch);

// Dots per inch for a horizontal twips-per-pixel value: 96 at 15, 120 at 12, 144 at 10.
int dotsPerInchOf(int twipsPerPixel);

class ManagerList {
 public:
  ManagerList(platform::Control& list, const std::string& gap) : list_(list), gap_(gap) {}

  platform::Control& control() const { return list_; }
  const std::vector<ListRow>& rows() const { return rows_; }
  int count() const { return static_cast<int>(rows_.size()); }
  const ListRow& row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }

  // Shows these rows (numbered as they are) in place of the list's rows.
  void show(std::vector<ListRow> rows);
  void add(ListRow row);
  void clear() { show({}); }
  // Numbers the rows 1, 2, 3 ... in list order.
  void numberByPosition();

  // Selects only this row and makes it the current row; -1 selects nothing.
  void selectOnly(int index);
  std::vector<int> selectedRows() const;
  // The keys of all rows, in list order.
  std::vector<std::string> keys() const;

 private:
  platform::Control& list_;
  const std::string& gap_;
  std::vector<ListRow> rows_;
};

}  // namespace horalix
