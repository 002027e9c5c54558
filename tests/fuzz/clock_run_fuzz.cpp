// A whole manual run started with any settings record: the program gets through the run start
// and five seconds of counting, reminders, the end and the time-up prompt with every failure
// taken where it arises; a handler that lets an error escape is a finding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/program_start.h"
#include "bars/time_up_prompt.h"
#include "fuzz_seeds.h"
#include "main/timing_control.h"
#include "platform/headless/headless_platform.h"
#include "services/settings_record.h"
#include "services/startup_check.h"
#include "settings_lines.h"

namespace horalix::fuzz {

std::vector<std::string> seeds() { return recordSeeds(); }

namespace {

// A started program runs a manual run with the record for five seconds; the time-up prompt,
// when it shows, is closed by its button.
void manualRun(const SettingsBlock& s) {
  platform::HeadlessPlatform headless;
  for (const char* file : kRequiredFiles)
    headless.files().seedFile(headless.files().programFolder() + "\\" + file, "");
  App app(headless.platform());
  Main(app);
  if (app.ended()) finding("the program did not start");
  platform::HeadlessEventLoop& loop = headless.loop();
  loop.advance(2000);
  app.settings = s;
  SaveSettings(app.platform, s);
  loop.setModalLimit(60'000);
  loop.onModal = [&](platform::HeadlessEventLoop& l, const std::string&) {
    l.advance(300);
    if (app.timeUpPrompt().loaded()) headless.forms().click(app.timeUpPrompt().Command1);
  };
  StartTiming(app.mainNeeds);
  loop.advance(5000);
  for (const auto& error : loop.errors())
    finding("a handler let an error escape in " + error.where + ": " + error.what);
}

}  // namespace

}  // namespace horalix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace horalix::fuzz;
  if (size > 4096) return 0;
  manualRun(recordFromLines(std::string(reinterpret_cast<const char*>(data), size)));
  return 0;
}
