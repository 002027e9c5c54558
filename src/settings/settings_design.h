// The design of the settings window: its controls, their places and captions.
#pragma once

#include <span>

#include "platform/control_design.h"

namespace horalix {

std::span<const platform::ControlDesign> settingsDesign();

}  // namespace horalix
