#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "bars/time_up_backdrop.h"
#include "bars/time_up_prompt.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

// A window whose one-shot tick shows the prompt modally, as the clock's count ticks do, and
// notes when it went in and when it came out again.
class CallingWindow : public platform::Form {
 public:
  CallingWindow(App& app, platform::HeadlessEventLoop& loop)
      : Form(app.platform.forms, "caller"), Timer1(addTimer("Timer1", 1000)) {
    Timer1.onTick = [this, &app, &loop] {
      Timer1.setEnabled(false);
      enteredAt = loop.now();
      app.timeUpPrompt().Show(true);
      leftAt = loop.now();
    };
  }
  platform::Timer& Timer1;
  std::int64_t enteredAt = -1, leftAt = -1;
};

class TimeUpPromptTest : public MainWindowTest {
 protected:
  void SetUp() override {
    start();
    desktop.setFullScreenArea({0, 0, 1280, 984});
    setOption(app.settings.checkvalue, CheckFlag::EndPrompt, true);
    app.settings.tellouttext = "时间到";
  }

  // Shows the prompt from a tick of the calling window; `whileOpen` acts for the user.
  void showFromTick(const std::function<void()>& whileOpen) {
    loop.onModal = [&](platform::HeadlessEventLoop&, const std::string&) { whileOpen(); };
    caller.Load();
    caller.Timer1.setEnabled(true);
    loop.advance(1000);
    loop.onModal = nullptr;
  }
  int raisesOf(const std::string& form) const { return forms.raiseCount(form); }
  // Where the window stands in the z-order, 0 on top; -1 when it is not loaded.
  int place(const platform::Form& form) const {
    const auto z = forms.zOrder();
    const auto it = std::find(z.begin(), z.end(), &form);
    return it == z.end() ? -1 : static_cast<int>(it - z.begin());
  }
  // The size the clock face's text was last drawn at; -1 when it was not drawn.
  double drawnSize(const std::string& text) const {
    double size = -1;
    for (const auto& op : clock.Picture2.drawing()) {
      if (op.kind == platform::DrawOp::Kind::Text && op.text == text) size = op.font.size;
    }
    return size;
  }

  TimeUpPrompt& prompt = app.timeUpPrompt();
  TimeUpBackdrop& backdrop = app.timeUpPrompt().backdrop();
  CallingWindow caller{app, loop};
};

TEST_F(TimeUpPromptTest, OtherTimersTickWhileThePromptWaitsAndTheCallingTickGoesOnAfter) {
  int blinkTicks = 0, watchTicks = 0;
  const auto blink = clock.Timer3.onTick;
  clock.Timer3.onTick = [&] {
    ++blinkTicks;
    blink();
  };
  // The main window's watch timer stands for any other timer here; its own handler would
  // switch it off after one tick in manual timing.
  main.Timer4.onTick = [&] { ++watchTicks; };
  app.run.BlinkCount = 40;
  app.run.BlinkHold = 40;
  clock.Timer3.setEnabled(true);
  main.Timer4.setEnabled(true);
  clock.setFaceText("00:00");
  app.settings.Fontselect = "1070602\\65280";  // size list position 7: 45 points

  int blinkBefore = 0, watchBefore = 0;
  showFromTick([&] {
    EXPECT_TRUE(prompt.Visible());
    EXPECT_TRUE(backdrop.Visible());
    EXPECT_EQ(caller.leftAt, -1) << "the calling tick went on while the prompt was open";
    blinkBefore = blinkTicks;
    watchBefore = watchTicks;
    clock.Picture2.Cls();
    loop.advance(3000);
    EXPECT_GE(blinkTicks - blinkBefore, 6);
    EXPECT_GE(watchTicks - watchBefore, 2);
    // The prompt's own tick keeps it on top and the clock face drawn with its text, at the
    // configured size.
    EXPECT_GE(raisesOf("Frm_tishi"), 6);
    EXPECT_NEAR(drawnSize("00:00"), 45, 0.25);
    forms.click(prompt.Command1);
  });

  EXPECT_EQ(caller.leftAt - caller.enteredAt, 3000);
  EXPECT_FALSE(prompt.loaded());
  EXPECT_FALSE(backdrop.loaded());
  EXPECT_FALSE(prompt.Timer1.Enabled());
  EXPECT_EQ(place(clock), 0) << "the clock is back on top";
  // The calling window's own tick waited: it ran once.
  EXPECT_FALSE(caller.Timer1.Enabled());
}

TEST_F(TimeUpPromptTest, ThePromptSpeaksInSongTiAndKeepsItselfOnTopDespiteTheHoldOff) {
  EXPECT_EQ(prompt.Label2.Font().name, "宋体");
  EXPECT_EQ(prompt.Label2.Font().size, 10.5);
  int atLoad = -1, afterTick = -1, promptPlace = -1, backdropPlace = -1;
  app.run.holdOff = 200;  // a hold-off that the backdrop cancels as it loads
  showFromTick([&] {
    atLoad = raisesOf("Frm_tishi");
    promptPlace = place(prompt);
    backdropPlace = place(backdrop);
    app.run.holdOff = 200;  // a menu holds the windows down
    loop.advance(500);
    afterTick = raisesOf("Frm_tishi");
    prompt.Unload();
  });
  EXPECT_EQ(atLoad, 1) << "raised once it loaded";
  EXPECT_EQ(promptPlace, 0);
  EXPECT_EQ(backdropPlace, 1) << "the prompt stands above its backdrop";
  EXPECT_EQ(afterTick, 2) << "its own tick raises it whatever the hold-off says";
}

TEST_F(TimeUpPromptTest, ThePointerOverTheButtonClosesBothAndRetopsTheClockTwice) {
  int clockTopmost = -1;
  showFromTick([&] {
    clockTopmost = raisesOf("time_glass");
    forms.mouseMove(prompt.Command1, 0, 10, 10);
  });
  EXPECT_FALSE(prompt.loaded());
  EXPECT_FALSE(backdrop.loaded());
  EXPECT_EQ(raisesOf("time_glass") - clockTopmost, 2);
  EXPECT_GE(caller.leftAt, 0);
}

TEST_F(TimeUpPromptTest, WithTheHoldOffCounterSetTheClockIsNotRaisedAndTheCounterRunsDown) {
  int clockTopmost = -1;
  showFromTick([&] {
    clockTopmost = raisesOf("time_glass");
    app.run.holdOff = 20;
    EXPECT_TRUE(prompt.Unload());  // the close box
  });
  EXPECT_FALSE(backdrop.loaded());
  EXPECT_EQ(raisesOf("time_glass"), clockTopmost);
  EXPECT_EQ(app.run.holdOff, 15);
}

TEST_F(TimeUpPromptTest, TheBackdropTakesTheChosenLookAndCoversTheTaskBar) {
  struct Case {
    bool translucent, dark, white;
    std::uint32_t colour;
  };
  const std::vector<Case> cases = {
      {false, false, false, 0x80000005},
      {true, false, false, 0x80000008},
      {false, true, false, 0x80000008},
      {false, false, true, 0xFFFFFF},
      {true, false, true, 0xFFFFFF},
      {false, true, true, 0xFFFFFF},
      // A new showing starts again from the design colour.
      {false, false, false, 0x80000005},
  };
  for (const Case& c : cases) {
    setOption(app.settings.checkvalue, CheckFlag::ScreenTranslucent, c.translucent);
    setOption(app.settings.checkvalue, CheckFlag::ScreenBlack, c.dark);
    setOption(app.settings.checkvalue, CheckFlag::ScreenWhite, c.white);
    std::uint32_t colour = 0;
    int width = 0, height = 0, alpha = -1;
    std::int64_t key = 0;
    showFromTick([&] {
      alpha = backdrop.layered() ? backdrop.alpha() : -1;
      key = backdrop.colorKey();
      colour = backdrop.BackColor();
      width = backdrop.Width();
      height = backdrop.Height();
      forms.click(prompt.Command1);
    });
    const std::string what =
        std::string(c.translucent ? "28" : "") + (c.dark ? "29" : "") + (c.white ? "30" : "");
    EXPECT_EQ(colour, c.colour) << what;
    EXPECT_EQ(alpha, c.translucent ? 128 : -1) << what;
    EXPECT_EQ(key, -1) << what;
    EXPECT_EQ(width, 1280 * 15) << what;
    EXPECT_EQ(height, 984 * 15 + 3000) << what;
  }
}

TEST_F(TimeUpPromptTest, ThePromptFitsItsMessageAndStandsCentredOnTheScreen) {
  for (const std::string& message : {std::string("到"), std::string(60, 'W')}) {
    app.settings.tellouttext = message;
    int labelWidth = 0;
    showFromTick([&] {
      labelWidth = prompt.Label2.Width();
      const int width = std::max(labelWidth + 960, 3000);
      EXPECT_EQ(prompt.Caption(), "Horalix");
      EXPECT_EQ(prompt.Label2.Caption(), message);
      EXPECT_EQ(prompt.Width(), width) << message;
      EXPECT_EQ(prompt.Label2.Left(), (width - labelWidth) / 2) << message;
      EXPECT_EQ(prompt.Command1.Left(), (width - 1215) / 2) << message;
      EXPECT_EQ(prompt.Left(), (1280 * 15 - width) / 2) << message;
      EXPECT_EQ(prompt.Top(), (984 * 15 - prompt.Height()) / 2) << message;
      forms.click(prompt.Command1);
    });
    EXPECT_GT(labelWidth, 0);
  }
}

TEST_F(TimeUpPromptTest, TheDialogFrameComesOnTopOfTheDesignedClientArea) {
  // A title bar and borders as a dialog frame has them: the close button must stay inside.
  forms.setFrameSize(3, 90, 465);
  showFromTick([&] {
    EXPECT_EQ(prompt.ScaleHeight(), 1740);
    EXPECT_EQ(prompt.Height(), 1740 + 465);
    EXPECT_LE(prompt.Command1.Top() + prompt.Command1.Height(), prompt.ScaleHeight());
    forms.click(prompt.Command1);
  });
}

}  // namespace
}  // namespace horalix::test
