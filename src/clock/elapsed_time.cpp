// How long the running count has lasted, by the clock method the presenter chose: the system
// tick count, milliseconds since midnight, or the time of day in whole seconds. A method that
// fails moves the stored choice on to the next one, which takes effect from the next run.
#include <cmath>
#include <exception>
#include <limits>
#include <optional>

#include "clock/clock_needs.h"
#include "clock/clock_window.h"
#include "services/attempt.h"
#include "services/clock_mark.h"
#include "services/program_values.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"
#include "services/time_value.h"

namespace horalix {

namespace {

bool fits32(std::int64_t v) {
  return v >= std::numeric_limits<std::int32_t>::min() &&
         v <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

std::int32_t ClockWindow::remaintime(const std::string& Timername) {
  const double* bank = nullptr;
  if (Timername == "Timer1") bank = &needs_.run.record.bankedDownMs;
  if (Timername == "Timer4") bank = &needs_.run.record.bankedUpMs;
  if (bank == nullptr) return 0;
  std::int32_t result = 0;
  bool failed = false;
  try {
    const ClockMethod method = readClockMethod(needs_.run);
    const double banked = *bank;
    if (const auto sum =
            elapsedByMethod(needs_.platform, method, needs_.run.StartTick, segmentStart_, banked)) {
      const double rounded = std::nearbyint(*sum);
      if (!fits32(static_cast<std::int64_t>(rounded)))
        throw RuntimeError(RuntimeErrorCode::Overflow);
      result = static_cast<std::int32_t>(rounded);
    }
  } catch (const std::exception& e) {
    needs_.platform.log(std::string("remaintime: ") + e.what());
    failed = true;
  }
  if (failed) {
    // The next method from the next run on; the last method stays.
    attempt(needs_.platform.log, "remaintime", [&] {
      const int method = static_cast<int>(readClockMethod(needs_.run));
      if (method < 2) programValues(needs_.platform).writeNumber("clockmode", method + 1);
    });
  }
  return result;
}

}  // namespace horalix
