#include "app/program_start.h"

#include <exception>

#include "app/app.h"
#include "platform/message_boxes.h"
#include "services/attempt.h"
#include "services/program_folder.h"
#include "services/program_values.h"
#include "services/startup_check.h"

namespace horalix {

namespace {

// The add-in finds the program by the folder stored in pathget.
void publishProgramFolder(App& app) {
  programValues(app.platform).writeText("pathget", programFolder(app.platform));
}

}  // namespace

Program::Program(platform::Platform& platform) : app_(std::make_unique<App>(platform)) {
  Main(*app_);
}

Program::~Program() = default;

bool Program::ended() const { return app_->ended(); }

void Main(App& app) {
  if (!app.platform.instance.claim()) {
    app.endProcess(0);
    return;
  }
  attempt(app.platform.log, "Main, common controls", [&] { InitControls(app); });
  attempt(app.platform.log, "Main, program folder", [&] { publishProgramFolder(app); });
  bool mayRun = false;
  attempt(app.platform.log, "Main, start-up check", [&] { mayRun = StartupCheck(app.platform); });
  if (!mayRun) {
    app.endProcess(0);
    return;
  }
  // On the first start of a version the check has just deleted the stored settings, pathget
  // with them; without it the add-in could not start the program until its next start.
  attempt(app.platform.log, "Main, program folder again", [&] { publishProgramFolder(app); });

  platform::Form* windows[] = {&app.mainWindow(),      &app.promptBar(),
                               &app.secondPromptBar(), &app.interactionWindow(),
                               &app.floatingClock(),   &app.mirrorClock()};
  for (platform::Form* window : windows) {
    attempt(app.platform.log, "Main, opening a window", [&] { window->Show(); });
  }
}

bool InitControls(App& app) {
  try {
    return app.platform.forms.initCommonControls();
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace horalix
