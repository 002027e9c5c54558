#include "platform/headless/headless_event_loop.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <stdexcept>

namespace horalix::platform {

namespace {

constexpr std::int64_t kMsPerDay = 24LL * 3600 * 1000;
// A busy wait that calls DoEvents this often without virtual time moving can never end.
constexpr long kMaxSpins = 1'000'000;

std::int64_t toEpochMs(const LocalTime& t) {
  using namespace std::chrono;
  const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)},
                            day{static_cast<unsigned>(t.day)}};
  if (!date.ok() || t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 ||
      t.second > 59 || t.millisecond < 0 || t.millisecond > 999) {
    throw std::invalid_argument("not a valid local date and time");
  }
  const std::int64_t days = sys_days{date}.time_since_epoch().count();
  return days * kMsPerDay + ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

LocalTime fromEpochMs(std::int64_t ms) {
  using namespace std::chrono;
  std::int64_t days = ms / kMsPerDay;
  std::int64_t inDay = ms % kMsPerDay;
  if (inDay < 0) {
    inDay += kMsPerDay;
    --days;
  }
  const sys_days d{std::chrono::days{days}};
  const year_month_day date{d};
  LocalTime t;
  t.year = static_cast<int>(date.year());
  t.month = static_cast<int>(static_cast<unsigned>(date.month()));
  t.day = static_cast<int>(static_cast<unsigned>(date.day()));
  t.dayOfWeek = static_cast<int>(weekday{d}.c_encoding());
  t.hour = static_cast<int>(inDay / 3'600'000);
  t.minute = static_cast<int>(inDay / 60'000 % 60);
  t.second = static_cast<int>(inDay / 1000 % 60);
  t.millisecond = static_cast<int>(inDay % 1000);
  return t;
}

// Keeps a count of nested loops right when a loop ends by an exception.
struct DepthGuard {
  int& depth;
  explicit DepthGuard(int& d) : depth(d) { ++depth; }
  ~DepthGuard() { --depth; }
};

}  // namespace

HeadlessEventLoop::HeadlessEventLoop()
    : scheduler_([this] { return now_; }), localAtZero_(toEpochMs(LocalTime{})) {
  scheduler_.onHandlerError = [this](const std::string& where, const std::string& what) {
    logError(where, what);
  };
}

std::uint32_t HeadlessEventLoop::tickCount() const {
  // The system counter is 32 bits wide and wraps; the conversion keeps the low 32 bits.
  return static_cast<std::uint32_t>(tickBase_ + static_cast<std::uint64_t>(now_));
}

LocalTime HeadlessEventLoop::localTime() const { return fromEpochMs(localAtZero_ + now_); }

void HeadlessEventLoop::setLocalTime(const LocalTime& at) { localAtZero_ = toEpochMs(at) - now_; }

void HeadlessEventLoop::stepTo(std::int64_t instant) {
  now_ = std::max(now_, instant);
  scheduler_.runDue();
}

void HeadlessEventLoop::advance(std::int64_t ms) {
  if (ms < 0) throw std::invalid_argument("virtual time cannot go back");
  const std::int64_t target = now_ + ms;
  for (;;) {
    const auto next = scheduler_.nextDue();
    if (!next || *next > target) break;
    stepTo(*next);
  }
  now_ = std::max(now_, target);
}

void HeadlessEventLoop::doEvents() {
  if (spinAt_ == now_) {
    if (++spins_ > kMaxSpins) {
      spins_ = 0;
      throw std::runtime_error(
          "DoEvents called a million times while virtual time stood still: a busy wait in "
          "headless code needs sleep() or a timer to end");
    }
  } else {
    spinAt_ = now_;
    spins_ = 0;
  }
  scheduler_.runDue();
}

void HeadlessEventLoop::sleep(int ms) { now_ += std::max(ms, 0); }

void HeadlessEventLoop::runModal(const std::function<bool()>& stillOpen) {
  runModal(stillOpen, "modal window");
}

void HeadlessEventLoop::runModal(const std::function<bool()>& stillOpen, const std::string& what) {
  {
    DepthGuard depth(modalDepth_);
    if (onModal) onModal(*this, what);
  }
  runNested(stillOpen, what);
}

void HeadlessEventLoop::runNested(const std::function<bool()>& stillOpen, const std::string& what) {
  DepthGuard depth(modalDepth_);
  const std::int64_t start = now_;
  // A quit request ends nested loops too, as the quit message does in a native modal loop.
  while (!quit_ && stillOpen()) {
    const auto next = scheduler_.nextDue();
    if (!next) {
      throw std::runtime_error(what + " stays open and no timer is running that could close it");
    }
    if (*next - start > modalLimit_) {
      throw std::runtime_error(what + " is still open after " + std::to_string(modalLimit_ / 1000) +
                               " s of virtual time");
    }
    stepTo(*next);
  }
}

int HeadlessEventLoop::run() {
  const std::int64_t end = now_ + runLimit_;
  while (!quit_) {
    const auto next = scheduler_.nextDue();
    if (!next) {
      lastRunEnd_ = RunEnd::Idle;
      return exitCode_;
    }
    if (*next > end) {
      now_ = std::max(now_, end);
      lastRunEnd_ = RunEnd::Limit;
      return exitCode_;
    }
    stepTo(*next);
  }
  lastRunEnd_ = RunEnd::Quit;
  return exitCode_;
}

void HeadlessEventLoop::quit(int exitCode) {
  quit_ = true;
  exitCode_ = exitCode;
}

bool HeadlessEventLoop::dispatch(const std::string& where, const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    logError(where, e.what());
  } catch (...) {
    logError(where, "unknown error");
  }
  return false;
}

void HeadlessEventLoop::logError(const std::string& where, const std::string& what) {
  errors_.push_back({where, what, now_});
}

}  // namespace horalix::platform
