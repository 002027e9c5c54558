// Ending every running slide show of the presentation programs by pressing Esc in it.
#pragma once

#include <string>

namespace horalix {

// How many of the known slide-show captions a window title holds (case-sensitive substrings):
// each one earns the window its own activation and Esc.
int slideShowCaptionCount(const std::string& title);

}  // namespace horalix
