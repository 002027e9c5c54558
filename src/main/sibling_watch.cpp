// The watch of the sibling timer program: while it runs and reports a time between 1 and 999,
// this program closes its own open tool window, so that the two do not cover each other.
#include <string>

#include "main/main_needs.h"
#include "main/main_window.h"
#include "services/attempt.h"
#include "services/file_names.h"
#include "services/value_store.h"

namespace horalix {

namespace {

constexpr int kIdleSiblingInterval = 15000;  // installed, not running
constexpr int kRunningSiblingInterval = 300;
constexpr int kAfterClosingInterval = 5000;

}  // namespace

// The sibling counts as running when its program file is missing or cannot be opened for
// exclusive use. The timer switches itself off; the document watch switches it on again.
void MainWindow::Timer3_Timer() {
  ValueStore sibling(needs_.platform.scriptingShell, needs_.platform.registry, "Morventa");
  std::string folder;
  attempt(needs_.platform.log, "sibling watch", [&] { folder = sibling.readText("pathget"); });
  if (!folder.ends_with("\\")) folder += "\\";
  const std::string program = folder + "zelquist.exe";
  if (needs_.platform.files.normalFileExists(program) &&
      !IsFileInUse(needs_.platform.files, program)) {
    Timer3.setEnabled(false);
    Timer3.setInterval(kIdleSiblingInterval);
    return;
  }
  Timer3.setInterval(kRunningSiblingInterval);
  std::int32_t time = 0;
  attempt(needs_.platform.log, "sibling watch", [&] { time = sibling.readInt32("time"); });
  if (time > 0 && time < 1000) {
    attempt(needs_.platform.log, "sibling watch", [&] { delform(); });
    Timer3.setInterval(kAfterClosingInterval);
    Timer3.setEnabled(false);
  }
}

}  // namespace horalix
