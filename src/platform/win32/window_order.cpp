#include "platform/win32/window_order.h"

namespace horalix::win32 {

bool isTopmostAndFirst(HWND window) {
  if (window == nullptr || (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0) {
    return false;
  }
  return GetWindow(window, GW_HWNDPREV) == nullptr;
}

}  // namespace horalix::win32
