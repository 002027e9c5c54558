#include "services/startup_check.h"

#include "platform/message_boxes.h"
#include "services/attempt.h"
#include "services/program_folder.h"
#include "services/program_values.h"
#include "services/runtime_error.h"
#include "services/settings_record.h"
#include "services/stored_version.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

double storedVersion(platform::Platform& platform) {
  ValueStore store = programValues(platform);
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

bool StartupCheck(platform::Platform& platform, const std::function<void()>& beforeRefusal) {
  if (!CheckVersion(platform, beforeRefusal)) return false;
  return CheckInstallFiles(platform, beforeRefusal);
}

bool CheckVersion(platform::Platform& platform, const std::function<void()>& beforeRefusal) {
  const double current = programVersion();
  // Passed once through its text form, as it is stored, so that an unchanged value compares
  // equal to this build's.
  const double stored = versionFromText(versionText(storedVersion(platform)));
  if (stored > current) {
    if (beforeRefusal) beforeRefusal();
    platform.messageBoxes.show("请使用最新版本", kProgramTitle, platform::mb::Ok);
    return false;
  }
  if (stored < current) {
    attempt(platform.log, "CheckVersion, deleting the settings", [&] { DeleteSettings(platform); });
    attempt(platform.log, "CheckVersion, storing the version",
            [&] { programValues(platform).writeText("Version", versionText(current)); });
  }
  return true;
}

bool CheckInstallFiles(platform::Platform& platform, const std::function<void()>& beforeRefusal) {
  bool complete = true;
  for (const char* name : kRequiredFiles) {
    if (!platform.files.normalFileExists(pathInProgramFolder(platform, name))) complete = false;
  }
  if (!complete) {
    if (beforeRefusal) beforeRefusal();
    platform.messageBoxes.show("保持程序完整，请重新安装", kProgramTitle, platform::mb::Ok);
  }
  return complete;
}

}  // namespace horalix
