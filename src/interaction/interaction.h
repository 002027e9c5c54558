// The interaction subsystem's public interface: the interaction countdown window, the commands
// that start and end a countdown, what the interaction menu shows of the stored presets, and the
// interaction settings window, built here and held by the program as a form. Other folders
// include this header, never the files behind it.
#pragma once

#include "interaction/interaction_commands.h"
#include "interaction/interaction_menu_entry.h"
#include "interaction/interaction_needs.h"
#include "interaction/interaction_window.h"
#include "platform/owned_form.h"

namespace horalix {

class InteractionSettingsWindow;

platform::OwnedForm<InteractionSettingsWindow> makeInteractionSettingsWindow(
    InteractionNeeds& needs);

}  // namespace horalix
