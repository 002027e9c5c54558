// The end watch of an automatic run: while a run is bound to a document it looks, in the same
// two ways as the document watch, whether that document is still open, and ends the run when it
// is gone.
#include <algorithm>
#include <string>

#include "clock/clock.h"
#include "main/end_of_run.h"
#include "main/main_window.h"
#include "main/timing_control.h"
#include "main/watched_documents.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/setting_readers.h"
#include "services/settings_record.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

bool listHolds(const FileList& list, const std::string& name) {
  return list && std::find(list->begin(), list->end(), name) != list->end();
}

// Whether the document the run is bound to is still open. Only the kind of the run counts,
// and only while that kind is enabled. A binding too short to name a document is never found:
// on the add-in's road it would equal a deleted value, and the watch would wait for ever.
bool boundDocumentOpen(const DocumentSight& sight, const std::string& aiMode, int kindNumber,
                       const std::string& bound) {
  if (kindNumber < 1 || kindNumber > 6 || Len(bound) < 4) return false;
  const auto kind = static_cast<DocumentKind>(kindNumber);
  if (!kindEnabled(aiMode, kind)) return false;
  if (sight.reportedByAddin(kind)) return sight.reportedOf(kind) == bound;
  return listHolds(sight.titledOf(kind), bound);
}

}  // namespace

void MainWindow::Timer5_Timer() {
  if (!ReadAImode(context_.platform, context_.settings)) {
    // Automatic timing was switched off: the watch goes back, a counting run goes on.
    Timer4.setEnabled(true);
    Timer5.setEnabled(false);
    return;
  }
  const DocumentSight sight =
      lookForDocuments(context_, readClockOpen(context_), context_.settings.AImode);
  const int kind = static_cast<int>(context_.run.documentKind);
  if (boundDocumentOpen(sight, context_.settings.AImode, kind, context_.run.binding.bound)) return;

  const char* where = "end watch";
  // A paused run is resumed first, so that its pause is recorded.
  if (context_.run.paused) attempt(context_.platform.log, where, [&] { PauseResume(context_); });
  context_.run.binding.bound.clear();
  context_.run.binding.lastPerKind.fill("");
  Timer4.setEnabled(true);
  Timer5.setEnabled(false);
  attempt(context_.platform.log, where,
          [&] { LoadSettings(context_.platform, context_.settings); });
  attempt(context_.platform.log, where, [&] {
    const std::vector<std::string> parts = Split(context_.settings.picturename, "\\");
    if (parts.empty() || parts[0].empty()) context_.floatingClock().dropBackPicture();
  });
  attempt(context_.platform.log, where, [&] { RestoreClocks(context_); });
  attempt(context_.platform.log, where, [&] { EndTiming(context_); });
}

}  // namespace horalix
