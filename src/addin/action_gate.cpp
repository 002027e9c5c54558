#include "addin/action_gate.h"

#include <string_view>

#include "addin/handover_values.h"
#include "services/runtime_error.h"
#include "services/stored_version.h"
#include "services/text_runtime.h"
#include "services/value_store.h"

namespace horalix::addin {

namespace {

// A version number passed once through its stored text form, "." as the decimal point whatever
// the user's locale, so that a number read back compares equal to the one written.
double throughText(double version) {
  try {
    return Val(CStr(version));
  } catch (const RuntimeError&) {
    return 1;
  }
}

}  // namespace

double addinVersion() { return HORALIX_VERSION_MAJOR + HORALIX_VERSION_MINOR / 10.0; }

bool ActionGate(AddinServices& services) {
  if (!CheckVersion(services)) return false;
  return CheckInstallFiles(services);
}

bool CheckVersion(AddinServices& services) {
  const double own = addinVersion();
  ValueStore store = programValues(services);
  const double stored = readStoredVersion(store);
  const double normalised = throughText(stored);
  if (normalised > own) {
    services.messageBoxes.show("请使用最新版本", kAddinTitle, platform::mb::Ok);
    return false;
  }
  if (normalised < own) {
    store.writeText("Version", CStr(own));
    return true;
  }
  // Equal once formatted, but the stored number itself differs in a digit beyond what the text
  // form keeps: not this release's value, yet not a newer one either, so no message.
  return normalised == stored;
}

bool CheckInstallFiles(AddinServices& services) {
  std::string folder = services.libraryFolder;
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  bool complete = true;
  for (const char* name : kAddinRequiredFiles) {
    if (!services.files.normalFileExists(folder + name)) complete = false;
  }
  if (!complete) {
    services.messageBoxes.show("保持程序完整，请重新安装", kAddinTitle, platform::mb::Ok);
  }
  return complete;
}

std::string CutAtLineEnd(std::string& text) {
  const auto end = text.find_first_of(std::string_view("\r\n\0", 3));
  if (end != std::string::npos) text.erase(end);
  return text;
}

}  // namespace horalix::addin
