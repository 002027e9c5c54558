#include "services/wps_detection.h"

#include <optional>
#include <string>

#include "platform/scripting_shell.h"
#include "services/registry_routines.h"
#include "services/text_helpers.h"

namespace horalix {

namespace {

constexpr const char* kVersionKey = "Software\\kingsoft\\Office\\6.0\\Common";

// The shell's value as text; nullopt for a value that does not convert (a list or bytes),
// which counts as the shell failing.
std::optional<std::string> shellText(const platform::ShellValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
  return std::nullopt;
}

}  // namespace

bool IsWpsInstalled(platform::ScriptingShell& shell, platform::Registry& registry) {
  std::optional<std::string> version;
  if (const auto value =
          shell.regRead(std::string("HKEY_CURRENT_USER\\") + kVersionKey + "\\Version")) {
    version = shellText(*value);
  }
  if (!version) {
    // The registry functions hand back the text with its terminating NUL; cut as every read
    // of the fallback is, so that an empty value means "not installed" either way.
    version = CutAtControlChar(std::string_view(
        variantText(QueryValue(registry, platform::RegRoot::CurrentUser, kVersionKey, "Version"))));
  }
  return !version->empty();
}

}  // namespace horalix
