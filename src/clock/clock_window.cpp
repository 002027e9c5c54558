#include "clock/clock_window.h"

#include <exception>

#include "clock/clock_needs.h"
#include "clock/clock_placement.h"
#include "services/attempt.h"
#include "services/clock_mark.h"
#include "services/display_format.h"
#include "services/extended_screen.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/runtime_error.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/time_value.h"
#include "services/window_utilities.h"

namespace horalix {

using platform::ControlKind;

namespace {

// A test whose condition fails to evaluate (a missing or non-numeric option character) counts
// as met.
template <class Condition>
bool met(Condition&& condition) {
  try {
    return condition();
  } catch (const std::exception&) {
    return true;
  }
}
bool flagMet(const std::string& options, OptFlag flag) {
  return met([&] { return CInt(optionChar(options, flag)) == 1; });
}

constexpr std::int32_t kDayMillis = 86'400'000;

}  // namespace

ClockRole ClockRole::floating() { return {}; }

ClockRole ClockRole::extendedScreen() {
  ClockRole role;
  role.name = "time_glasstwo";
  role.sequencerInterval = 8;
  role.blankFromMillis = 3000;
  return role;
}

namespace {

constexpr unsigned kHidden = platform::design::kHidden;

// The controls both clocks have: the hidden labels that measure the text, the face's picture
// boxes (the face places them), and the labels of the count and of the time of day, which take
// the clock's font.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = ControlKind::Label, .name = "Label9", .flags = kHidden},
    {.kind = ControlKind::Label, .name = "Label11", .flags = kHidden},
    {.kind = ControlKind::PictureBox, .name = "Picture1"},
    {.kind = ControlKind::PictureBox, .name = "Picture2"},
    {.kind = ControlKind::PictureBox, .name = "Picture3"},
    {.kind = ControlKind::Label, .name = "Label1", .index = 1, .top = 0},
    {.kind = ControlKind::Label, .name = "Label1", .index = 2, .top = 13800},
};

}  // namespace

ClockWindow::ClockWindow(ClockNeeds& needs, const ClockRole& role, const ClockWindow* pictureOwner)
    : Form(needs.platform.forms, role.name),
      Label9((addControls(kDesign), control("Label9"))),
      Label11(control("Label11")),
      Picture1(control("Picture1")),
      Picture2(control("Picture2")),
      Picture3(control("Picture3")),
      Timer1(addTimer("Timer1", 1000)),
      Timer2(addTimer("Timer2", role.sequencerInterval)),
      Timer3(addTimer("Timer3", 450)),
      Timer4(addTimer("Timer4", 1000)),
      Timer5(addTimer("Timer5", 20)),
      Timer8(addTimer("Timer8", 50)),
      needs_(needs),
      face_(needs, *this, faceControls(), role.blankFromMillis,
            pictureOwner != nullptr ? &pictureOwner->face_ : nullptr),
      role_(role) {
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
  Timer4.onTick = [this] { Timer4_Timer(); };
  Picture1.MouseDown = [this](int Button, int Shift, float X, float Y) {
    Picture1_MouseDown(Button, Shift, X, Y);
  };
  Picture2.MouseDown = [this](int Button, int Shift, float X, float Y) {
    Picture2_MouseDown(Button, Shift, X, Y);
  };
  Picture1.MouseMove = [this](int Button, int Shift, float X, float Y) {
    Picture1_MouseMove(Button, Shift, X, Y);
  };
  Picture2.MouseMove = [this](int Button, int Shift, float X, float Y) {
    Picture2_MouseMove(Button, Shift, X, Y);
  };
}

void ClockWindow::Picture2_MouseMove(int Button, int Shift, float X, float Y) {
  needs_.run.holdOff = 100;
  Picture1_MouseMove(Button, Shift, X, Y);
}

void ClockWindow::park() { move(-Width() - 5000, -Height() - 5000, Width(), Height()); }

void ClockWindow::ShowStatue(const std::string& s, int FSize) { face_.ShowStatue(s, FSize); }

void ClockWindow::setFaceText(const std::string& text) {
  faceText_ = text;
  Label11.setCaption(text);
}

void ClockWindow::setFaceTextSize(int size) {
  platform::FontSpec font = Label11.Font();
  font.size = size;
  Label11.setFont(font);
}

void ClockWindow::creatrange() { face_.creatrange(); }

void ClockWindow::changcolor(std::uint32_t nowcolor) { face_.changcolor(nowcolor); }

int ClockWindow::wantedSize() {
  return FontSizeByIndex(static_cast<int>(
      Val(fontselectPart(needs_.settings.Fontselect, FontselectField::SizeIndex))));
}

void ClockWindow::beginRunStart() {
  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5}) t->setEnabled(false);
  alarmStage = AlarmStage::None;
  attempt(needs_.platform.log, where("Timer5").c_str(), [&] { SetTopmost(needs_.run, *this); });
  needs_.run.BlinkCount = 0;
  Picture1.setVisible(true);
  Picture2.setVisible(true);
}

void ClockWindow::drawFirstFace(const std::string& countText, int size) {
  attempt(needs_.platform.log, where("Timer5").c_str(),
          [&] { ShowStatue(view_ == FaceView::Count ? countText : timeOfDay_, size); });
}

int ClockWindow::startFormat() {
  const std::string& optvalue = needs_.settings.optvalue;
  int format = 3;
  if (flagMet(optvalue, OptFlag::FormatSeconds)) format = 1;
  if (flagMet(optvalue, OptFlag::FormatMinutes)) format = 2;
  if (flagMet(optvalue, OptFlag::FormatHours)) format = 3;
  return format;
}

bool ClockWindow::startCountsDown() {
  return flagMet(needs_.settings.optvalue, OptFlag::CountDown);
}

void ClockWindow::setFirstTexts(int format, bool countDown, int hours, int minutes, int seconds) {
  const std::string first =
      countDown ? countText(format, hours, minutes, seconds) : countText(format, 0, 0, 0);
  attempt(needs_.platform.log, where("Timer5").c_str(),
          [&] { timeOfDay_ = timeOfDayText(needs_.platform, format); });
  countMillis_ = countDown ? (hours * 3600 + minutes * 60 + seconds) * 1000 : 0;
  setFaceText(first);
  Label9.setCaption(format == 2 ? "00:00" : "00:00:00");
}

void ClockWindow::takeRunValues() {
  const SettingsBlock& settings = needs_.settings;
  attempt(needs_.platform.log, where("Timer5").c_str(),
          [&] { captureScreenSize(needs_.platform, needs_.run); });
  AfterZero afterZero = AfterZero::Overtime;
  if (flagMet(settings.optvalue, OptFlag::AfterZeroStop)) afterZero = AfterZero::Stop;
  // With automatic timing the cycle is never chosen here.
  if (met([&] {
        return CInt(optionChar(settings.optvalue, OptFlag::AfterZeroCycle)) == 1 &&
               !ReadAImode(needs_.platform, needs_.settings);
      })) {
    afterZero = AfterZero::Cycle;
  }
  needs_.run.AfterZeroAction = afterZero;
  takeSegmentStart();
}

void ClockWindow::takeSegmentStart() {
  if (const auto mark = clockMark(needs_.platform, readClockMethod(needs_.run)))
    needs_.run.StartTick = *mark;
  attempt(needs_.platform.log, where("takeSegmentStart").c_str(),
          [&] { segmentStart_ = Format(timeOf(needs_.platform.loop.localTime()), "hh:mm:ss"); });
}

void ClockWindow::armZeroReminder(bool flash) {
  if (flash) stageFlashes = true;
  alarmStage = AlarmStage::Zero;
  sequencerStep = SequencerStep::Place;
  reminderPending = true;
  Timer2.setEnabled(true);
}

void ClockWindow::applyOvertimeStyle(bool redrawPrefixed) {
  auto prefixed = [&](const char* prefix) {
    needs_.run.OvertimePrefix = prefix;
    if (!redrawPrefixed) return;
    needs_.run.direction = CountDirection::Up;
    Label_change();
    if (!needs_.run.clocksHidden) ShowClocks(needs_.clocks);
  };
  switch (ReadTimeoutAction(needs_.platform)) {
    case 0:
      needs_.run.OvertimePrefix = "";
      break;
    case 1:
      Timer8.setEnabled(true);
      break;
    case 2:
      prefixed("-");
      break;
    case 3:
      prefixed("超时");
      break;
    case 4:
      needs_.run.OvertimePrefix = "";
      HideClocks(needs_.clocks);
      break;
    default:
      break;
  }
}

void ClockWindow::showFinalCount() {
  const std::string at = where("Timer1");
  attempt(needs_.platform.log, at.c_str(), [&] {
    countMillis_ =
        optionOn(needs_.settings.optvalue, OptFlag::CountDown) ? 0 : needs_.run.RunMillis;
  });
  attempt(needs_.platform.log, at.c_str(), [&] { Label_change(); });
}

void ClockWindow::stopCountTimers() {
  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) t->setEnabled(false);
}

std::string ClockWindow::shownText() {
  const int format = DisplayFormat(needs_.settings.optvalue);
  if (view_ == FaceView::TimeOfDay) return timeOfDayText(needs_.platform, format);
  // The count is shown as a clock's time, within one day: beyond it the face keeps its text.
  if (countMillis_ < 0 || countMillis_ >= kDayMillis) {
    throw RuntimeError(RuntimeErrorCode::TypeMismatch);
  }
  const std::int32_t seconds = countMillis_ / 1000;
  std::string text = countText(format, seconds / 3600, seconds / 60 % 60, seconds % 60);
  if (needs_.run.direction != CountDirection::Down) text = needs_.run.OvertimePrefix + text;
  return text;
}

}  // namespace horalix
