// Mouse messages of a form or a picture box turned into the model's mouse events.
#pragma once

#include <windows.h>

#include "platform/forms.h"
#include "platform/win32/screen_units.h"

namespace horalix::win32 {

// Passes a mouse message (a button pressed, the pointer moving, a double click of the left
// button) to the form's handlers; false when the form has no handler for it, so that the
// message takes its default course.
bool forwardMouse(platform::Form& form, UINT msg, WPARAM wp, LPARAM lp, const ScreenUnits& units);
// The same for a control: a button pressed or the pointer moving over it.
bool forwardMouse(platform::Control& control, UINT msg, WPARAM wp, LPARAM lp,
                  const ScreenUnits& units);

}  // namespace horalix::win32
