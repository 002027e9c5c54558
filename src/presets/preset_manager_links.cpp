// The link page of the preset manager: documents are picked with the file dialog, bound to the
// preset double-clicked in the preset list and stored as rows of file_list.
#include "presets/preset_manager.h"
#include "presets/presets_needs.h"
#include "services/file_dialog.h"
#include "services/file_names.h"
#include "services/startup_check.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"
#include "store/store.h"

namespace horalix {

void PresetManager::Command8_Click(int index) {
  if (index != 0) return;
  platform::Control& names = Text2[1];
  names.setText("");
  const std::string chosen =
      FileDialog(needs_.platform, false, "导入文件名称", "所有文件(*.*)|*.*", "", "", "", true);
  if (chosen.empty()) {
    needs_.platform.messageBoxes.show("没有选择文件。", kProgramTitle, platform::mb::Question);
    names.setLocked(false);
    return;
  }
  if (chosen.find('\0') == std::string::npos) {
    const std::string bare = chosen.substr(chosen.find_last_of('\\') + 1);
    // The old program refused a choice whose bare name is "lnk"; kept as it was.
    if (bare == "lnk" || !IsOfficeFile(bare)) return;
    names.setText(bare);
  } else {
    std::string joined;
    const std::vector<std::string> parts = Split(chosen, std::string(1, '\0'));
    for (std::size_t i = 1; i < parts.size(); ++i) {
      if (parts[i].empty() || !IsOfficeFile(parts[i])) continue;
      joined += (joined.empty() ? "" : "\\") + parts[i];
    }
    names.setText(joined);
    names.setLocked(true);
  }
  needs_.platform.loop.doEvents();
}

void PresetManager::Command1_Click(int index) {
  if (index != 0) return;
  if (Text2[1].Text().empty()) {
    notice("没有选择文件名称，请选择", 1500);
    return;
  }
  if (Text2[2].Text().empty()) {
    notice("没有选择时钟名称，请选择", 1500);
    return;
  }
  savetodatabase(Text2[1].Text(), Text2[2].Text());
  Text2[0].setText(std::to_string(linkRows.count() + 1));
  for (int i : {1, 2, 3}) Text2[i].setText("");
}

// Rows written before a failure stay, with their list rows.
void PresetManager::savetodatabase(const std::string& filename, const std::string& clockname) {
  PresetDatabase data = database();
  if (!data.fileExists()) return;
  platform::Control& number = Text2[0];
  const std::string remark = Text2[3].Text();
  for (const std::string& name : Split(filename, "\\")) {
    if (TextWidthUnits(name) > 20) notice("建议文件名控制在20个字符以内", 1500);
    if (TextWidthUnits(clockname) > 10) notice("建议时钟名称控制在10个字符以内", 1500);
    if (!IsFileNameFree(name)) {
      notice("文件【" + name + "】已录入", 3000, "提示");
      continue;
    }
    if (data.addLink({number.Text(), name, clockname, remark}) != DbOutcome::Done) {
      return;  // the layer has told the user
    }
    const auto id = static_cast<std::int64_t>(Val(number.Text()));
    linkRows.add({id, clockname, name, remark, name});
    number.setText(std::to_string(id + 1));
  }
}

bool PresetManager::IsClockNameFree(const std::string& clockname) {
  return database().isClockNameFree(clockname);
}

bool PresetManager::IsFileNameFree(const std::string& fliename) {
  return database().isFileNameFree(fliename);
}

}  // namespace horalix
