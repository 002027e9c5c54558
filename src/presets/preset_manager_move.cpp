// Moving a row of the preset manager's active list one place up or down, and the order store
// that both moves and deletes end with.
#include "presets/preset_manager.h"
#include "presets/presets_needs.h"
#include "store/store.h"

namespace horalix {

void PresetManager::Cmd_up_Click() { moveRow(true); }
void PresetManager::Cmd_down_Click() { moveRow(false); }

void PresetManager::moveRow(bool up) {
  ManagerList* list = activeList();
  if (list == nullptr) {
    notice("请先选中要移动的数据行", 800);
    return;
  }
  const bool isPresets = list == &presetRows;
  const char* emptyNotice = (isPresets || !up) ? "没有录入时钟名称" : "没有录入特殊文件名称";
  if (list->count() == 0) {
    notice(emptyNotice, 800);
    return;
  }
  if (list->selectedRows().size() > 1) {
    notice("上下移动请只选中一行数据", 1500);
    return;
  }
  const int c = list->control().ListIndex();
  if (c == -1) {
    notice(emptyNotice, 800);
    return;
  }
  if (up && c == 0) {
    notice("已经是第一行了", 800);
    list->control().SetFocus();
    return;
  }
  if (!up && c == list->count() - 1) {
    notice("已经是最后一行了", 800);
    list->control().SetFocus();
    return;
  }

  // The moved row and its neighbour change places; the numbers they show come from the store.
  const int to = up ? c - 1 : c + 1;
  std::vector<ListRow> rows = list->rows();
  std::swap(rows[static_cast<std::size_t>(c)], rows[static_cast<std::size_t>(to)]);
  list->show(std::move(rows));
  list->selectOnly(to);
  list->control().SetFocus();
  if (storeOrder(*list, false)) {
    list->selectOnly(to);
    if (isPresets) rebuildPresetsMenu();
  }
  currentRow_ = list->control().ListIndex();
}

// The numbers shown become the IDs the store gave; a failed store leaves the table as it was,
// and the lists are read again so that they show it.
bool PresetManager::storeOrder(ManagerList& list, bool afterDelete) {
  PresetDatabase data = database();
  const DbNotice onFailure = afterDelete ? DbNotice::DeleteFailed : DbNotice::LinksNotSaved;
  const StoredOrder stored = &list == &presetRows ? data.storePresetOrder(list.keys(), onFailure)
                                                  : data.storeLinkOrder(list.keys(), onFailure);
  if (stored.outcome == DbOutcome::FileMissing) return false;
  if (!stored.ok()) {
    if (needs_.platform.log) needs_.platform.log("preset manager, order: " + data.lastError());
    reloadAfterFailure();
    return false;
  }
  std::vector<ListRow> rows = list.rows();
  for (std::size_t i = 0; i < rows.size() && i < stored.ids.size(); ++i) {
    rows[i].number = stored.ids[i];
  }
  const int current = list.control().ListIndex();
  list.show(std::move(rows));
  if (current >= 0 && current < list.count()) list.selectOnly(current);
  return true;
}

// After a failed store: the search results again while a search is shown, else both lists.
// The store's failure has been told; a read that fails too (the file is locked or damaged)
// adds no second message.
void PresetManager::reloadAfterFailure() {
  if (Check1.Value() == 1 && !Text4.Text().empty()) {
    runSearch();
    return;
  }
  PresetDatabase data = database();
  if (reloadPresets(data, false) && reloadLinks(data, false)) {
    Text2[0].setText(std::to_string(linkRows.count() + 1));
  }
}

}  // namespace horalix
