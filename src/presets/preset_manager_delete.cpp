// Deleting rows of the preset manager's active list. A preset that a document link still uses
// stays; after the deletes the table is numbered 1..n again and the list shows the new IDs.
#include <algorithm>

#include "presets/preset_manager.h"
#include "presets/presets_needs.h"
#include "services/text_helpers.h"
#include "store/store.h"

namespace horalix {

void PresetManager::Cmd_del_Click() {
  PresetDatabase data = database();
  if (!data.fileExists()) return;
  ManagerList* list = activeList();
  if (list == nullptr) {
    notice("请鼠标选中待删除行\r\r同时按下shift按钮可连续多选\r\r同时按下Ctrl按钮可间隔多选", 5000);
    return;
  }
  const bool isPresets = list == &presetRows;
  if (list->count() == 0) {
    notice(isPresets ? "没有记录可删除" : "没有特殊计时文件待删除", 800);
    return;
  }
  const std::vector<int> selected = list->selectedRows();
  const int lastsel = selected.empty() ? -1 : selected.back();
  if (needs_.platform.messageBoxes.show("确定删除数据吗？", "提示",
                                        platform::mb::YesNo | platform::mb::Question) !=
      platform::answer::Yes) {
    list->control().SetFocus();
    return;
  }

  std::vector<ListRow> rows = list->rows();
  int deleted = 0;
  bool failed = false;
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
    const ListRow& row = rows[static_cast<std::size_t>(*it)];
    if (isPresets) {
      const std::optional<std::string> file = data.findClockFile(row.key);
      if (!file) {
        // Links that cannot be read might use the preset: nothing more is deleted.
        showNotice(needs_.platform.messageBoxes, DbNotice::DeleteFailed);
        failed = true;
        break;
      }
      if (!file->empty()) {
        const std::string name = CutAtControlChar(std::string_view(row.key));
        notice("时钟名称【" + name + "】已被特殊计时文件【" + *file + "】调用\r\r" +
                   "删除对应特殊计时文件后才能删除【" + name + "】",
               5000);
        continue;
      }
    }
    const DbOutcome done = isPresets ? data.deletePreset(row.key) : data.deleteLink(row.key);
    if (done != DbOutcome::Done) {
      failed = true;  // the layer has told the user
      break;
    }
    rows.erase(rows.begin() + *it);
    ++deleted;
  }
  list->show(std::move(rows));
  if (failed) {
    // The command ends with its one notice: the rows deleted until then are gone from the
    // table, the list and the presets menu, and the others keep their IDs; no order store
    // follows on a file that has just failed.
    if (isPresets && deleted > 0) rebuildPresetsMenu();
    return;
  }
  storeOrder(*list, true);
  if (isPresets) rebuildPresetsMenu();

  const int t = lastsel - deleted;
  if (list->count() > 0) list->selectOnly(t < 1 ? 0 : std::min(t, list->count() - 1));
  (isPresets ? Text1 : Text2)[0].setText(std::to_string(list->count() + 1));
  list->control().SetFocus();
}

}  // namespace horalix
