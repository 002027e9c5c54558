#include "app/program_start.h"

#include <exception>

#include "app/app.h"
#include "app/attempt.h"
#include "app/program_values.h"
#include "app/runtime_error.h"
#include "app/settings_record.h"
#include "app/text_runtime.h"
#include "bars/frm_process.h"
#include "clock/time_glass.h"
#include "clock/time_glass_two.h"
#include "interaction/frm_hudong.h"
#include "main/frm_exit.h"
#include "platform/message_boxes.h"

namespace horalix {

namespace {

// The add-in finds the program by the folder stored in pathget.
void PublishProgramFolder(App& app) {
  ProgramValues(app).writeText("pathget", app.programFolder());
}

// The stored version as a number: through the shell the value converted as a number; when that
// fails, the leading number of what the registry functions give (0 when missing).
double StoredVersion(App& app) {
  ValueStore store = ProgramValues(app);
  if (const auto value = store.shellRead("Version")) {
    try {
      if (const auto* text = std::get_if<std::string>(&*value)) return CDbl(*text);
      if (const auto* number = std::get_if<std::int32_t>(&*value)) return *number;
    } catch (const RuntimeError&) {
    }
  }
  try {
    return Val(variantText(store.registryRead("Version")));
  } catch (const RuntimeError&) {
    return 0;
  }
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

bool StartupCheck(App& app, const std::function<void()>& beforeRefusal) {
  if (!CheckVersion(app, beforeRefusal)) return false;
  return CheckInstallFiles(app, beforeRefusal);
}

bool CheckVersion(App& app, const std::function<void()>& beforeRefusal) {
  const double current = ProgramVersion();
  // Passed once through its text form, as it is stored, so that an unchanged value compares
  // equal to this build's.
  const double stored = VersionFromText(VersionText(StoredVersion(app)));
  if (stored > current) {
    if (beforeRefusal) beforeRefusal();
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

bool CheckInstallFiles(App& app, const std::function<void()>& beforeRefusal) {
  bool complete = true;
  for (const char* name : kRequiredFiles) {
    if (!app.platform.files.normalFileExists(app.pathInProgramFolder(name))) complete = false;
  }
  if (!complete) {
    if (beforeRefusal) beforeRefusal();
    app.platform.messageBoxes.show("保持程序完整，请重新安装", kProgramTitle, platform::mb::Ok);
  }
  return complete;
}

}  // namespace horalix
