#include "platform/win32/win32_event_loop.h"

#include <algorithm>

namespace horalix::win32 {

namespace {
constexpr UINT_PTR kTimerId = 1;
// SetTimer takes at most about 24.8 days; a longer wait is re-armed when it comes.
constexpr std::int64_t kLongestWaitMs = 0x7FFFFFFF;
}  // namespace

Win32EventLoop::Win32EventLoop(DispatchGuard& guard)
    : guard_(guard),
      scheduler_([this] { return monotonicMs(); }),
      window_(guard, L"Horalix timers",
              [this](UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
                if (msg != WM_TIMER || wp != kTimerId) return std::nullopt;
                // Forget the armed time first: the native timer may come a little before the due
                // time by this clock, and re-arming must then wait the remainder, not a whole
                // period.
                armedFor_.reset();
                runDueTimers();
                return 0;
              }) {
  QueryPerformanceFrequency(&frequency_);
  scheduler_.onHandlerError = [this](const std::string& where, const std::string& what) {
    guard_.report("timer " + where, what);
  };
}

std::int64_t Win32EventLoop::monotonicMs() const {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  const std::int64_t f = frequency_.QuadPart > 0 ? frequency_.QuadPart : 1000;
  return counter.QuadPart / f * 1000 + counter.QuadPart % f * 1000 / f;
}

std::uint32_t Win32EventLoop::tickCount() const {
  // The 32-bit count that wraps after about 49.7 days; the program subtracts it modulo 2^32.
  return static_cast<std::uint32_t>(GetTickCount());
}

platform::LocalTime Win32EventLoop::localTime() const {
  SYSTEMTIME t;
  GetLocalTime(&t);
  platform::LocalTime out;
  out.year = t.wYear;
  out.month = t.wMonth;
  out.day = t.wDay;
  out.hour = t.wHour;
  out.minute = t.wMinute;
  out.second = t.wSecond;
  out.millisecond = t.wMilliseconds;
  out.dayOfWeek = t.wDayOfWeek;
  return out;
}

void Win32EventLoop::runDueTimers() {
  // The scheduler skips a timer whose handler is running, so a tick that comes through DoEvents
  // inside that handler waits until the handler returns.
  guard_.run("timers", [this] { scheduler_.runDue(); });
  handlersDone();
}

void Win32EventLoop::handlersDone() {
  if (onHandlersDone) guard_.run("drawing", onHandlersDone);
}

void Win32EventLoop::rearm() {
  const std::optional<std::int64_t> next = scheduler_.nextDue();
  HWND hwnd = window_.hwnd();
  if (hwnd == nullptr) return;
  if (!next) {
    if (armedFor_) KillTimer(hwnd, kTimerId);
    armedFor_.reset();
    return;
  }
  if (armedFor_ == next) return;
  const std::int64_t wait =
      std::clamp<std::int64_t>(*next - monotonicMs(), USER_TIMER_MINIMUM, kLongestWaitMs);
  SetTimer(hwnd, kTimerId, static_cast<UINT>(wait), nullptr);
  armedFor_ = next;
}

bool Win32EventLoop::dispatch(const MSG& msg) {
  if (msg.message == WM_QUIT) {
    quitRequested_ = true;
    exitCode_ = static_cast<int>(msg.wParam);
    // Every loop that is still running on the way out must see the quit too.
    PostQuitMessage(exitCode_);
    return false;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void Win32EventLoop::doEvents() {
  handlersDone();
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!dispatch(msg)) return;
  }
  // Due timers run even when the system has not yet turned their time into WM_TIMER.
  runDueTimers();
}

void Win32EventLoop::sleep(int ms) { Sleep(static_cast<DWORD>(std::max(ms, 0))); }

void Win32EventLoop::runModal(const std::function<bool()>& stillOpen) {
  MSG msg;
  while (!quitRequested_ && stillOpen()) {
    handlersDone();
    rearm();
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) return;
    if (!dispatch(msg)) return;  // WM_QUIT (got == 0)
  }
}

int Win32EventLoop::run() {
  MSG msg;
  for (;;) {
    handlersDone();
    rearm();
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return exitCode_;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32EventLoop::quit(int exitCode) {
  exitCode_ = exitCode;
  PostQuitMessage(exitCode);
}

}  // namespace horalix::win32
