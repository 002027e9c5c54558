// The common-controls library, loaded when the first window needs it (a control's window, a
// subclassed window), not at the program's start: a program that shows only its clock does not
// map it.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace horalix::win32 {

// Loads the library and registers the control classes the program's windows use, once; false
// when the library or its registration is missing.
bool ensureCommonControls();

// The library's window subclassing, loaded on first use. Without the library a window simply
// keeps its own procedure (false), and the default procedure is the window's own.
bool setWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
void removeWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id);
LRESULT defSubclassProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace horalix::win32
