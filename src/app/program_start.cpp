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
void publishProgramFolder(Context& app) {
  programValues(app).writeText("pathget", app.programFolder());
}

}  // namespace

void Main(Context& app) {
  if (!app.platform.instance.claim()) {
    app.endProcess(0);
    return;
  }
  attempt(app, "Main, common controls", [&] { InitControls(app); });
  attempt(app, "Main, program folder", [&] { publishProgramFolder(app); });
  bool mayRun = false;
  attempt(app, "Main, start-up check", [&] { mayRun = StartupCheck(app); });
  if (!mayRun) {
    app.endProcess(0);
    return;
  }
  // On the first start of a version the check has just deleted the stored settings, pathget
  // with them; without it the add-in could not start the program until its next start.
  attempt(app, "Main, program folder again", [&] { publishProgramFolder(app); });

  platform::Form* windows[] = {&app.mainWindow(),      &app.promptBar(),
                               &app.secondPromptBar(), &app.interactionWindow(),
                               &app.floatingClock(),   &app.mirrorClock()};
  for (platform::Form* window : windows) {
    attempt(app, "Main, opening a window", [&] { window->Show(); });
  }
}

bool InitControls(Context& app) {
  try {
    return app.platform.forms.initCommonControls();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace horalix
