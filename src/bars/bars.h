// The bars subsystem's public interface: the prompt bars, the spotlight windows and their menu,
// and the time-up prompt and the online help window, which other folders only show: those two
// are built here and held by the program as forms. Other folders include this header, never the
// files behind it.
#pragma once

#include "bars/bars_needs.h"
#include "bars/follow_spotlight.h"
#include "bars/prompt_bar.h"
#include "bars/spotlight_dark_layer.h"
#include "bars/spotlight_menu.h"
#include "bars/spotlight_veil.h"
#include "platform/owned_form.h"

namespace horalix {

class TimeUpPrompt;
class OnlineHelpWindow;

platform::OwnedForm<TimeUpPrompt> makeTimeUpPrompt(BarsNeeds& needs);
platform::OwnedForm<OnlineHelpWindow> makeOnlineHelpWindow(BarsNeeds& needs);

}  // namespace horalix
