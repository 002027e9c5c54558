#include "platform/win32/message_window.h"
#include "platform/win32/window_owner.h"

namespace horalix::win32 {

namespace {
constexpr wchar_t kClassName[] = L"HoralixMessageWindow";
}  // namespace

MessageWindow::MessageWindow(DispatchGuard& guard, const wchar_t* title, Handler handler)
    : guard_(guard), handler_(std::move(handler)) {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &MessageWindow::windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, title, WS_POPUP, 0, 0, 0, 0, nullptr,
                          nullptr, GetModuleHandleW(nullptr), this);
}

MessageWindow::~MessageWindow() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

LRESULT CALLBACK MessageWindow::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  // "taskkill /pid N" (without /f) posts WM_CLOSE to every top-level window of the process. The
  // program ends through its forms' own close path; these helper windows stay until then.
  if (msg == WM_CLOSE) return 0;
  auto* self = windowOwner<MessageWindow>(hwnd, msg, lp);
  if (self == nullptr || self->hwnd_ == nullptr || !self->handler_) {
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  std::optional<LRESULT> handled;
  self->guard_.run("message window", [&] { handled = self->handler_(msg, wp, lp); });
  return handled ? *handled : DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace horalix::win32
