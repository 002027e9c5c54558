#include "platform/headless/nested_wait.h"

#include <algorithm>

#include "platform/timer.h"

namespace horalix::platform {

void stayOpenFor(HeadlessEventLoop& loop, std::int64_t ms, const std::string& what) {
  bool closed = ms <= 0;
  Timer closer(loop.timers(), what, static_cast<int>(std::max<std::int64_t>(ms, 0)), !closed);
  closer.onTick = [&] {
    closed = true;
    closer.setEnabled(false);
  };
  loop.runNested([&] { return !closed; }, what);
}

}  // namespace horalix::platform
