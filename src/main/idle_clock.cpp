#include "main/idle_clock.h"

#include <algorithm>

#include "bars/bars.h"
#include "clock/clock.h"
#include "main/end_of_run.h"
#include "main/main_window.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/picture_size.h"
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
void parkStaleBars(Context& context) {
  PromptBar& primary = context.promptBar();
  if (primary.textUpdating()) {
    context.run.holdOff = 0;
    primary.stopAndPark(kParkDistance);
    context.floatingClock().armRunStart();
  }
  PromptBar& extended = context.secondPromptBar();
  if (extended.textUpdating()) extended.stopAndPark(kParkDistance);
}

// The back picture's size from its file, or, without one, the back colour after the "\". A
// size or colour that cannot be read leaves what was there; the size is capped either way.
void applyBackground(Context& context, bool mirrored) {
  const char* where = "idle clock, back picture";
  SettingsBlock& settings = context.settings;
  const std::vector<std::string> parts = Split(settings.picturename, "\\");
  const std::string file = parts.empty() ? "" : parts[0];
  const std::string path = context.pathInProgramFolder("picture\\" + file);
  if (!file.empty() && context.platform.files.normalFileExists(path)) {
    attempt(context.platform.log, where, [&] {
      const PictureDimensions size = PictureSize(context.platform.files, path);
      settings.picture_width = size.width;
      settings.picture_height = size.height;
    });
  } else if (parts.size() > 1) {
    attempt(context.platform.log, where, [&] {
      const auto colour = static_cast<std::uint32_t>(CLng(Val(parts[1])));
      context.floatingClock().setBackColour(colour);
      if (mirrored) context.mirrorClock().setBackColour(colour);
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

void idleClockRefresh(Context& context, double setTime) {
  const char* where = "idle clock";
  SettingsBlock& settings = context.settings;
  FloatingClock& clock = context.floatingClock();
  MirrorClock& mirror = context.mirrorClock();
  attempt(context.platform.log, where, [&] { parkStaleBars(context); });
  clock.showSurfaces();
  mirror.showSurfaces();
  context.run.shownMillis = 0;

  const int format = displayFormat(settings.optvalue);
  std::string text;
  attempt(context.platform.log, where, [&] {
    if (clock.timeOfDayInView()) {
      // The time-of-day view: the set time is not refreshed there.
      text = Format(timeOf(context.platform.loop.localTime()), format == 2 ? "hh:mm" : "hh:mm:ss");
      return;
    }
    settings.Time_all = timeOfDayValue(Hour(setTime), Minute(setTime), Second(setTime));
    text = idleCountText(format, optionOn(settings.optvalue, OptFlag::CountDown), settings.Time_all,
                         context.run.RunSeconds);
  });

  bool mirrored = false;
  attempt(context.platform.log, where,
          [&] { mirrored = ReadSecondScreen(context.platform, context.ports()) == 1; });
  attempt(context.platform.log, where, [&] {
    const std::uint32_t colour = faceColour(settings.Fontselect);
    clock.setTextColour(colour);
    mirror.setTextColour(colour);
  });
  int size = 0;
  attempt(context.platform.log, where, [&] {
    size = FontSizeByIndex(
        static_cast<int>(Val(fontselectPart(settings.Fontselect, FontselectField::SizeIndex))));
    clock.setFaceTextSize(size);
  });
  clock.setFaceText(text);
  if (mirrored) mirror.setFaceText(text);
  if (optionChar(settings.checkvalue, CheckFlag::TransparentBack) == "0") {
    attempt(context.platform.log, where, [&] { applyBackground(context, mirrored); });
  }

  attempt(context.platform.log, where, [&] { clock.ShowStatue(text, size); });
  attempt(context.platform.log, where, [&] { SetTopmost(context.run, clock); });
  if (mirrored) {
    attempt(context.platform.log, where,
            [&] { mirror.ShowStatue(text, size + ReadHotkeyAdd(context.platform)); });
    attempt(context.platform.log, where, [&] { SetTopmost(context.run, mirror); });
  }
}

}  // namespace horalix
