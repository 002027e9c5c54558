// Ending every running slide show of the presentation programs by pressing Esc in it.
#pragma once

#include <string>

namespace horalix {

namespace platform {
struct Platform;
}  // namespace platform

// How many of the known slide-show captions a window title holds (case-sensitive substrings):
// each one earns the window its own activation and Esc.
int slideShowCaptionCount(const std::string& title);

// Five passes over the top-level windows; each slide-show window is brought to the foreground
// and gets Esc. Esc goes only to a window that did come to the foreground: a window that cannot
// be activated is passed over, so that no other program receives a stray Esc.
void EndSlideShow(platform::Platform& platform);

}  // namespace horalix
