#include "app/program_start.h"

#include <exception>

#include "app/app.h"
#include "bars/bars.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/main.h"
#include "platform/message_boxes.h"
#include "services/attempt.h"
#include "services/program_values.h"
#include "services/runtime_error.h"
#include "services/settings_record.h"
#include "services/stored_version.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

// The add-in finds the program by the folder stored in pathget.
void PublishProgramFolder(App& app) {
  ProgramValues(app).writeText("pathget", app.programFolder());
}

double StoredVersion(App& app) {
  ValueStore store = ProgramValues(app);
  return ReadStoredVersion(store);
}

}  // namespace

double ProgramVersion() { return kVersionMajor + kVersionMinor / 10.0; }

std::string VersionText(double version) { return CStr(version); }

double VersionFromText(const std::string& text) {
  try {
    return Val(text);
  } catch (const RuntimeError&) {
    return 0;
  }
}

void Main(App& app) {
  if (!app.platform.instance.claim()) {
    app.endProcess(0);
    return;
  }
  Attempt(app, "Main, common controls", [&] { InitControls(app); });
  Attempt(app, "Main, program folder", [&] { PublishProgramFolder(app); });
  bool mayRun = false;
  Attempt(app, "Main, start-up check", [&] { mayRun = StartupCheck(app); });
  if (!mayRun) {
    app.endProcess(0);
    return;
  }
  // On the first start of a version the check has just deleted the stored settings, pathget
  // with them; without it the add-in could not start the program until its next start.
  Attempt(app, "Main, program folder again", [&] { PublishProgramFolder(app); });

  platform::Form* windows[] = {&app.frmExit(),   &app.frmProcess(), &app.frmProcessTwo(),
                               &app.frmHudong(), &app.timeGlass(),  &app.timeGlassTwo()};
  for (platform::Form* window : windows) {
    Attempt(app, "Main, opening a window", [&] { window->Show(); });
  }
}

bool InitControls(App& app) {
  try {
    return app.platform.forms.initCommonControls();
  } catch (const std::exception&) {
    return false;
  }
}

bool StartupCheck(App& app) {
  if (!CheckVersion(app)) return false;
  return CheckInstallFiles(app);
}

bool CheckVersion(App& app) {
  const double current = ProgramVersion();
  // Passed once through its text form, as it is stored, so that an unchanged value compares
  // equal to this build's.
  const double stored = VersionFromText(VersionText(StoredVersion(app)));
  if (stored > current) {
    app.platform.messageBoxes.show("请使用最新版本", kProgramTitle, platform::mb::Ok);
    return false;
  }
  if (stored < current) {
    Attempt(app, "CheckVersion, deleting the settings", [&] { DeleteSettings(app); });
    Attempt(app, "CheckVersion, storing the version",
            [&] { ProgramValues(app).writeText("Version", VersionText(current)); });
  }
  return true;
}

bool CheckInstallFiles(App& app) {
  bool complete = true;
  for (const char* name : kRequiredFiles) {
    if (!app.platform.files.normalFileExists(app.pathInProgramFolder(name))) complete = false;
  }
  if (!complete) {
    app.platform.messageBoxes.show("保持程序完整，请重新安装", kProgramTitle, platform::mb::Ok);
  }
  return complete;
}

}  // namespace horalix
