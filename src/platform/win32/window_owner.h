// The object that one of the backend's windows belongs to: handed to CreateWindowExW as its last
// argument and kept in the window's user data, where each window procedure finds it again.
#pragma once

#include <windows.h>

namespace horalix::win32 {

// Null before the window is created and after its owner has let go of it (user data 0).
template <class Owner>
Owner* windowOwner(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace horalix::win32
