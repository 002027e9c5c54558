// Changes anywhere under HKEY_CURRENT_USER, as the registry reports them: what was read from
// there stays true while nothing below it has been written, created or deleted since, by this
// program or any other. The readers keep what they read under the watch's generation and read
// afresh once it moves on. The registry's report is taken by a waiting thread of the system's
// pool, so that asking costs no call into the system: another program's change is seen as soon
// as that thread has run, which for a program that polls is the same as having polled a moment
// earlier. The program's own writes move the generation on at once.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

namespace horalix::win32 {

class RegistryChangeWatch {
 public:
  RegistryChangeWatch();
  ~RegistryChangeWatch();
  RegistryChangeWatch(const RegistryChangeWatch&) = delete;
  RegistryChangeWatch& operator=(const RegistryChangeWatch&) = delete;

  // A number that moves on whenever something under HKEY_CURRENT_USER may have changed since the
  // previous call, and at every call while the registry cannot be watched (then nothing read is
  // kept). Only the thread that made the watch is told the truth; every other one gets a new
  // number each time.
  std::uint64_t generation();
  // The program wrote under HKEY_CURRENT_USER: what any reader kept may be stale.
  void wrote() { ++generation_; }

 private:
  bool arm();
  static void CALLBACK reported(void* watch, BOOLEAN timedOut);

  HKEY key_ = nullptr;
  HANDLE event_ = nullptr;
  HANDLE wait_ = nullptr;
  DWORD thread_ = GetCurrentThreadId();
  std::atomic<bool> changed_{false};
  bool armed_ = false;
  std::uint64_t generation_ = 0;
};

}  // namespace horalix::win32
