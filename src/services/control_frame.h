// The focus frame that the settings windows draw round the control in use.
#pragma once

namespace horalix {

namespace platform {
class Control;
}

// Places the frame shape 15 twips outside the control on every side.
void FrameControl(platform::Control& shape, const platform::Control& control);

}  // namespace horalix
