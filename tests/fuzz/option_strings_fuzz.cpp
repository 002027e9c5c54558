// The option strings as the clock decodes them, from any text: the character readers, the
// display format, the parts of Fontselect and the sound list each give a value in range or a
// runtime error. clock_run_fuzz starts whole runs with the same records.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "clock/floating_clock.h"
#include "fuzz_seeds.h"
#include "main/run_state.h"
#include "services/display_format.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"
#include "services/window_shape.h"
#include "settings_lines.h"

namespace horalix::fuzz {

std::vector<std::string> seeds() { return recordSeeds(); }

namespace {

// The readers alone: each gives a value or a runtime error, and values stay in their ranges.
void decoders(const SettingsBlock& s) {
  for (int position = 1; position <= 40; ++position) {
    (void)optionOn(s.checkvalue, static_cast<CheckFlag>(position));
    (void)optionOn(s.optvalue, static_cast<OptFlag>(position));
    (void)optionOn(s.AImode, static_cast<AiFlag>(position));
  }
  allowRuntimeError([&] {
    const int format = DisplayFormat(s.optvalue);
    if (format < 1 || format > 3) finding("display format " + std::to_string(format));
    (void)countText(format, 1, 2, 3);
  });
  allowRuntimeError([&] { (void)cornerRadius(CornerIndex(s.Fontselect)); });
  allowRuntimeError([&] { (void)KeyColour(faceColour(s.Fontselect)); });
  allowRuntimeError([&] {
    (void)FontSizeByIndex(CInt(Val(fontselectPart(s.Fontselect, FontselectField::SizeIndex))));
  });
  (void)Split(s.tellsoundname, "\\");
}

}  // namespace

}  // namespace horalix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace horalix::fuzz;
  decoders(recordFromLines(std::string(reinterpret_cast<const char*>(data), size)));
  return 0;
}
