// The event loop on the real clock: the portable timer scheduler driven by one native timer on a
// hidden window (always re-armed to the next due time), and the message pump with its nested
// loops (DoEvents, modal windows, message boxes).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/event_loop.h"
#include "platform/win32/dispatch_guard.h"
#include "platform/win32/message_window.h"

namespace horalix::win32 {

class Win32EventLoop final : public platform::EventLoop {
 public:
  explicit Win32EventLoop(DispatchGuard& guard);

  platform::TimerScheduler& timers() override { return scheduler_; }
  std::uint32_t tickCount() const override;
  platform::LocalTime localTime() const override;
  void doEvents() override;
  void sleep(int ms) override;
  void runModal(const std::function<bool()>& stillOpen) override;
  int run() override;
  void quit(int exitCode = 0) override;

  // Points the native timer at the scheduler's next due time (or stops it). Runs after every
  // handler, since any handler may change a timer.
  void rearm();

  bool quitRequested() const { return quitRequested_; }

  // Runs whenever the program's handlers are done for now: after timers ran, before DoEvents
  // looks at the queue and before the loop waits. The windows bring their drawing up to date
  // here, so that a handler that draws the same thing again costs no repaint.
  std::function<void()> onHandlersDone;

 private:
  // Dispatches one message; false when it was WM_QUIT (which is posted again for the outer loops).
  bool dispatch(const MSG& msg);
  void runDueTimers();
  void handlersDone();
  std::int64_t monotonicMs() const;

  DispatchGuard& guard_;
  platform::TimerScheduler scheduler_;
  MessageWindow window_;
  std::optional<std::int64_t> armedFor_;
  LARGE_INTEGER frequency_{};
  bool quitRequested_ = false;
  int exitCode_ = 0;
};

}  // namespace horalix::win32
