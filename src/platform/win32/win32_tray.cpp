#include "platform/win32/win32_tray.h"

#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "platform/win32/native_menu.h"
#include "platform/win32/program_icon.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32 {

using platform::TrayMouse;

namespace {

constexpr UINT kNotifyMessage = WM_APP + 1;
constexpr UINT kIconId = 1;
constexpr UINT kFirstMenuCommand = 1;

// Copies a text into a fixed field of NOTIFYICONDATAW, cut to fit with its NUL.
template <std::size_t N>
void copyField(wchar_t (&field)[N], const std::wstring& text) {
  const std::size_t n = std::min(text.size(), N - 1);
  std::copy_n(text.data(), n, field);
  field[n] = L'\0';
}

}  // namespace

std::optional<TrayMouse> trayMouseOf(LPARAM lParam) {
  switch (LOWORD(lParam)) {
    case WM_LBUTTONDOWN:
      return TrayMouse::LeftDown;
    case WM_LBUTTONUP:
      return TrayMouse::LeftUp;
    case WM_LBUTTONDBLCLK:
      return TrayMouse::LeftDouble;
    case WM_RBUTTONDOWN:
      return TrayMouse::RightDown;
    case WM_RBUTTONUP:
      return TrayMouse::RightUp;
    case WM_RBUTTONDBLCLK:
      return TrayMouse::RightDouble;
    default:
      return std::nullopt;
  }
}

Win32Tray::Win32Tray(DispatchGuard& guard, Win32FormHost& forms)
    : forms_(forms),
      window_(guard, L"Horalix tray",
              [this](UINT msg, WPARAM wp, LPARAM lp) { return handle(msg, wp, lp); }),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {}

Win32Tray::~Win32Tray() {
  remove();
  if (fileIcon_ != nullptr) DestroyIcon(fileIcon_);
}

NOTIFYICONDATAW Win32Tray::iconData(UINT flags) const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_.hwnd();
  data.uID = kIconId;
  data.uFlags = flags;
  data.uCallbackMessage = kNotifyMessage;
  data.hIcon = fileIcon_ != nullptr ? fileIcon_ : programIcon(true);
  copyField(data.szTip, tip_);
  return data;
}

bool Win32Tray::add(platform::Form&, const std::string& tip) {
  tip_ = toWide(tip);
  NOTIFYICONDATAW data = iconData(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  if (added_) return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
  added_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
  return added_;
}

void Win32Tray::setTip(const std::string& tip) {
  std::wstring wide = toWide(tip);
  // Each change is a round trip to the shell's notification area: the tip it already shows (the
  // one the icon was added with, at the program's start) is not sent again.
  if (added_ && wide == tip_) return;
  tip_ = std::move(wide);
  if (!added_) return;
  NOTIFYICONDATAW data = iconData(NIF_TIP);
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void Win32Tray::setIcon(const std::string& iconFile) {
  HANDLE loaded =
      LoadImageW(nullptr, toWide(iconFile).c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE);
  if (loaded == nullptr) return;  // the icon shown stays
  if (fileIcon_ != nullptr) DestroyIcon(fileIcon_);
  fileIcon_ = static_cast<HICON>(loaded);
  if (!added_) return;
  NOTIFYICONDATAW data = iconData(NIF_ICON);
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void Win32Tray::balloon(const std::string& title, const std::string& text, int timeoutMs) {
  if (!added_) return;
  NOTIFYICONDATAW data = iconData(NIF_INFO);
  copyField(data.szInfoTitle, toWide(title));
  copyField(data.szInfo, toWide(text));
  data.uTimeout = static_cast<UINT>(std::max(timeoutMs, 0));
  data.dwInfoFlags = NIIF_INFO;
  Shell_NotifyIconW(NIM_MODIFY, &data);
}

void Win32Tray::remove() {
  if (!added_) return;
  NOTIFYICONDATAW data = iconData(0);
  Shell_NotifyIconW(NIM_DELETE, &data);
  added_ = false;
}

void Win32Tray::popup(platform::Form& owner, platform::MenuItem& root) {
  POINT at{};
  GetCursorPos(&at);
  popupAt(owner, root, platform::PixelPoint{at.x, at.y});
}

void Win32Tray::popupAt(platform::Form& owner, platform::MenuItem& root,
                        platform::PixelPoint point) {
  NativeMenu menu(root, NativeMenu::Kind::Popup, kFirstMenuCommand);
  if (menu.empty()) return;
  HWND hwnd = forms_.windowOf(owner);
  if (hwnd == nullptr) hwnd = window_.hwnd();
  const POINT at{point.x, point.y};
  // A popup menu of a window that is not in the foreground does not close when the user clicks
  // elsewhere; and the empty message afterwards lets the menu's second opening work (both are
  // the documented way for notification-area menus).
  SetForegroundWindow(hwnd);
  const UINT command = static_cast<UINT>(TrackPopupMenu(
      menu.handle(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr));
  PostMessageW(hwnd, WM_NULL, 0, 0);
  if (onMenuClosed) onMenuClosed();
  platform::MenuItem* item = menu.itemFor(command);
  // Timers ran while the menu was open and may have removed the item meanwhile.
  if (item != nullptr && menuContains(root, item)) item->click();
}

std::optional<LRESULT> Win32Tray::handle(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kNotifyMessage && wp == kIconId) {
    if (const auto mouse = trayMouseOf(lp); mouse && onMouse) onMouse(*mouse);
    return 0;
  }
  if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
    if (added_) {
      NOTIFYICONDATAW data = iconData(NIF_MESSAGE | NIF_ICON | NIF_TIP);
      Shell_NotifyIconW(NIM_ADD, &data);
    }
    return 0;
  }
  return std::nullopt;
}

}  // namespace horalix::win32
