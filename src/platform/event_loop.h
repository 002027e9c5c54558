// The one user-interface thread: timers, pending messages, nested modal loops, the clocks.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/timer.h"

namespace horalix::platform {

// A local date and time of day, as the system clock reports it.
struct LocalTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  int dayOfWeek = 6;  // 0 Sunday .. 6 Saturday
};

class EventLoop {
 public:
  virtual ~EventLoop() = default;

  // Every window timer of the program is scheduled here.
  virtual TimerScheduler& timers() = 0;

  // The system tick count in milliseconds: 32 bits, wraps after about 49.7 days.
  virtual std::uint32_t tickCount() const = 0;

  // The local date and time of day.
  virtual LocalTime localTime() const = 0;

  // Lets pending window messages and due timers run (other than a timer whose handler is
  // already running), then returns.
  virtual void doEvents() = 0;

  // Blocks the thread for `ms` milliseconds; nothing is dispatched meanwhile.
  virtual void sleep(int ms) = 0;

  // Runs a nested loop while `stillOpen()` is true: used for modal windows and message boxes.
  // Other timers keep running inside it.
  virtual void runModal(const std::function<bool()>& stillOpen) = 0;

  // The program's main loop; returns the exit code once quit() was called.
  virtual int run() = 0;
  virtual void quit(int exitCode = 0) = 0;
};

}  // namespace horalix::platform
