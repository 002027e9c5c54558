// The headless program's one thread: a virtual millisecond clock that only a test (or the
// headless program's run()) turns, and the window timers that run against it. Nothing here ever
// sleeps or reads the real clock, so every run is the same.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/event_loop.h"
#include "platform/timer.h"

namespace horalix::platform {

// A handler that threw, caught by the dispatch guard so that the program went on.
struct HandlerError {
  std::string where;  // the timer ("Form.Timer1") or input ("click Form.Command1") that failed
  std::string what;
  std::int64_t at = 0;  // virtual milliseconds
};

// How the last run() ended.
enum class RunEnd { Quit, Idle, Limit };

class HeadlessEventLoop final : public EventLoop {
 public:
  HeadlessEventLoop();
  HeadlessEventLoop(const HeadlessEventLoop&) = delete;
  HeadlessEventLoop& operator=(const HeadlessEventLoop&) = delete;

  TimerScheduler& timers() override { return scheduler_; }
  std::uint32_t tickCount() const override;
  LocalTime localTime() const override;
  void doEvents() override;
  void sleep(int ms) override;
  void runModal(const std::function<bool()>& stillOpen) override;
  int run() override;
  void quit(int exitCode = 0) override;

  // ---- virtual time ----

  // Milliseconds since the loop was made.
  std::int64_t now() const { return now_; }
  // Moves virtual time forward by `ms`, stopping at each instant where a timer is due and
  // running the timers due there in creation order.
  void advance(std::int64_t ms);
  // The tick count at virtual time 0; the count wraps modulo 2^32 from there.
  void setTickBase(std::uint32_t base) { tickBase_ = base; }
  // The local date and time at the current instant; it moves on with virtual time. The day of
  // the week is worked out from the date.
  void setLocalTime(const LocalTime& at);

  // ---- nested loops ----

  // A modal window's nested loop: calls `onModal` (if set), then while `stillOpen()` moves
  // virtual time to each next due timer. `what` names the window for the hook and for errors.
  void runModal(const std::function<bool()>& stillOpen, const std::string& what);
  // The same loop without the hook: message boxes and other system windows that answer by
  // themselves.
  void runNested(const std::function<bool()>& stillOpen, const std::string& what);
  // A test's stand-in for the user while a modal window is open: it may advance time, click,
  // answer or close the window. Runs once per modal show.
  std::function<void(HeadlessEventLoop& loop, const std::string& what)> onModal;
  // How much virtual time a nested loop may take before it is reported as stuck (24 h).
  void setModalLimit(std::int64_t ms) { modalLimit_ = ms; }
  int modalDepth() const { return modalDepth_; }

  // ---- the headless program's main loop ----

  // run() ends at quit(), when no timer is left running, or after this much virtual time.
  void setRunLimit(std::int64_t ms) { runLimit_ = ms; }
  RunEnd lastRunEnd() const { return lastRunEnd_; }
  bool quitRequested() const { return quit_; }
  int exitCode() const { return exitCode_; }

  // ---- errors ----

  // Runs a handler of user input as the backend's window procedure does: an exception is
  // logged and the program goes on. False when the handler threw.
  bool dispatch(const std::string& where, const std::function<void()>& handler);
  void logError(const std::string& where, const std::string& what);
  const std::vector<HandlerError>& errors() const { return errors_; }
  void clearErrors() { errors_.clear(); }

 private:
  // Moves to `instant` (never backwards) and runs the timers due there.
  void stepTo(std::int64_t instant);

  TimerScheduler scheduler_;
  std::int64_t now_ = 0;
  // An arbitrary uptime at start, so that tick counts and virtual milliseconds differ.
  std::uint32_t tickBase_ = 10'000'000;
  std::int64_t localAtZero_ = 0;  // local time at virtual 0, ms since 1970-01-01
  std::int64_t modalLimit_ = 24LL * 3600 * 1000;
  std::int64_t runLimit_ = 24LL * 3600 * 1000;
  int modalDepth_ = 0;
  bool quit_ = false;
  int exitCode_ = 0;
  RunEnd lastRunEnd_ = RunEnd::Idle;
  // Guards against a busy wait on DoEvents that no timer can end while time stands still.
  std::int64_t spinAt_ = -1;
  long spins_ = 0;
  std::vector<HandlerError> errors_;
};

}  // namespace horalix::platform
