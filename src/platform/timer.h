// Timers owned by windows, and the one set of rules by which every backend runs them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace horalix::platform {

class TimerScheduler;

// A window timer with the behaviour the program's windows rely on:
// - `Interval` survives disable/enable; the first tick comes `Interval` ms after enabling;
// - enabling an enabled timer does not restart it; setting `Interval` re-arms it;
// - an interval of 0 never ticks;
// - overdue ticks fire once, never in a burst;
// - a timer disabled in any handler does not fire after;
// - a timer's own handler is never re-entered; its due tick waits until the handler returns.
class Timer {
 public:
  Timer(TimerScheduler& scheduler, std::string name, int interval = 0, bool enabled = false);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  int Interval() const { return interval_; }
  void setInterval(int ms);
  bool Enabled() const { return enabled_; }
  void setEnabled(bool on);
  bool running() const { return running_; }

  // The tick handler; the scheduler runs it.
  std::function<void()> onTick;

 private:
  friend class TimerScheduler;
  TimerScheduler& scheduler_;
  std::string name_;
  int interval_ = 0;
  bool enabled_ = false;
  bool running_ = false;
  std::int64_t due_ = 0;
};

// Keeps the timers in creation order against a monotonic millisecond clock that the backend
// supplies. The headless loop drives it with virtual time, the Win32 loop with the real clock.
class TimerScheduler {
 public:
  explicit TimerScheduler(std::function<std::int64_t()> now);

  std::int64_t now() const { return now_(); }

  // Runs every timer that is due at `now()`, once each, in creation order. A timer whose handler
  // is already running is skipped. Returns how many handlers ran.
  int runDue();

  // The earliest due time of an enabled timer that is not running, if any.
  std::optional<std::int64_t> nextDue() const;

  // Called by the handler-dispatch guard when a handler throws: the error is logged, the
  // program goes on.
  std::function<void(const std::string& where, const std::string& what)> onHandlerError;

 private:
  friend class Timer;
  void add(Timer* timer);
  void remove(Timer* timer);
  void arm(Timer& timer);

  std::function<std::int64_t()> now_;
  std::vector<Timer*> timers_;
  int iterating_ = 0;
  bool removedWhileIterating_ = false;
};

}  // namespace horalix::platform
