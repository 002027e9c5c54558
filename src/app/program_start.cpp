#include "app/program_start.h"

#include <exception>

#include "bars/bars.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/main.h"
#include "platform/message_boxes.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/program_values.h"
#include "services/startup_check.h"

namespace horalix {

namespace {

// The add-in finds the program by the folder stored in pathget.
void publishProgramFolder(Context& context) {
  programValues(context.platform).writeText("pathget", context.programFolder());
}

}  // namespace

void Main(Context& context) {
  if (!context.platform.instance.claim()) {
    context.endProcess(0);
    return;
  }
  attempt(context.platform.log, "Main, common controls", [&] { InitControls(context); });
  attempt(context.platform.log, "Main, program folder", [&] { publishProgramFolder(context); });
  bool mayRun = false;
  attempt(context.platform.log, "Main, start-up check",
          [&] { mayRun = StartupCheck(context.platform); });
  if (!mayRun) {
    context.endProcess(0);
    return;
  }
  // On the first start of a version the check has just deleted the stored settings, pathget
  // with them; without it the add-in could not start the program until its next start.
  attempt(context.platform.log, "Main, program folder again",
          [&] { publishProgramFolder(context); });

  platform::Form* windows[] = {&context.mainWindow(),      &context.promptBar(),
                               &context.secondPromptBar(), &context.interactionWindow(),
                               &context.floatingClock(),   &context.mirrorClock()};
  for (platform::Form* window : windows) {
    attempt(context.platform.log, "Main, opening a window", [&] { window->Show(); });
  }
}

bool InitControls(Context& context) {
  try {
    return context.platform.forms.initCommonControls();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace horalix
