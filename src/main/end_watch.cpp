// The end watch of an automatic run: while a run is bound to a document it looks, in the same
// two ways as the document watch, whether that document is still open, and ends the run when it
// is gone.
#include <algorithm>
#include <string>

#include "clock/clock.h"
#include "main/main.h"
#include "main/main_window.h"
#include "main/timing_control.h"
#include "main/watched_documents.h"
#include "services/attempt.h"
#include "services/setting_readers.h"
#include "services/settings_record.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

bool listHolds(const FileList& list, const std::string& name) {
  return list && std::find(list->begin(), list->end(), name) != list->end();
}

// Whether the document the run is bound to is still open. Only the kind of the run counts,
// and only while that kind is enabled. A run bound to nothing is never found: on the add-in's
// road its empty name would equal a deleted value, and the watch would wait for ever.
bool boundDocumentOpen(const DocumentSight& sight, const std::string& aiMode, const RunState& run) {
  const DocumentKind kind = run.binding.documentKind;
  if (kind == DocumentKind::None || !runBound(run) || !kindEnabled(aiMode, kind)) return false;
  const std::string bound = run.binding.text();
  if (sight.reportedByAddin(kind)) return sight.reportedOf(kind) == bound;
  return listHolds(sight.titledOf(kind), bound);
}

}  // namespace

void MainWindow::Timer5_Timer() {
  if (!ReadAImode(needs_.platform, needs_.settings)) {
    // Automatic timing was switched off: the watch goes back, a counting run goes on.
    Timer4.setEnabled(true);
    Timer5.setEnabled(false);
    return;
  }
  const DocumentSight sight =
      lookForDocuments(needs_.platform, readClockOpen(needs_.platform), needs_.settings.AImode);
  if (boundDocumentOpen(sight, needs_.settings.AImode, needs_.run)) return;

  const char* where = "end watch";
  // A paused run is resumed first, so that its pause is recorded.
  if (needs_.run.paused) attempt(needs_.platform.log, where, [&] { PauseResume(needs_); });
  needs_.run.binding.unbind();
  needs_.run.binding.lastPerKind.fill("");
  Timer4.setEnabled(true);
  Timer5.setEnabled(false);
  attempt(needs_.platform.log, where, [&] { LoadSettings(needs_.platform, needs_.settings); });
  attempt(needs_.platform.log, where, [&] {
    const std::vector<std::string> parts = Split(needs_.settings.picturename, "\\");
    if (parts.empty() || parts[0].empty()) needs_.floatingClock.dropBackPicture();
  });
  attempt(needs_.platform.log, where, [&] { RestoreClocks(needs_.clocks); });
  attempt(needs_.platform.log, where, [&] { EndTiming(needs_); });
}

}  // namespace horalix
