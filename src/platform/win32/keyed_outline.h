// A rounded outline on a colour-keyed window. Under Wine a window region on such a window leaves
// the cut-off corners black, so there the outline is drawn instead: everything outside it is
// painted in the key colour, which the window shows as see-through, and no region is set. A
// window without a colour key (opaque, or see-through by alpha only) keeps its region.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/forms.h"

namespace horalix::win32 {

// The key colour of a top-level window that keys out a colour, if it does.
std::optional<COLORREF> colourKeyOf(HWND window);

// Paints the part of a surface that lies outside the window's outline in the window's key
// colour. The surface is `size` pixels, at `origin` in the window's client coordinates (a child
// control, or the window's own background at (0, 0)). Does nothing for a window without an
// outline or without a colour key.
void paintOutsideOutline(HDC dc, HWND window, const std::optional<platform::WindowRegion>& outline,
                         POINT origin, SIZE size);

}  // namespace horalix::win32
