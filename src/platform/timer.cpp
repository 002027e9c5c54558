#include "platform/timer.h"

#include <algorithm>
#include <exception>

namespace horalix::platform {

Timer::Timer(TimerScheduler& scheduler, std::string name, int interval, bool enabled)
    : scheduler_(scheduler), name_(std::move(name)), interval_(interval) {
  scheduler_.add(this);
  setEnabled(enabled);
}

Timer::~Timer() { scheduler_.remove(this); }

void Timer::setInterval(int ms) {
  interval_ = std::max(ms, 0);
  if (enabled_) scheduler_.arm(*this);
}

void Timer::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  if (on) scheduler_.arm(*this);
}

TimerScheduler::TimerScheduler(std::function<std::int64_t()> now) : now_(std::move(now)) {}

void TimerScheduler::add(Timer* timer) { timers_.push_back(timer); }

void TimerScheduler::remove(Timer* timer) {
  auto it = std::find(timers_.begin(), timers_.end(), timer);
  if (it == timers_.end()) return;
  if (iterating_ > 0) {
    // Keep positions stable while runDue walks the list; compacted when the walk ends.
    *it = nullptr;
    removedWhileIterating_ = true;
  } else {
    timers_.erase(it);
  }
}

void TimerScheduler::arm(Timer& timer) { timer.due_ = now() + timer.interval_; }

std::optional<std::int64_t> TimerScheduler::nextDue() const {
  std::optional<std::int64_t> next;
  for (const Timer* t : timers_) {
    if (t == nullptr || !t->enabled_ || t->running_ || t->interval_ <= 0) continue;
    if (!next || t->due_ < *next) next = t->due_;
  }
  return next;
}

int TimerScheduler::runDue() {
  int ran = 0;
  ++iterating_;
  // Walk by index: handlers may create timers (appended, not run in this pass if not yet due).
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    Timer* t = timers_[i];
    if (t == nullptr || !t->enabled_ || t->running_ || t->interval_ <= 0) continue;
    const std::int64_t at = now();
    if (t->due_ > at) continue;
    // The next tick counts from now: a tick that came late is not made up in a burst.
    t->due_ = at + t->interval_;
    t->running_ = true;
    try {
      // Run a copy: the handler may destroy its own timer, and the handler with it.
      if (t->onTick) {
        const auto handler = t->onTick;
        handler();
      }
    } catch (const std::exception& e) {
      if (onHandlerError) onHandlerError(t->name_, e.what());
    } catch (...) {
      if (onHandlerError) onHandlerError(t->name_, "unknown error");
    }
    // The timer may have been destroyed by its own handler.
    if (i < timers_.size() && timers_[i] == t) t->running_ = false;
    ++ran;
  }
  if (--iterating_ == 0 && removedWhileIterating_) {
    std::erase(timers_, nullptr);
    removedWhileIterating_ = false;
  }
  return ran;
}

}  // namespace horalix::platform
