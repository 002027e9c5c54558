#include "services/control_frame.h"

#include "platform/forms.h"

namespace horalix {

void FrameControl(platform::Control& shape, const platform::Control& control) {
  shape.move(control.Left() - 15, control.Top() - 15, control.Width() + 30, control.Height() + 30);
}

}  // namespace horalix
