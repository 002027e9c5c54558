// Val and the time conversions on any text and any number: each gives its result or a runtime
// error, never another failure, and the conversions that go both ways come back to their start.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_seeds.h"
#include "services/runtime_error.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"
#include "services/time_value.h"

namespace horalix::fuzz {

std::vector<std::string> seeds() {
  return {"00:2:30",    "23:59:59", "24:00:00",  "25:00:00",   "596523:14:07",
          "0:0",        "1:2:3:4",  "2024-2-29", "2023/2/29",  "2024-12-31 23:59:59",
          "12abc",      "  1 2 3",  "&HFFFF",    "&H7FFFFFFF", "&O177777",
          "-1.5e3",     "1d2",      "1e309",     "-0.5",       ".",
          "4.5",        "&H",       "手动计时",  "\t\n 7",     "99999999999999999999",
          "-2147483648"};
}

namespace {

void numberRules(double v) {
  if (std::isfinite(v) && std::fabs(v) < 2147483647.0) {
    try {
      if (CLng(v) != static_cast<std::int32_t>(std::nearbyint(v)))
        finding("CLng(" + std::to_string(v) + ") does not round half to even");
    } catch (const RuntimeError&) {
      finding("CLng(" + std::to_string(v) + ") overflows inside the 32-bit range");
    }
  }
  const auto seconds = static_cast<std::int32_t>(std::isfinite(v) ? std::fmod(v, 2.0e9) : 0);
  if (seconds >= 0 && seconds < 86400) {
    try {
      if (TimeToSeconds(SecondsToTime(seconds)) != seconds)
        finding(std::to_string(seconds) + " seconds do not come back through a time value");
    } catch (const RuntimeError&) {
      finding(std::to_string(seconds) + " seconds cannot become a time value");
    }
  }
  if (seconds >= 0) {
    try {
      const std::string text = durationText(seconds);
      if (durationSeconds(text) != seconds)
        finding(std::to_string(seconds) + " seconds read back from '" + text + "' differently");
    } catch (const RuntimeError&) {
      finding(std::to_string(seconds) + " seconds cannot be written as a duration");
    }
    // Hours\minutes\seconds\tenths adds up to the milliseconds without their last two digits.
    const std::vector<std::string> parts = Split(SplitMilliseconds(seconds), "\\");
    if (parts.size() != 4)
      finding("SplitMilliseconds gives " + std::to_string(parts.size()) + " parts");
    const double back = std::stod(parts[0]) * 3600000 + std::stod(parts[1]) * 60000 +
                        std::stod(parts[2]) * 1000 + std::stod(parts[3]) * 100;
    if (back != seconds / 100 * 100.0)
      finding("SplitMilliseconds(" + std::to_string(seconds) + ") does not add up");
  } else {
    (void)SplitMilliseconds(seconds);
  }
  try {
    const DateTimeParts p = splitDateTime(v);
    if (p.hour < 0 || p.hour > 23 || p.minute < 0 || p.minute > 59 || p.second < 0 ||
        p.second > 59 || p.month < 1 || p.month > 12 || p.day < 1 || p.day > 31)
      finding("splitDateTime(" + std::to_string(v) + ") gives a part out of range");
  } catch (const RuntimeError&) {
  }
}

void textRules(const std::string& text) {
  double value = 0;
  try {
    value = Val(text);
  } catch (const RuntimeError&) {
  }
  try {
    if (IsNumeric(text) && !std::isfinite(CDbl(text))) finding("CDbl gives a number that is none");
  } catch (const RuntimeError&) {
  }
  try {
    const double t = TimeValue(text);
    if (!(t >= 0 && t < 1)) finding("TimeValue('" + text + "') is no time of day");
    (void)TimeToSeconds(t);
  } catch (const RuntimeError&) {
  }
  try {
    (void)splitDateTime(CDate(text));
  } catch (const RuntimeError&) {
  }
  try {
    if (durationSeconds(text) < 0) finding("durationSeconds('" + text + "') is negative");
  } catch (const RuntimeError&) {
  }
  numberRules(value);
}

}  // namespace

}  // namespace horalix::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace horalix::fuzz;
  textRules(std::string(reinterpret_cast<const char*>(data), size));
  if (size >= sizeof(double)) {
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    numberRules(raw);
  }
  return 0;
}
