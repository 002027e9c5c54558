// Mouse messages of a form or a control turned into the model's mouse events.
#pragma once

#include <windows.h>

#include "platform/forms.h"
#include "platform/win32/screen_units.h"

namespace horalix::win32 {

// Whether the message is one of those forwarded below.
bool isMouseInput(UINT msg);

// Passes a mouse message (a button pressed or released, the pointer moving, a double click of
// the left button) to the form's handlers; false when the form has no handler for it, so that
// the message takes its default course. A double click goes to DblClick, or counts as a second
// press where there is none. With `capture`, a press on a window that handles the mouse keeps
// the mouse in that window until the last button is released, so that a drag that leaves the
// window still reports its moves and its release.
bool forwardMouse(platform::Form& form, UINT msg, WPARAM wp, LPARAM lp, const ScreenUnits& units,
                  HWND capture);
// The same for a control.
bool forwardMouse(platform::Control& control, UINT msg, WPARAM wp, LPARAM lp,
                  const ScreenUnits& units, HWND capture);

}  // namespace horalix::win32
