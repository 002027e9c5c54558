#include "main/run_state.h"

#include "main/main_window.h"
#include "services/context.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/text_runtime.h"

namespace horalix {

bool runBound(Context& context) { return Len(context.mainWindow().Label13(0).Caption()) > 3; }

bool runCounts(Context& context) {
  return runBound(context) && optionOn(context.settings.checkvalue, CheckFlag::TimedDuration);
}

namespace {

// The set duration, nothing banked or paused, the start sound armed, no running totals and
// nothing shown; the document, when given, is kept with the record. Pending messages run after.
void clearRunRecord(Context& context, const std::string* document) {
  MainWindow& main = context.mainWindow();
  main.Label4(0).setCaption(Format(context.settings.Time_all, "hh:mm:ss"));
  for (int i = 1; i <= 3; ++i) main.Label4(i).setCaption("0");
  if (document) main.Label4(4).setCaption(*document);
  context.run.startSoundArmed = true;
  for (int i = 1; i <= 4; ++i) main.Label5(i).setCaption("0");
  context.run.shownMillis = 0;
  context.platform.loop.doEvents();
}

}  // namespace

void resetRunRecord(Context& context) {
  clearRunRecord(context, nullptr);
  context.mainWindow().Label4(1).setCaption("0");
}

void startRunRecord(Context& context, const std::string& document) {
  clearRunRecord(context, &document);
}

bool captionStartsWith(const platform::MenuItem& item, const std::string& prefix) {
  return Left(item.Caption(), Len(prefix)) == prefix;
}

void setCaptionPrefix(platform::MenuItem& item, const std::string& prefix) {
  item.setCaption(prefix + Mid(item.Caption(), 3));
}

}  // namespace horalix
