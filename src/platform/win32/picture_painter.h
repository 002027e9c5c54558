// Paints a picture box or image from the model: its back colour, its picture at its natural size,
// then what the program drew into it (clears, pictures, texts) in the order drawn.
#pragma once

#include <windows.h>

#include "platform/forms.h"
#include "platform/win32/picture_cache.h"
#include "platform/win32/screen_units.h"

namespace horalix::win32 {

void paintPictureBox(HDC dc, SIZE size, const platform::Control& box, const ScreenUnits& units,
                     PictureCache& pictures);

}  // namespace horalix::win32
