#include "clock/timeout_colours.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/picture_size.h"
#include "services/program_folder.h"
#include "services/program_ini.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

// A colour number of TimeData.db [Hotkey]; a text that is no number gives black.
std::uint32_t overtimeColour(platform::Platform& platform, const char* key, const char* fallback) {
  const std::string text = readProgramIni(platform, "Hotkey", key, fallback);
  return static_cast<std::uint32_t>(CLng(Val(text)));
}

// The back picture of the settings into Picture3, at most 600 x 450 pixels as the face uses
// it; false when there is none to show.
bool reloadBackPicture(platform::Platform& platform, SettingsBlock& settings, RunState& run,
                       platform::Control& Picture3) {
  const std::vector<std::string> parts = Split(settings.picturename, "\\");
  const std::string name = parts.empty() ? "" : parts[0];
  Picture3.setPicture("", 0, 0);
  const std::string path = pathInProgramFolder(platform, "picture\\" + name);
  run.BackPictureOn = false;
  if (name.empty() || !platform.files.normalFileExists(path)) return false;
  const PictureDimensions size = PictureSize(platform.files, path);
  Picture3.setPicture(path, size.width, size.height);
  run.BackPictureOn = true;
  settings.picture_width = std::min(size.width, 600);
  settings.picture_height = std::min(size.height, 450);
  return true;
}

}  // namespace

void ClockWindow::showOvertimeColours(ClockWindow* mirror) {
  ClockNeeds& needs = needs_;
  const char* where = "Timer8";
  Timer8.setEnabled(false);
  attempt(needs.platform.log, where, [&] { SetTopmost(needs.run, *this); });
  std::uint32_t fore = 0, back = 0;
  attempt(needs.platform.log, where,
          [&] { fore = overtimeColour(needs.platform, "outForeColor", "65535"); });
  attempt(needs.platform.log, where,
          [&] { back = overtimeColour(needs.platform, "outbackColor", "255"); });
  needs.run.OvertimePrefix = "";
  needs.run.BlinkCount = 0;
  Picture1.setVisible(true);
  Picture2.setVisible(true);

  for (platform::Control* text : {&Label1(1), &Label1(2), &Label9, &Label11, &Picture2}) {
    text->setForeColor(fore);
  }
  if (mirror) mirror->setTextColour(fore);

  if (optionChar(needs.settings.checkvalue, CheckFlag::TransparentBack) == "0") {
    bool picture = false;
    attempt(needs.platform.log, where, [&] {
      picture = reloadBackPicture(needs.platform, needs.settings, needs.run, Picture3);
    });
    if (!picture) {
      setBackColour(back);
      if (mirror) mirror->setBackColour(back);
    }
  } else {
    Picture3.setPicture("", 0, 0);
    needs.run.BackPictureOn = false;
    attempt(needs.platform.log, where, [&] { changcolor(fore); });
  }
}

void timeoutColours(platform::Platform& platform, InteractionMenu& interactionMenu,
                    MirrorClock& mirrorClock, FloatingClock& clock) {
  MirrorClock* mirror = nullptr;
  attempt(platform.log, "Timer8", [&] {
    if (ReadSecondScreen(platform, interactionMenu) == 1) mirror = &mirrorClock;
  });
  clock.showOvertimeColours(mirror);
}

void timeoutColours(MirrorClock& mirror) { mirror.showOvertimeColours(nullptr); }

}  // namespace horalix
