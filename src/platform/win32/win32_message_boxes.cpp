#include "platform/win32/win32_message_boxes.h"

#include <windows.h>

#include <vector>

#include "platform/win32/system_function.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

namespace {

// The box's owner: the program's active window, so that the box stays in front of it. The
// system's own message loop of the box keeps dispatching WM_TIMER meanwhile, so the program's
// other timers run while a box is open.
HWND ownerWindow() { return GetActiveWindow(); }

// A timed box waiting for its window. Boxes can nest (a timer handler shows a box while another
// is open), so the boxes of this thread are kept innermost last.
struct TimedBox {
  UINT_PTR timer = 0;
  HWND dialog = nullptr;
  bool timedOut = false;
};

thread_local std::vector<TimedBox*> openBoxes;
thread_local HHOOK creationHook = nullptr;

// Catches the dialog window of the innermost box that has none yet.
LRESULT CALLBACK onWindowCreated(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND && !openBoxes.empty() && openBoxes.back()->dialog == nullptr) {
    const auto window = reinterpret_cast<HWND>(wp);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    // A message box is a dialog window of the system's dialog class.
    if (lstrcmpW(className, L"#32770") == 0) openBoxes.back()->dialog = window;
  }
  return CallNextHookEx(creationHook, code, wp, lp);
}

void CALLBACK onTimeUp(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  for (TimedBox* box : openBoxes) {
    if (box->timer != timer) continue;
    box->timedOut = true;
    if (box->dialog != nullptr && IsWindow(box->dialog)) {
      EndDialog(box->dialog, platform::answer::TimedOut);
    }
  }
}

using MessageBoxTimeoutFn = int(WINAPI*)(HWND, LPCWSTR, LPCWSTR, UINT, WORD, DWORD);

MessageBoxTimeoutFn messageBoxTimeout() {
  static const auto fn = systemFunction<MessageBoxTimeoutFn>(L"user32.dll", "MessageBoxTimeoutW");
  return fn;
}

}  // namespace

int Win32MessageBoxes::show(const std::string& text, const std::string& caption, unsigned flags) {
  return MessageBoxW(ownerWindow(), toWide(text).c_str(), toWide(caption).c_str(), flags);
}

int Win32MessageBoxes::showTimed(const std::string& text, const std::string& caption,
                                 unsigned flags, int timeoutMs) {
  const std::wstring wideText = toWide(text);
  const std::wstring wideCaption = toWide(caption);
  TimedBox box;
  box.timer = SetTimer(nullptr, 0, static_cast<UINT>(timeoutMs > 0 ? timeoutMs : 1), &onTimeUp);
  const bool firstBox = openBoxes.empty();
  if (firstBox) {
    creationHook = SetWindowsHookExW(WH_CBT, &onWindowCreated, nullptr, GetCurrentThreadId());
  }
  openBoxes.push_back(&box);

  int answer;
  if (MessageBoxTimeoutFn timed = messageBoxTimeout()) {
    answer = timed(ownerWindow(), wideText.c_str(), wideCaption.c_str(), flags, 0,
                   static_cast<DWORD>(timeoutMs));
  } else {
    answer = MessageBoxW(ownerWindow(), wideText.c_str(), wideCaption.c_str(), flags);
  }

  openBoxes.pop_back();
  if (firstBox && creationHook != nullptr) {
    UnhookWindowsHookEx(creationHook);
    creationHook = nullptr;
  }
  if (!box.timedOut) KillTimer(nullptr, box.timer);
  return box.timedOut ? platform::answer::TimedOut : answer;
}

}  // namespace horalix::win32
