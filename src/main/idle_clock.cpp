#include "main/idle_clock.h"

#include <algorithm>

#include "bars/bars.h"
#include "clock/clock.h"
#include "main/main_needs.h"
#include "main/main_window.h"
#include "services/attempt.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/picture_size.h"
#include "services/program_folder.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/time_value.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

constexpr int kParkDistance = 5000;
constexpr int kWidestPicture = 600;
constexpr int kHighestPicture = 450;

// The format characters of optvalue choose the format; the last one set wins and none set
// (or one that is no number) means hours:minutes:seconds.
int displayFormat(const std::string& optvalue) {
  int format = 3;
  if (optionOn(optvalue, OptFlag::FormatSeconds)) format = 1;
  if (optionOn(optvalue, OptFlag::FormatMinutes)) format = 2;
  if (optionOn(optvalue, OptFlag::FormatHours)) format = 3;
  return format;
}

// A prompt bar still counting while no run is bound is taken off the screen; the primary one
// also asks for a run start, which settles the clocks.
void parkStaleBars(MainNeeds& needs) {
  PromptBar& primary = needs.promptBar;
  if (primary.textUpdating()) {
    needs.run.holdOff = 0;
    primary.stopAndPark(kParkDistance);
    needs.floatingClock.armRunStart();
  }
  PromptBar& extended = needs.secondPromptBar;
  if (extended.textUpdating()) extended.stopAndPark(kParkDistance);
}

// The back picture's size from its file, or, without one, the back colour after the "\". A
// size or colour that cannot be read leaves what was there; the size is capped either way.
void applyBackground(MainNeeds& needs, bool mirrored) {
  const char* where = "idle clock, back picture";
  SettingsBlock& settings = needs.settings;
  const std::vector<std::string> parts = Split(settings.picturename, "\\");
  const std::string file = parts.empty() ? "" : parts[0];
  const std::string path = pathInProgramFolder(needs.platform, "picture\\" + file);
  if (!file.empty() && needs.platform.files.normalFileExists(path)) {
    attempt(needs.platform.log, where, [&] {
      const PictureDimensions size = PictureSize(needs.platform.files, path);
      settings.picture_width = size.width;
      settings.picture_height = size.height;
    });
  } else if (parts.size() > 1) {
    attempt(needs.platform.log, where, [&] {
      const auto colour = static_cast<std::uint32_t>(CLng(Val(parts[1])));
      needs.floatingClock.setBackColour(colour);
      if (mirrored) needs.mirrorClock.setBackColour(colour);
    });
  }
  settings.picture_width = std::min(settings.picture_width, kWidestPicture);
  settings.picture_height = std::min(settings.picture_height, kHighestPicture);
}

}  // namespace

std::string idleCountText(int format, bool showRemaining, double setTime, int lastRunSeconds) {
  const int hours = showRemaining ? Hour(setTime) : 0;
  const int minutes = showRemaining ? Minute(setTime) : 0;
  const int seconds = showRemaining ? Second(setTime) : 0;
  switch (format) {
    case 1:
      return showRemaining ? CStr(lastRunSeconds) : "0";
    case 2:
      return Format(hours * 60 + minutes, "00") + ":" + Format(seconds, "00");
    default:
      return Format(hours, "00") + ":" + Format(minutes, "00") + ":" + Format(seconds, "00");
  }
}

void idleClockRefresh(MainNeeds& needs, double setTime) {
  const char* where = "idle clock";
  SettingsBlock& settings = needs.settings;
  FloatingClock& clock = needs.floatingClock;
  MirrorClock& mirror = needs.mirrorClock;
  attempt(needs.platform.log, where, [&] { parkStaleBars(needs); });
  clock.showSurfaces();
  mirror.showSurfaces();
  needs.run.shownMillis = 0;

  const int format = displayFormat(settings.optvalue);
  std::string text;
  attempt(needs.platform.log, where, [&] {
    if (clock.timeOfDayInView()) {
      // The time-of-day view: the set time is not refreshed there.
      text = Format(timeOf(needs.platform.loop.localTime()), format == 2 ? "hh:mm" : "hh:mm:ss");
      return;
    }
    settings.Time_all = timeOfDayValue(Hour(setTime), Minute(setTime), Second(setTime));
    text = idleCountText(format, optionOn(settings.optvalue, OptFlag::CountDown), settings.Time_all,
                         needs.run.RunSeconds);
  });

  bool mirrored = false;
  attempt(needs.platform.log, where,
          [&] { mirrored = ReadSecondScreen(needs.platform, needs.interactionMenu) == 1; });
  attempt(needs.platform.log, where, [&] {
    const std::uint32_t colour = faceColour(settings.Fontselect);
    clock.setTextColour(colour);
    mirror.setTextColour(colour);
  });
  int size = 0;
  attempt(needs.platform.log, where, [&] {
    size = FontSizeByIndex(
        static_cast<int>(Val(fontselectPart(settings.Fontselect, FontselectField::SizeIndex))));
    clock.setFaceTextSize(size);
  });
  clock.setFaceText(text);
  if (mirrored) mirror.setFaceText(text);
  if (optionChar(settings.checkvalue, CheckFlag::TransparentBack) == "0") {
    attempt(needs.platform.log, where, [&] { applyBackground(needs, mirrored); });
  }

  attempt(needs.platform.log, where, [&] { clock.ShowStatue(text, size); });
  attempt(needs.platform.log, where, [&] { SetTopmost(needs.run, clock); });
  if (mirrored) {
    attempt(needs.platform.log, where,
            [&] { mirror.ShowStatue(text, size + ReadHotkeyAdd(needs.platform)); });
    attempt(needs.platform.log, where, [&] { SetTopmost(needs.run, mirror); });
  }
}

}  // namespace horalix
