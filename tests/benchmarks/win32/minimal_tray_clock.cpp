// The least a tray timer clock must do, as the yardstick of the footprint benchmark
// (tests/benchmarks/wine_footprint.sh): a hidden window that owns a tray icon, and a borderless,
// always-on-top window whose background is keyed out, showing the remaining time "mm:ss" of a
// count-down, redrawn by a 200 ms timer when the shown second changes.
//   minimal_tray_clock.exe [seconds]      (default 120; the count stops at 00:00)
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <cwctype>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT_PTR kTickTimer = 1;
constexpr COLORREF kKey = RGB(250, 250, 250);
constexpr COLORREF kText = RGB(0, 128, 0);

ULONGLONG startedAt = 0;
ULONGLONG lengthMs = 120'000;
wchar_t shown[16] = L"";
HFONT font = nullptr;

void remainingText(wchar_t (&text)[16]) {
  const ULONGLONG elapsed = GetTickCount64() - startedAt;
  const ULONGLONG left = elapsed >= lengthMs ? 0 : (lengthMs - elapsed + 999) / 1000;
  swprintf(text, 16, L"%02llu:%02llu", left / 60, left % 60);
}

LRESULT CALLBACK clockProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER: {
      wchar_t text[16];
      remainingText(text);
      if (wcscmp(text, shown) != 0) {
        wcscpy(shown, text);
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    }
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      HBRUSH key = CreateSolidBrush(kKey);
      FillRect(reinterpret_cast<HDC>(wp), &r, key);
      DeleteObject(key);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      HGDIOBJ old = SelectObject(dc, font);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, kText);
      DrawTextW(dc, shown, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      SelectObject(dc, old);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

LRESULT CALLBACK trayProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kTrayMessage && LOWORD(lp) == WM_RBUTTONUP) {
    PostQuitMessage(0);
    return 0;
  }
  if (msg == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND makeWindow(const wchar_t* className, WNDPROC proc, DWORD exStyle, DWORD style, int x, int y,
                int width, int height) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
  return CreateWindowExW(exStyle, className, className, style, x, y, width, height, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR args, int) {
  if (args != nullptr && std::iswdigit(args[0])) lengthMs = std::wcstoull(args, nullptr, 10) * 1000;
  startedAt = GetTickCount64();
  remainingText(shown);

  HWND tray = makeWindow(L"MinimalTrayClockOwner", trayProc, 0, WS_OVERLAPPED, 0, 0, 0, 0);
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = tray;
  icon.uID = 1;
  icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  icon.uCallbackMessage = kTrayMessage;
  icon.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  wcscpy(icon.szTip, L"Minimal tray clock");
  Shell_NotifyIconW(NIM_ADD, &icon);

  font = CreateFontW(-48, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"Trebuchet MS");
  HWND clock =
      makeWindow(L"MinimalTrayClock", clockProc, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED,
                 WS_POPUP, 900, 40, 200, 70);
  SetLayeredWindowAttributes(clock, kKey, 255, LWA_COLORKEY | LWA_ALPHA);
  ShowWindow(clock, SW_SHOWNOACTIVATE);
  SetTimer(clock, kTickTimer, 200, nullptr);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  Shell_NotifyIconW(NIM_DELETE, &icon);
  DeleteObject(font);
  DestroyWindow(clock);
  DestroyWindow(tray);
  return 0;
}
