#include "services/startup_check.h"

#include "platform/message_boxes.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/program_values.h"
#include "services/runtime_error.h"
#include "services/settings_record.h"
#include "services/stored_version.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

double storedVersion(Context& context) {
  ValueStore store = programValues(context);
  return readStoredVersion(store);
}

}  // namespace

double programVersion() { return kVersionMajor + kVersionMinor / 10.0; }

std::string versionText(double version) { return CStr(version); }

double versionFromText(const std::string& text) {
  try {
    return Val(text);
  } catch (const RuntimeError&) {
    return 0;
  }
}

bool StartupCheck(Context& context, const std::function<void()>& beforeRefusal) {
  if (!CheckVersion(context, beforeRefusal)) return false;
  return CheckInstallFiles(context, beforeRefusal);
}

bool CheckVersion(Context& context, const std::function<void()>& beforeRefusal) {
  const double current = programVersion();
  // Passed once through its text form, as it is stored, so that an unchanged value compares
  // equal to this build's.
  const double stored = versionFromText(versionText(storedVersion(context)));
  if (stored > current) {
    if (beforeRefusal) beforeRefusal();
    context.platform.messageBoxes.show("请使用最新版本", kProgramTitle, platform::mb::Ok);
    return false;
  }
  if (stored < current) {
    attempt(context.platform.log, "CheckVersion, deleting the settings",
            [&] { DeleteSettings(context); });
    attempt(context.platform.log, "CheckVersion, storing the version",
            [&] { programValues(context).writeText("Version", versionText(current)); });
  }
  return true;
}

bool CheckInstallFiles(Context& context, const std::function<void()>& beforeRefusal) {
  bool complete = true;
  for (const char* name : kRequiredFiles) {
    if (!context.platform.files.normalFileExists(context.pathInProgramFolder(name)))
      complete = false;
  }
  if (!complete) {
    if (beforeRefusal) beforeRefusal();
    context.platform.messageBoxes.show("保持程序完整，请重新安装", kProgramTitle, platform::mb::Ok);
  }
  return complete;
}

}  // namespace horalix
