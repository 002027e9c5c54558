// One tick of the document watch while no document is open, on a desktop of 200 other windows:
// the start-up check, the registry reads, one walk over the window titles for the six kinds and
// the idle clock's redraw. Run under callgrind to count its instructions:
//   valgrind --tool=callgrind --toggle-collect='horalix::MainWindow::Timer4_Timer()' \
//     build/native/tests/horalix_benchmarks --benchmark_filter=DocumentWatchTick
#include <benchmark/benchmark.h>

#include <string>

#include "app/app.h"
#include "app/program_start.h"
#include "main/main_window.h"
#include "platform/headless/headless_platform.h"
#include "services/program_values.h"
#include "services/startup_check.h"

namespace {

void DocumentWatchTick(benchmark::State& state) {
  horalix::platform::HeadlessPlatform headless;
  const std::string folder = headless.files().programFolder();
  for (const char* file : horalix::kRequiredFiles)
    headless.files().seedFile(folder + "\\" + file, "");
  horalix::App app(headless.platform());
  horalix::Main(app);
  horalix::programValues(app.platform).writeText("AImode", "01111111");  // every kind watched
  for (int i = 0; i < state.range(0); ++i) {
    // Titles of the kinds the scanners look at, none of them a document.
    headless.desktop().openWindow(i % 3 == 0 ? "Inbox - Mail"
                                             : "Notes " + std::to_string(i) + " - Editor");
  }
  horalix::MainWindow& main = app.mainWindow();
  main.Timer4_Timer();  // the first pass, without a document: later ticks only poll
  for (auto _ : state) main.Timer4_Timer();
}
BENCHMARK(DocumentWatchTick)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace
