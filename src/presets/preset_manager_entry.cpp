// Entering a preset and applying one. The settings window is the editing buffer: it turns its
// controls into the settings columns of a row (presetFromSettings) and takes a stored row back
// (applyPresetRow); the preset manager adds the number, name, date and remark, stores the row
// and keeps its list and the presets menu in step.
#include "presets/preset_manager.h"
#include "presets/presets_needs.h"
#include "services/format_picture.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"
#include "store/store.h"

namespace horalix {

void PresetManager::Cmd_save_Click() {
  if (!database().fileExists()) return;
  platform::Control& name = Text1[1];
  if (name.Text().empty()) {
    notice("没有填写名称，请添加", 800);
    name.SetFocus();
    return;
  }
  if (TextWidthUnits(name.Text()) > 10) notice("建议时钟名称控制在10个字符以内", 1200);
  if (!IsClockNameFree(name.Text())) {
    if (!Text1[2].Text().empty()) {
      notice(name.Text() + "名称已录入，请保证名称是唯一的", 800);
    }
    name.SetFocus();
    return;
  }
  if (!presetFromSettings) return;
  std::optional<PresetRecord> record = presetFromSettings();
  if (record) savePreset(std::move(*record));
}

bool PresetManager::savePreset(PresetRecord record) {
  record.ID = Text1[0].Text();
  record.clockname = Text1[1].Text();
  record.setdate = Text1[2].Text();
  record.remark = Text1[3].Text();
  if (database().addPreset(record) != DbOutcome::Done) return false;
  presetRows.add({static_cast<std::int64_t>(Val(record.ID)), record.clockname,
                  Format(record.setdate, "yyyy-mm-dd"), record.remark, record.clockname});
  Text1[0].setText(std::to_string(presetRows.count() + 1));
  Text1[1].setText("");
  Text1[3].setText("");
  rebuildPresetsMenu();
  Text1[1].SetFocus();
  return true;
}

// With the link page shown, a preset chosen here becomes the link's preset; otherwise its
// stored row goes to the settings window.
void PresetManager::Cmd_load_Click() {
  PresetDatabase data = database();
  if (!data.fileExists()) return;
  if (presetRows.count() == 0) {
    notice("没有待加载的时钟名称", 800);
    return;
  }
  const int current = List1.ListIndex();
  if (current < 0) {
    notice("请选择待加载时钟名称", 800);
    return;
  }
  const std::string name = presetRows.row(current).key;
  const DbRows rows = data.presetToApply(name);
  if (Picture1[2].Visible()) {
    Text2[2].setText(name);
    List1.SetFocus();
    return;
  }
  const std::optional<std::vector<platform::DbValue>> row = data.wholePresetRow(rows);
  if (!row) return;
  if (applyPresetRow) applyPresetRow(*row);
  List1.SetFocus();
}

}  // namespace horalix
