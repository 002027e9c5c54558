#include "services/run_cells.h"

#include <string>

#include "services/text_runtime.h"

namespace horalix {

namespace {

int numberIn(const platform::Control& cell) { return static_cast<int>(Val(cell.Caption())); }

template <class Enum>
std::string textOf(Enum value) {
  return std::to_string(static_cast<int>(value));
}

}  // namespace

AlarmStage readAlarmStage(const platform::Control& cell) {
  return static_cast<AlarmStage>(numberIn(cell));
}

bool isAlarmStage(const platform::Control& cell, AlarmStage stage) {
  return cell.Caption() == textOf(stage);
}

void writeAlarmStage(platform::Control& cell, AlarmStage stage) { cell.setCaption(textOf(stage)); }

AlarmStage alarmStageOf(int alarm) { return static_cast<AlarmStage>(alarm); }

}  // namespace horalix
