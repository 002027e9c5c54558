// Every window procedure of the backend runs its handler through here: an exception that a
// handler throws is logged and the program goes on (it must never unwind through the system's
// message dispatch), and afterwards the event loop gets the chance to re-arm its native timer,
// since any handler may have enabled, disabled or re-timed a timer.
#pragma once

#include <functional>
#include <string>

#include "platform/win32/win32_log.h"

namespace horalix::win32 {

class DispatchGuard {
 public:
  explicit DispatchGuard(Win32Log& log) : log_(log) {}

  // Runs `handler`; when it throws, logs "where: what" and returns `fallback`.
  long long run(const std::string& where, long long fallback,
                const std::function<long long()>& handler);
  void run(const std::string& where, const std::function<void()>& handler);

  void report(const std::string& where, const std::string& what);

  // Runs after every outermost handler.
  std::function<void()> afterHandler;

 private:
  Win32Log& log_;
};

}  // namespace horalix::win32
