#include "platform/win32/keyed_outline.h"

namespace horalix::win32 {

std::optional<COLORREF> colourKeyOf(HWND window) {
  if (window == nullptr || (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) {
    return std::nullopt;
  }
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window, &key, &alpha, &flags) || (flags & LWA_COLORKEY) == 0) {
    return std::nullopt;
  }
  return key;
}

void paintOutsideOutline(HDC dc, HWND window, const std::optional<platform::WindowRegion>& outline,
                         POINT origin, SIZE size) {
  if (!outline || size.cx <= 0 || size.cy <= 0) return;
  const std::optional<COLORREF> key = colourKeyOf(window);
  if (!key) return;
  // The outline is given in pixels of the window; a borderless window's client area starts at
  // its top-left corner, a framed one's further in.
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const int dx = client.x - frame.left + origin.x;
  const int dy = client.y - frame.top + origin.y;
  HRGN outside = CreateRectRgn(0, 0, size.cx, size.cy);
  HRGN face =
      CreateRoundRectRgn(outline->left - dx, outline->top - dy, outline->right - dx,
                         outline->bottom - dy, outline->ellipseWidth, outline->ellipseHeight);
  CombineRgn(outside, outside, face, RGN_DIFF);
  HBRUSH brush = CreateSolidBrush(*key);
  FillRgn(dc, outside, brush);
  DeleteObject(brush);
  DeleteObject(face);
  DeleteObject(outside);
}

}  // namespace horalix::win32
