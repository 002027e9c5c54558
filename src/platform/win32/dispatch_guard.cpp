#include "platform/win32/dispatch_guard.h"

#include <exception>

namespace horalix::win32 {

long long DispatchGuard::run(const std::string& where, long long fallback,
                             const std::function<long long()>& handler) {
  long long result = fallback;
  try {
    result = handler();
  } catch (const std::exception& e) {
    report(where, e.what());
  } catch (...) {
    report(where, "unknown error");
  }
  // Nested handlers (a timer inside DoEvents inside a click) re-arm too: a timer that an inner
  // handler enabled stays on time while the outer handler still runs.
  if (afterHandler) {
    try {
      afterHandler();
    } catch (const std::exception& e) {
      report("after handler", e.what());
    } catch (...) {
      report("after handler", "unknown error");
    }
  }
  return result;
}

void DispatchGuard::run(const std::string& where, const std::function<void()>& handler) {
  run(where, 0, [&]() -> long long {
    handler();
    return 0;
  });
}

void DispatchGuard::report(const std::string& where, const std::string& what) {
  log_.write("error in " + where + ": " + what);
}

}  // namespace horalix::win32
