// Settings records for the fuzz targets, one field a line, so that seeds stay readable:
// checkvalue, optvalue, Fontselect, AImode, tellsoundname, picturename, Time_all ("hh:mm:ss"),
// Time_one, Time_two, Time_three, time_end, tellShowtime, tellouttext. Missing lines keep the
// defaults' empty text or 0; text that is no number reads as 0.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "services/runtime_error.h"
#include "services/settings_block.h"

namespace horalix::fuzz {

// Runs f; a runtime error (the program's own conversion failures) is an allowed outcome.
template <class F>
void allowRuntimeError(F&& f) {
  try {
    f();
  } catch (const RuntimeError&) {
  }
}

// The first `count` lines of a text, "\n" apart; missing lines are empty.
std::vector<std::string> fieldLines(const std::string& text, std::size_t count);

SettingsBlock recordFromLines(const std::string& text);
// Records from the defaults to the odd: short, empty, non-digit and overlong option strings.
std::vector<std::string> recordSeeds();

}  // namespace horalix::fuzz
