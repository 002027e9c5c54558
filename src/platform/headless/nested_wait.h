// A system window of the simulated desktop (a message box, a common dialog) that stays open for
// a stretch of virtual time while the program's timers run.
#pragma once

#include <cstdint>
#include <string>

#include "platform/headless/headless_event_loop.h"

namespace horalix::platform {

// Runs a nested loop for `ms` of virtual time (none when `ms` is 0 or less). The window closes
// by a timer of its own, made after the program's timers, so that timers due at the same
// instant run before it closes.
void stayOpenFor(HeadlessEventLoop& loop, std::int64_t ms, const std::string& what);

}  // namespace horalix::platform
