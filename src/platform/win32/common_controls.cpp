#include "platform/win32/common_controls.h"

#include "platform/win32/system_function.h"

namespace horalix::win32 {

namespace {

template <class Function>
Function commonControlsFunction(const char* name) {
  return systemFunction<Function>(L"comctl32.dll", name);
}

}  // namespace

bool ensureCommonControls() {
  static const bool registered = [] {
    const auto init =
        commonControlsFunction<decltype(&InitCommonControlsEx)>("InitCommonControlsEx");
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                 ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                     ICC_TAB_CLASSES | ICC_USEREX_CLASSES};
    return init != nullptr && init(&classes) != FALSE;
  }();
  return registered;
}

bool setWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
  static const auto fn = commonControlsFunction<decltype(&SetWindowSubclass)>("SetWindowSubclass");
  return fn != nullptr && fn(window, proc, id, data) != FALSE;
}

void removeWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id) {
  static const auto fn =
      commonControlsFunction<decltype(&RemoveWindowSubclass)>("RemoveWindowSubclass");
  if (fn != nullptr) fn(window, proc, id);
}

LRESULT defSubclassProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  static const auto fn = commonControlsFunction<decltype(&DefSubclassProc)>("DefSubclassProc");
  return fn != nullptr ? fn(window, msg, wp, lp) : DefWindowProcW(window, msg, wp, lp);
}

}  // namespace horalix::win32
