#include "main/run_state.h"

#include "main/main_window.h"
#include "services/format_picture.h"
#include "services/settings_block.h"

namespace horalix {

namespace {

// The set duration, nothing banked or paused, the start sound armed, no running totals and
// nothing shown; the document, when given, is kept with the record. Pending messages run after.
void clearRunRecord(RunState& run, platform::EventLoop& loop, const std::string& setTime,
                    const std::string* document) {
  run.resetRecord(setTime, document);
  loop.doEvents();
}

}  // namespace

void resetRunRecord(RunState& run, platform::EventLoop& loop, const SettingsBlock& settings) {
  clearRunRecord(run, loop, recordSetTime(settings), nullptr);
  run.record.bankedDownMs = 0;
}

void startRunRecord(RunState& run, platform::EventLoop& loop, const std::string& setTime,
                    const std::string& document) {
  clearRunRecord(run, loop, setTime, &document);
}

std::string recordSetTime(const SettingsBlock& settings) {
  return Format(settings.Time_all, "hh:mm:ss");
}

void setPaused(RunState& run, MainWindow& mainWindow, bool paused) {
  run.paused = paused;
  mainWindow.paintMenus();
}

}  // namespace horalix
