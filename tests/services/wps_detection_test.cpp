#include "services/wps_detection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/headless_registry.h"
#include "platform/headless/headless_scripting_shell.h"

namespace horalix {
namespace {

using platform::RegData;
using platform::RegRoot;
namespace regtype = platform::regtype;

constexpr const char* kKey = "Software\\kingsoft\\Office\\6.0\\Common";

TEST(WpsDetection, VersionValueFoundEitherWayMeansInstalled) {
  struct Case {
    const char* what;
    bool hasValue;
    RegData value;
    bool shellAvailable;
    bool installed;
  };
  const std::vector<Case> cases = {
      {"no value", false, {}, true, false},
      {"no value, no shell", false, {}, false, false},
      {"text", true, {regtype::Sz, std::string("12.1.0.1\0", 9)}, true, true},
      {"text, no shell", true, {regtype::Sz, std::string("12.1.0.1\0", 9)}, false, true},
      {"number", true, {regtype::Dword, std::string("\x06\0\0\0", 4)}, true, true},
      {"number, no shell", true, {regtype::Dword, std::string("\x06\0\0\0", 4)}, false, true},
      {"empty text", true, {regtype::Sz, std::string(1, '\0')}, true, false},
      {"empty text, no shell", true, {regtype::Sz, std::string(1, '\0')}, false, false},
      {"bytes, no shell", true, {regtype::Binary, "\x01\x02"}, false, false},
  };
  for (const Case& c : cases) {
    platform::HeadlessRegistry registry;
    platform::HeadlessScriptingShell shell(registry);
    if (c.hasValue) registry.setRaw(RegRoot::CurrentUser, kKey, "Version", c.value);
    shell.setAvailable(c.shellAvailable);
    EXPECT_EQ(IsWpsInstalled(shell, registry), c.installed) << c.what;
  }
}

}  // namespace
}  // namespace horalix
