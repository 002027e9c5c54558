#include "main/run_state.h"

#include "main/main_needs.h"
#include "main/main_window.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

// The set duration, nothing banked or paused, the start sound armed, no running totals and
// nothing shown; the document, when given, is kept with the record. Pending messages run after.
void clearRunRecord(MainNeeds& needs, const std::string& setTime, const std::string* document) {
  needs.run.resetRecord(setTime, document);
  needs.platform.loop.doEvents();
}

}  // namespace

void resetRunRecord(MainNeeds& needs) {
  clearRunRecord(needs, recordSetTime(needs.settings), nullptr);
  needs.run.record.bankedDownMs = 0;
}

void startRunRecord(MainNeeds& needs, const std::string& setTime, const std::string& document) {
  clearRunRecord(needs, setTime, &document);
}

std::string recordSetTime(const SettingsBlock& settings) {
  return Format(settings.Time_all, "hh:mm:ss");
}

void setPaused(MainNeeds& needs, bool paused) {
  needs.run.paused = paused;
  needs.mainWindow.paintMenus();
}

}  // namespace horalix
