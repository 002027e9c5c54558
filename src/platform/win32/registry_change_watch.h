// Changes anywhere under HKEY_CURRENT_USER, as the registry reports them: what was read from
// there stays true while nothing below it has been written, created or deleted since, by this
// program or any other. The readers keep what they read under the watch's generation and read
// afresh once it moves on. Asking the registry costs a call into the system, so the watch asks
// once per handler of the program (another program's change is seen by the next handler) and
// again after each write of the program's own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

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
  // The next generation() asks the registry again: a handler has ended, or the program wrote.
  void lookAgain() { lookDue_ = true; }

 private:
  bool arm();

  HKEY key_ = nullptr;
  HANDLE event_ = nullptr;
  DWORD thread_ = GetCurrentThreadId();
  bool armed_ = false;
  bool lookDue_ = true;
  std::uint64_t generation_ = 0;
};

// What one reader read from HKEY_CURRENT_USER, by a text key of its own, kept while its watch
// sees no change. Without a watch nothing is kept.
template <typename Value>
class KeptReads {
 public:
  explicit KeptReads(RegistryChangeWatch* watch) : watch_(watch) {}

  // Whether reads may be kept now; forgets those from before the latest change.
  bool current() {
    if (watch_ == nullptr) return false;
    const std::uint64_t generation = watch_->generation();
    if (generation != generation_) {
      values.clear();
      generation_ = generation;
    }
    return true;
  }
  // Before a write of the program's own: forgets what this reader kept, and has the watch look
  // again, so that every other reader forgets what it kept too.
  void drop() {
    values.clear();
    if (watch_ != nullptr) watch_->lookAgain();
  }

  std::map<std::string, Value> values;

 private:
  RegistryChangeWatch* watch_;
  std::uint64_t generation_ = 0;
};

}  // namespace horalix::win32
