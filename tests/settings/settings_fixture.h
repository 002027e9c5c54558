// The settings window of a program on a fresh simulated desktop, with the record at its
// defaults and the program's own font set installed.
#pragma once

#include <string>

#include "services/program_folder.h"
#include "services/settings_record.h"
#include "settings/settings_lists.h"
#include "settings/settings_window.h"
#include "support/program_fixture.h"

namespace horalix::test {

class SettingsFixture : public ProgramFixture {
 protected:
  void SetUp() override {
    app.settings = defaultSettings();
    installFile("font\\Arial Black.ttf");
    fillSettingsLists(fields, files, platform.fonts, programFolder(app.platform));
  }

  platform::Control& c(const std::string& name, int index = -1) {
    return controlNamed(window, name, index);
  }
  // The texts of the timed notices shown so far.
  std::vector<std::string> notices() const {
    std::vector<std::string> texts;
    for (const auto& box : messageBoxes.shown()) texts.push_back(box.text);
    return texts;
  }

  // A REG_DWORD value of the program's key; -1 when it is missing.
  std::int32_t storedNumber(const std::string& name) {
    const auto value = stored(name);
    return value ? platform::regDwordNumber(*value) : -1;
  }

  SettingsWindow& window = app.settingsWindow();
  const SettingsFields& fields = window.fields();
};

}  // namespace horalix::test
