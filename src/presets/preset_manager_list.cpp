#include "presets/preset_manager_list.h"

#include <cmath>

#include "services/format_picture.h"
#include "services/text_helpers.h"
#include "store/store.h"

namespace horalix {

std::string rowText(const ListRow& row, const std::string& gap) {
  return Format(static_cast<double>(row.number), "000") + gap + CutAtControlChar(row.name) + "\t" +
         CutAtControlChar(row.second) + "\t" + CutAtControlChar(row.third);
}

namespace {
std::int64_t idOf(const platform::DbValue& value) {
  return static_cast<std::int64_t>(std::atoll(fieldText(value).c_str()));
}
}  // namespace

ListRow presetListRow(const std::vector<platform::DbValue>& record) {
  const std::string name = fieldText(record.at(1));
  return {idOf(record.at(0)), name, Format(fieldText(record.at(2)), "yyyy-mm-dd"),
          fieldText(record.at(3)), name};
}

ListRow linkListRow(const std::vector<platform::DbValue>& record) {
  const std::string file = fieldText(record.at(kFliename));
  return {idOf(record.at(kLinkId)), fieldText(record.at(kLinkClockname)), file,
          fieldText(record.at(kLinkRemark)), file};
}

std::vector<int> tabStopsFor(int dotsPerInch) {
  if (dotsPerInch >= 80 && dotsPerInch <= 100) return {122, 230};
  if (dotsPerInch >= 101 && dotsPerInch <= 130) return {117, 216};
  if (dotsPerInch >= 131 && dotsPerInch <= 150) return {122, 230};
  return {0, 0};
}

int dotsPerInchOf(int twipsPerPixel) {
  if (twipsPerPixel <= 0) return 0;
  return static_cast<int>(std::lround(1440.0 / twipsPerPixel));
}

void ManagerList::show(std::vector<ListRow> rows) {
  rows_ = std::move(rows);
  list_.clear();
  for (const ListRow& row : rows_) list_.addItem(rowText(row, gap_));
}

void ManagerList::add(ListRow row) {
  rows_.push_back(std::move(row));
  list_.addItem(rowText(rows_.back(), gap_));
}

void ManagerList::numberByPosition() {
  std::vector<ListRow> rows = rows_;
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].number = static_cast<std::int64_t>(i) + 1;
  show(std::move(rows));
}

void ManagerList::selectOnly(int index) {
  for (int i = 0; i < count(); ++i) list_.setSelected(i, i == index);
  list_.setListIndex(index);
}

std::vector<int> ManagerList::selectedRows() const {
  std::vector<int> selected;
  for (int i = 0; i < count(); ++i) {
    if (list_.Selected(i)) selected.push_back(i);
  }
  return selected;
}

std::vector<std::string> ManagerList::keys() const {
  std::vector<std::string> keys;
  for (const ListRow& row : rows_) keys.push_back(row.key);
  return keys;
}

}  // namespace horalix
