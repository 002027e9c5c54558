// A program object on a fresh simulated desktop, with short ways to set and read the values of
// its registry key HKEY_CURRENT_USER\Vantrel as a test finds or leaves them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/app.h"
#include "platform/ini_file.h"
#include "platform/registry.h"
#include "services/program_folder.h"
#include "support/headless_fixture.h"

namespace horalix::test {

class ProgramFixture : public HeadlessFixture {
 public:
  static constexpr auto HKCU = platform::RegRoot::CurrentUser;

  void storeText(const std::string& name, const std::string& text) {
    registry.setRaw(HKCU, "Vantrel", name, platform::regSzData(text));
  }
  void storeNumber(const std::string& name, std::int32_t number) {
    registry.setRaw(HKCU, "Vantrel", name, platform::regDwordData(number));
  }
  std::optional<platform::RegData> stored(const std::string& name) const {
    return registry.raw(HKCU, "Vantrel", name);
  }
  // A key of TimeData.db as stored; "" when it is missing.
  std::string iniValue(const std::string& section, const std::string& key) {
    return platform::IniFile(files).readString(iniPath(app.platform), section, key, "", 10000);
  }

  App app{platform};
};

}  // namespace horalix::test
