#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include "platform/win32/screen_units.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

using platform::PixelRect;

int Win32Desktop::twipsPerPixelX() const { return ScreenUnits::current().twipsPerPixelX; }
int Win32Desktop::twipsPerPixelY() const { return ScreenUnits::current().twipsPerPixelY; }

PixelRect Win32Desktop::primaryScreen() const {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

PixelRect Win32Desktop::fullScreenArea() const {
  return {0, 0, GetSystemMetrics(SM_CXFULLSCREEN), GetSystemMetrics(SM_CYFULLSCREEN)};
}

int Win32Desktop::screenCount() const { return GetSystemMetrics(SM_CMONITORS); }

PixelRect Win32Desktop::virtualScreen() const {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::optional<platform::PixelPoint> Win32Desktop::cursorPos() const {
  POINT p;
  if (!GetCursorPos(&p)) return std::nullopt;
  return platform::PixelPoint{p.x, p.y};
}

namespace {

BOOL CALLBACK collectTopWindow(HWND hwnd, LPARAM param) {
  auto& out = *reinterpret_cast<std::vector<platform::TopWindow>*>(param);
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = length > 0 ? GetWindowTextW(hwnd, title.data(), length + 1) : 0;
  title.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  out.push_back(
      {reinterpret_cast<std::uintptr_t>(hwnd), toUtf8(title), IsWindowVisible(hwnd) != FALSE});
  return TRUE;
}

}  // namespace

std::vector<platform::TopWindow> Win32Desktop::topWindows() const {
  std::vector<platform::TopWindow> windows;
  // EnumWindows walks the top-level windows in z-order, topmost first.
  EnumWindows(&collectTopWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::uintptr_t Win32Desktop::foregroundWindow() const {
  return reinterpret_cast<std::uintptr_t>(GetForegroundWindow());
}

bool Win32Desktop::activate(std::uintptr_t handle) {
  const auto hwnd = reinterpret_cast<HWND>(handle);
  SetForegroundWindow(hwnd);
  return GetForegroundWindow() == hwnd;
}

void Win32Desktop::pressKey(int virtualKey) {
  const auto key = static_cast<BYTE>(virtualKey);
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
}

void Win32Desktop::sendToBottom(platform::Form& form) {
  form.setTopmost(false);
  HWND hwnd = forms_.windowOf(form);
  if (hwnd != nullptr) {
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

bool Win32Desktop::useEnglishKeyboard() {
  HKL layout = LoadKeyboardLayoutW(L"00000409", 0);
  if (layout == nullptr) return false;
  ActivateKeyboardLayout(layout, 0);
  return true;
}

std::uint32_t Win32Desktop::systemColor(int element) const {
  return static_cast<std::uint32_t>(GetSysColor(element));
}

void Win32Desktop::setSystemColor(int element, std::uint32_t color) {
  const COLORREF value = color;
  SetSysColors(1, &element, &value);
}

namespace {

// The system's move loop, for a window that must not be activated (the system's own activates
// the window it moves): the window follows the pointer until the left button is released, Esc
// puts it back, and the other messages (timers too) go on being dispatched meanwhile.
void moveWithoutActivating(HWND hwnd, POINT start) {
  RECT from{};
  if (!GetWindowRect(hwnd, &from)) return;
  SendMessageW(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  SetCapture(hwnd);
  const auto place = [hwnd](int left, int top) {
    SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  MSG msg;
  while (GetCapture() == hwnd && (GetKeyState(VK_LBUTTON) & 0x8000) != 0) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
      break;
    }
    if (got == -1 || msg.message == WM_LBUTTONUP) break;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      place(from.left, from.top);
      break;
    }
    if (msg.message == WM_MOUSEMOVE) {
      POINT now{};
      GetCursorPos(&now);
      place(from.left + now.x - start.x, from.top + now.y - start.y);
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  SendMessageW(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace

// The system's own move of a window by its caption, asked for from a window without one: the
// mouse is let go first, so that the system's move loop can take it. The loop runs until the
// left button is released (timers keep running inside it) and the window's end of moving brings
// the new place into the model before this returns.
void Win32Desktop::dragWithPointer(platform::Form& form) {
  HWND hwnd = forms_.windowOf(form);
  if (hwnd == nullptr) return;
  POINT at{};
  GetCursorPos(&at);
  ReleaseCapture();
  if (Win32FormHost::staysInactive(form)) {
    moveWithoutActivating(hwnd, at);
    return;
  }
  SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
}

}  // namespace horalix::win32
