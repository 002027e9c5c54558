// Where a top-level window stands in the z-order.
#pragma once

#include <windows.h>

namespace horalix::win32 {

// True when the window is always-on-top and no window stands above it: putting it on top again
// would change nothing.
bool isTopmostAndFirst(HWND window);

}  // namespace horalix::win32
