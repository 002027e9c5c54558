#include "main/run_state.h"

#include "main/main_window.h"
#include "services/context.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

// The set duration, nothing banked or paused, the start sound armed, no running totals and
// nothing shown; the document, when given, is kept with the record. Pending messages run after.
void clearRunRecord(Context& context, const std::string* document) {
  context.run.resetRecord(Format(context.settings.Time_all, "hh:mm:ss"), document);
  context.platform.loop.doEvents();
}

}  // namespace

void resetRunRecord(Context& context) {
  clearRunRecord(context, nullptr);
  context.run.record.bankedDownMs = 0;
}

void startRunRecord(Context& context, const std::string& document) {
  clearRunRecord(context, &document);
}

void setCaptionPrefix(platform::MenuItem& item, const std::string& prefix) {
  item.setCaption(prefix + Mid(item.Caption(), 3));
}

void setPaused(Context& context, bool paused) {
  context.run.paused = paused;
  context.mainWindow().showRunPaused(paused);
}

}  // namespace horalix
