#include "settings/stage_checks.h"

#include <string>
#include <vector>

namespace horalix {

namespace {

constexpr const char* kAlarmNames[] = {"报警1", "报警2", "报警3"};

void refuse(platform::MessageBoxes& boxes, const std::string& text) {
  boxes.show(text, "Horalix", platform::mb::Ok);
}

}  // namespace

bool checkStageTimes(const SettingsFields& fields, platform::MessageBoxes& boxes,
                     const StageTimes& times, const StageWording& wording) {
  if (fields.Check2[1].Value() != 1) return true;
  // Equal alarms are refused whether or not their rows are ticked.
  for (int i = 0; i < 3; ++i) {
    for (int j = i + 1; j < 3; ++j) {
      if (times.alarms[static_cast<std::size_t>(i)] == times.alarms[static_cast<std::size_t>(j)]) {
        refuse(boxes,
               std::string(kAlarmNames[i]) + "和" + kAlarmNames[j] + std::string(wording.sameText));
        return false;
      }
    }
  }
  struct Stage {
    std::int32_t seconds;
    std::string name;
  };
  std::vector<Stage> stages{{times.duration, "计时时长"}};
  for (int i = 0; i < 3; ++i) {
    if (fields.Check2[i + 2].Value() == 1) {
      stages.push_back({times.alarms[static_cast<std::size_t>(i)], kAlarmNames[i]});
    }
  }
  bool accepted = true;
  for (std::size_t k = 0; k + 1 < stages.size(); ++k) {
    // Alarms count the seconds left, so each stage must come 10 seconds or more before the next.
    if (stages[k].seconds < stages[k + 1].seconds + 10) {
      const std::string breaks(wording.twoBreaks);
      refuse(boxes, stages[k].name + "要比" + breaks + stages[k + 1].name + breaks +
                        "多10秒以上，请修改后再保存");
      accepted = false;
    }
  }
  if (stages.size() >= 2 && stages.back().seconds < 3) {
    refuse(boxes, stages.back().name + "设定时长要在3秒以上，请修改再保存");
    accepted = false;
  }
  return accepted;
}

bool hotKeysDistinct(const SettingsFields& fields, platform::MessageBoxes& boxes) {
  for (int i = 1; i <= 6; ++i) {
    const std::string& key = fields.Text3[i].Text();
    for (int j = i + 1; j <= 6; ++j) {
      if (key != "无" && key == fields.Text3[j].Text()) {
        boxes.showTimed("系统热键设置不能相同", "Horalix", platform::mb::Ok, 800);
        return false;
      }
    }
  }
  return true;
}

}  // namespace horalix
