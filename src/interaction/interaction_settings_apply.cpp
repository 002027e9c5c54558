// "应用" of the interaction settings window: the order check, then each preset stored, read back
// and only then shown in the interaction menu.
#include <cmath>
#include <vector>

#include "interaction/interaction_needs.h"
#include "interaction/interaction_settings_window.h"
#include "services/attempt.h"
#include "services/ports.h"
#include "services/program_folder.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

constexpr const char* kPresetNames[] = {"互动一", "互动二", "互动三", "互动四", "互动五"};

long long wholeNumber(const platform::Control& box) {
  return static_cast<long long>(std::fabs(Fix(Val(box.Text()))));
}

}  // namespace

void InteractionSettingsWindow::Cmd_OK_Click() {
  struct Row {
    std::string sname;
    long long seconds = 0;
  };
  std::vector<Row> rows(kPresets);
  for (int k = 0; k < kPresets; ++k) {
    const long long m = wholeNumber(rowText(k, RowField::Minutes));
    const long long s = wholeNumber(rowText(k, RowField::Seconds));
    rows[k] = {interactionDurationText(static_cast<double>(m), static_cast<double>(s)), m * 60 + s};
  }

  // The presets in use must each last longer than the one in use before them.
  const std::string cr(1, '\r');
  bool refused = false;
  int before = -1;
  for (int k = 0; k < kPresets; ++k) {
    if (rowBox(k, InteractionFlag::InUse).Value() != 1) continue;
    if (before >= 0 && rows[k].seconds <= rows[before].seconds) {
      needs_.platform.messageBoxes.show(std::string(kPresetNames[before]) + "设定时长" + cr + cr +
                                            "要比" + kPresetNames[k] + "时长" + cr + cr +
                                            "短，请修改再保存",
                                        "Horalix", platform::mb::Ok);
      refused = true;
    }
    before = k;
  }
  if (refused) return;

  std::string face = Combo1.Text();
  if (face == "LCD数码") face = "DS-Digital";
  const std::string fontselect =
      makeInteractionFontselect(face, Combo2.Text(), Combo3.ListIndex(), Check1[1].BackColor());
  const PresetFile file{needs_.platform.files, iniPath(needs_.platform)};
  for (int k = 0; k < kPresets; ++k) {
    std::string checkvalue(kInteractionFlagCount, '0');
    for (int flag = 1; flag <= kInteractionFlagCount; ++flag) {
      if (rowBox(k, static_cast<InteractionFlag>(flag)).Value() == 1) checkvalue[flag - 1] = '1';
    }
    const auto number = static_cast<std::int16_t>(k + 1);
    const auto Ttime =
        static_cast<std::int16_t>(wholeNumber(rowText(k, RowField::ReminderSeconds)));
    const std::string soundname = rowText(k, RowField::Sound).Text();
    SaveHudongSet(file, number, rows[k].sname, checkvalue, Ttime, fontselect, soundname);
    // The menu shows a preset only once the file is known to hold it.
    if (!ReadHudongSet(file, number, rows[k].sname, checkvalue, Ttime, fontselect, soundname)) {
      needs_.platform.messageBoxes.show("账户权限限制，仅能调用，设置需管理员权限", "Horalix",
                                        platform::mb::Question | platform::mb::Ok);
      break;
    }
    attempt(needs_.platform.log, "Frm_hudong_set apply", [&] {
      needs_.interactionMenu.showPreset(k, interactionFlagOn(checkvalue, InteractionFlag::InUse),
                                        TimeToMinSec(rows[k].sname));
    });
  }
  Unload();
}

}  // namespace horalix
