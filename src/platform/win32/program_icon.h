// The program's icon (resource 1 of Horalix.exe), or the system's application icon when the
// module has none.
#pragma once

#include <windows.h>

namespace horalix::win32 {

// Small: the size of the tray and of window captions; otherwise the large icon. Shared: never
// destroyed by the caller.
HICON programIcon(bool small);

}  // namespace horalix::win32
