// The options that act the moment they change: they store their value at once (registry or
// TimeData.db), change the system's window colour, or show and hide other controls.
#include <string>

#include "services/attempt.h"
#include "services/palette.h"
#include "services/program_ini.h"
#include "services/program_values.h"
#include "services/text_runtime.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"

namespace horalix {

namespace {

constexpr int kCustomColour = 17;                   // the colour list's entry "自定义"
constexpr int kOvertimeRecolour = 1;                // the overtime display "变色"
constexpr int kWindowElement = 5;                   // the system's window background
constexpr std::uint32_t kEyeProtection = 13625803;  // 0xCFE9CB, a soft green
constexpr std::uint32_t kWhite = 16777215;

}  // namespace

std::string SettingsWindow::readHotkey(const std::string& key, const std::string& fallback) {
  std::string text = fallback;
  attempt(needs_.platform.log, "settings",
          [&] { text = readProgramIni(needs_.platform, "Hotkey", key, fallback); });
  return text;
}

void SettingsWindow::writeHotkey(const std::string& key, const std::string& value) {
  attempt(needs_.platform.log, "settings",
          [&] { writeProgramIni(needs_.platform, "Hotkey", key, value); });
}

void SettingsWindow::Check1_Click(int index) {
  const int value = fields_.Check1[index].Value();
  switch (index) {
    case 5:
      transparentBackground();
      break;
    case 6:
      secondScreenSwitch();
      break;
    case 7:
      attempt(needs_.platform.log, "settings", [&] {
        programValues(needs_.platform)
            .write("clockcycle", std::int32_t{value}, platform::regtype::Dword);
      });
      break;
    case 8:
      // The hot keys themselves are registered anew only by the apply command.
      writeHotkey("opentogetherstop", std::to_string(value));
      break;
    default:
      break;
  }
}

void SettingsWindow::transparentBackground() {
  const bool transparent = fields_.Check1[5].Value() == 1;
  if (fields_.Combo3.ListIndex() == kCustomColour && transparent) {
    notice("透明时钟建议选用程序设置颜色", 1000);
  }
  fields_.Text1[5].setText("");
  const bool opaque = fields_.Check1[5].Value() == 0;
  // The custom background and the corner radius are pointless on a transparent background.
  for (platform::Control* control :
       {&Label1[17], &fields_.Text1[5], &Command3[1], &Label1[18], &fields_.Combo4})
    control->setVisible(opaque);
  if (fields_.Combo7.ListIndex() == kOvertimeRecolour) {
    Label12[1].setVisible(opaque);
    Text6[1].setVisible(opaque);
  }
}

void SettingsWindow::Combo7_Click() {
  const int display = fields_.Combo7.ListIndex();
  attempt(needs_.platform.log, "settings", [&] {
    programValues(needs_.platform)
        .write("Timeout", std::int32_t{display}, platform::regtype::Dword);
  });
  Text6[0].setBackColor(colourFromText(readHotkey("outForeColor", "65535")));
  Text6[1].setBackColor(colourFromText(readHotkey("outbackColor", "255")));
  const bool recolour = display == kOvertimeRecolour;
  for (int i = 0; i <= 1; ++i) {
    Label12[i].setVisible(recolour);
    Text6[i].setVisible(recolour);
  }
  // A transparent clock has no background to recolour.
  if (recolour && fields_.Check1[5].Value() == 1) {
    Label12[1].setVisible(false);
    Text6[1].setVisible(false);
  }
}

void SettingsWindow::Text6_Click(int index) {
  const auto colour = needs_.platform.dialogs.chooseColor(0);
  if (!colour) return;
  Text6[index].setBackColor(*colour);
  ColourChoice = static_cast<std::int32_t>(*colour);
  if (index == 0) writeHotkey("outForeColor", colourText(*colour));
  if (index == 1) writeHotkey("outbackColor", colourText(*colour));
}

void SettingsWindow::Check10_Click() {
  platform::Desktop& desktop = needs_.platform.desktop;
  if (desktop.systemColor(kWindowElement) == kEyeProtection) {
    desktop.setSystemColor(kWindowElement, kWhite);
    notice("电脑眼睛保护色已恢得成白色", 1500);
  } else {
    desktop.setSystemColor(kWindowElement, kEyeProtection);
    notice("电脑眼睛保护色已设置,再点一次该工具恢复成白色", 1500);
  }
}

}  // namespace horalix
