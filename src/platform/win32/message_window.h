// A hidden top-level window that receives the backend's own messages: the event loop's native
// timer, tray notifications, hot keys. It is never shown. It is a top-level window rather than a
// message-only one so that broadcasts such as "TaskbarCreated" reach it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "platform/win32/dispatch_guard.h"

namespace horalix::win32 {

class MessageWindow {
 public:
  // The handler returns a result for the messages it handles, nullopt for the default handling.
  using Handler = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;

  MessageWindow(DispatchGuard& guard, const wchar_t* title, Handler handler);
  ~MessageWindow();
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  HWND hwnd() const { return hwnd_; }

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  DispatchGuard& guard_;
  Handler handler_;
  HWND hwnd_ = nullptr;
};

}  // namespace horalix::win32
