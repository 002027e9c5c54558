#include "clock/timeout_colours.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/option_names.h"
#include "services/picture_size.h"
#include "services/program_ini.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

// A colour number of TimeData.db [Hotkey]; a text that is no number gives black.
std::uint32_t overtimeColour(Context& context, const char* key, const char* fallback) {
  const std::string text = readProgramIni(context.platform, "Hotkey", key, fallback);
  return static_cast<std::uint32_t>(CLng(Val(text)));
}

// The back picture of the settings into Picture3, at most 600 x 450 pixels as the face uses
// it; false when there is none to show.
bool reloadBackPicture(Context& context, platform::Control& Picture3) {
  SettingsBlock& settings = context.settings;
  const std::vector<std::string> parts = Split(settings.picturename, "\\");
  const std::string name = parts.empty() ? "" : parts[0];
  Picture3.setPicture("", 0, 0);
  const std::string path = context.pathInProgramFolder("picture\\" + name);
  context.run.BackPictureOn = false;
  if (name.empty() || !context.platform.files.normalFileExists(path)) return false;
  const PictureDimensions size = PictureSize(context.platform.files, path);
  Picture3.setPicture(path, size.width, size.height);
  context.run.BackPictureOn = true;
  settings.picture_width = std::min(size.width, 600);
  settings.picture_height = std::min(size.height, 450);
  return true;
}

}  // namespace

void ClockWindow::showOvertimeColours(ClockWindow* mirror) {
  Context& context = context_;
  const char* where = "Timer8";
  Timer8.setEnabled(false);
  attempt(context.platform.log, where, [&] { SetTopmost(context.run, *this); });
  std::uint32_t fore = 0, back = 0;
  attempt(context.platform.log, where,
          [&] { fore = overtimeColour(context, "outForeColor", "65535"); });
  attempt(context.platform.log, where,
          [&] { back = overtimeColour(context, "outbackColor", "255"); });
  context.run.OvertimePrefix = "";
  context.run.BlinkCount = 0;
  Picture1.setVisible(true);
  Picture2.setVisible(true);

  for (platform::Control* text : {&Label1(1), &Label1(2), &Label9, &Label11, &Picture2}) {
    text->setForeColor(fore);
  }
  if (mirror) mirror->setTextColour(fore);

  if (optionChar(context.settings.checkvalue, CheckFlag::TransparentBack) == "0") {
    bool picture = false;
    attempt(context.platform.log, where, [&] { picture = reloadBackPicture(context, Picture3); });
    if (!picture) {
      setBackColour(back);
      if (mirror) mirror->setBackColour(back);
    }
  } else {
    Picture3.setPicture("", 0, 0);
    context.run.BackPictureOn = false;
    attempt(context.platform.log, where, [&] { changcolor(fore); });
  }
}

void timeoutColours(Context& context, FloatingClock& clock) {
  MirrorClock* mirror = nullptr;
  attempt(context.platform.log, "Timer8", [&] {
    if (ReadSecondScreen(context.platform, context.ports()) == 1) mirror = &context.mirrorClock();
  });
  clock.showOvertimeColours(mirror);
}

void timeoutColours(Context&, MirrorClock& mirror) { mirror.showOvertimeColours(nullptr); }

}  // namespace horalix
