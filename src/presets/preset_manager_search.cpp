// The preset manager's live search: while "查询" is ticked, the active list shows the records
// whose name contains the typed text, numbered by their IDs; switching it off shows both whole
// lists again. The text is bound as a value: quotes in it are plain characters, "%" and "_"
// stay wildcards.
#include "presets/preset_manager.h"
#include "presets/presets_needs.h"
#include "services/control_frame.h"
#include "store/store.h"

namespace horalix {

void PresetManager::Check1_Click() {
  platform::Control& text = Text4;
  platform::Control& shape = Shape4;
  FrameControl(shape, text);
  if (Check1.Value() == 1) {
    text.setVisible(true);
    return;
  }
  text.setText("");
  text.setVisible(false);
  shape.setVisible(false);
  // A failing read ends the reload with its one message.
  PresetDatabase data = database();
  if (!reloadPresets(data)) return;
  Text1[2].setText(today());
  reloadLinks(data);
}

void PresetManager::Text4_Change() {
  if (Check1.Value() != 1) return;
  if (active == ActiveList::None) {
    if (!Text4.Text().empty()) {
      needs_.platform.messageBoxes.show("请先选中【时钟名称/特殊计时】文件列表", "查询提示",
                                        platform::mb::Ok | platform::mb::Question);
    }
    Text4.setText("");
    return;
  }
  runSearch();
}

void PresetManager::runSearch() {
  PresetDatabase data = database();
  const std::string& text = Text4.Text();
  if (active == ActiveList::None) return;
  const bool presetsActive = active == ActiveList::Presets;
  const DbRows rows = presetsActive ? data.searchPresets(text) : data.searchLinks(text);
  if (!rows.ok()) return;  // the layer has told the user
  std::vector<ListRow> shown;
  for (const auto& r : rows.table.rows) {
    shown.push_back(presetsActive ? presetListRow(r) : linkListRow(r));
  }
  (presetsActive ? presetRows : linkRows).show(std::move(shown));
}

}  // namespace horalix
