// The notification-area icon over Shell_NotifyIconW, with its popup menu. The icon belongs to a
// hidden window of its own, which also hears "TaskbarCreated" and adds the icon again when
// Explorer has restarted.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <string>

#include "platform/tray.h"
#include "platform/win32/message_window.h"
#include "platform/win32/win32_form_host.h"

namespace horalix::win32 {

class Win32Tray final : public platform::Tray {
 public:
  Win32Tray(DispatchGuard& guard, Win32FormHost& forms);
  ~Win32Tray() override;

  bool add(platform::Form& owner, const std::string& tip) override;
  void setTip(const std::string& tip) override;
  void setIcon(const std::string& iconFile) override;
  void balloon(const std::string& title, const std::string& text, int timeoutMs) override;
  void remove() override;
  void popup(platform::Form& owner, platform::MenuItem& root) override;
  void popupAt(platform::Form& owner, platform::MenuItem& root, platform::PixelPoint at) override;

 private:
  std::optional<LRESULT> handle(UINT msg, WPARAM wp, LPARAM lp);
  NOTIFYICONDATAW iconData(UINT flags) const;

  Win32FormHost& forms_;
  MessageWindow window_;
  UINT taskbarCreated_;
  bool added_ = false;
  std::wstring tip_;
  HICON fileIcon_ = nullptr;  // an icon file shown instead of the program's icon
};

// The mouse event of a tray notification: the mouse message is the low word of lParam.
std::optional<platform::TrayMouse> trayMouseOf(LPARAM lParam);

}  // namespace horalix::win32
