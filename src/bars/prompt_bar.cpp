#include "bars/prompt_bar.h"

#include <string_view>

#include "bars/bars_needs.h"
#include "services/attempt.h"
#include "services/extended_screen.h"
#include "services/setting_readers.h"
#include "services/window_utilities.h"

namespace horalix {

BarRole BarRole::primary() { return {}; }

BarRole BarRole::extendedScreen() {
  BarRole role;
  role.extended = true;
  role.hideGap = 5000;
  role.leftKey = "processtwo_left";
  role.topKey = "processtwo_top";
  role.readsSizeOffset = true;
  role.drivesPartner = false;
  return role;
}

namespace {

// The text a bar shows until it is first given one.
constexpr std::string_view kDesignText = "你的演讲时间还剩20秒";

// A self-sizing text.
constexpr platform::ControlDesign kDesign[] = {
    {.kind = platform::ControlKind::Label,
     .name = "Label1",
     .left = 240,
     .top = 120,
     .caption = kDesignText,
     .flags = platform::design::kAutoSize},
};

}  // namespace

PromptBar::PromptBar(BarsNeeds& needs, const std::string& name)
    : Form(needs.platform.forms, name),
      Label1((addControls(kDesign), control("Label1"))),
      Timer1(addTimer("Timer1", 500)),
      Timer2(addTimer("Timer2", 1000)),
      Timer3(addTimer("Timer3", 100)),
      Timer4(addTimer("Timer4", 500)),
      needs_(needs),
      role_(name == "Frm_process_two" ? BarRole::extendedScreen() : BarRole::primary()),
      text_(kDesignText) {
  // The design: a bare window (no caption, no task-bar button), the system highlight colour
  // behind the text.
  setBorderStyle(0);
  move(0, 0, 5925, 2310);
  setBarBackColor(0x8000000D);
  Timer2.onTick = [this] { textTick(); };
  Timer3.onTick = [this] { startTick(); };
  Timer4.onTick = [this] { keepOnTopTick(); };
  MouseDown = [this](int Button, int Shift, float X, float Y) {
    Form_MouseDown(Button, Shift, X, Y);
  };
  MouseMove = [this](int Button, int Shift, float X, float Y) {
    Form_MouseMove(Button, Shift, X, Y);
  };
  Label1.MouseDown = [this](int Button, int Shift, float X, float Y) {
    Label1_MouseDown(Button, Shift, X, Y);
  };
  Label1.MouseMove = [this](int Button, int Shift, float X, float Y) {
    Label1_MouseMove(Button, Shift, X, Y);
  };
}

int PromptBar::screenWidthTwips() const {
  return horalix::screenWidthTwips(needs_.platform, needs_.run);
}

int PromptBar::screenHeightTwips() const {
  return horalix::screenHeightTwips(needs_.platform, needs_.run);
}

int PromptBar::centredLeft() const {
  const int w = screenWidthTwips();
  return (role_.extended ? w : 0) + (w - Width()) / 2;
}

PromptBar* PromptBar::partner() {
  if (!role_.drivesPartner || ReadSecondScreen(needs_.platform, needs_.interactionMenu) != 1)
    return nullptr;
  return &needs_.secondPromptBar;
}

void PromptBar::Form_Load() {
  attempt(needs_.platform.log, "Frm_process load", [&] { SetTopmost(needs_.run, *this); });
  loadLook();
  attempt(needs_.platform.log, "Frm_process load", [&] {
    setWidth(Label1.Width() + 480);
    setHeight(Label1.Height() + 240);
  });
  park(5000);
}

void PromptBar::park(int gap) {
  setTop(-Height() - gap);
  setLeft(centredLeft());
}

void PromptBar::requestStart() { Timer3.setEnabled(true); }

void PromptBar::resumeTextUpdate() { Timer2.setEnabled(true); }

void PromptBar::resumeKeepOnTop() { Timer4.setEnabled(true); }

bool PromptBar::textUpdating() const { return Timer2.Enabled(); }

void PromptBar::setText(const std::string& text) {
  text_ = text;
  Label1.setCaption(text);
}

void PromptBar::parkKeepingOnTop(int gap) {
  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3}) t->setEnabled(false);
  park(gap);
}

void PromptBar::stopAndPark(int gap) {
  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) t->setEnabled(false);
  setLeft(centredLeft());
  setTop(-Height() - gap);
}

void PromptBar::Form_Resize() {
  Label1.setLeft(240);
  Label1.setTop(120);
  setHeight(Label1.Height() + 240);
  setWidth(Label1.Width() + 480);
}

void PromptBar::tuichu() {
  if (PromptBar* two = partner()) two->tuichu();
  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) t->setEnabled(false);
  park(role_.hideGap);
}

// Re-tops the bar at four ticks one second apart. The first tick comes after the design's
// 500 ms only at the bar's first start: nothing sets the interval back.
void PromptBar::keepOnTopTick() {
  // The extended screen's bar cancels any hold-off, so that it is re-topped on this very tick.
  if (role_.extended) needs_.run.holdOff = 0;
  attempt(needs_.platform.log, "Frm_process keep on top", [&] { SetTopmost(needs_.run, *this); });
  Timer4.setInterval(1000);
  if (keepOnTopCount_ < 1) Timer4.setEnabled(false);
  keepOnTopCount_ = static_cast<std::int16_t>(keepOnTopCount_ - 1);
  if (PromptBar* two = partner()) two->resumeKeepOnTop();
}

}  // namespace horalix
