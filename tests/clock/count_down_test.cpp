// A manual run of the floating clock in virtual time: the run start's first text, the rhythm of
// the count-down, the reminder stages with their flashing, prompt bar and sound, the end of the
// count, and runs across the wrap of the tick count or past a second that got no tick.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bars/prompt_bar.h"
#include "main/timing_control.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class CountDownTest : public MainWindowTest {
 protected:
  struct Stage {
    std::string stage;  // the reminder stage as the prompt bar found it
    std::string left;   // the shown text at that moment
    std::string flash;  // "1" when the stage flashes the text
    bool operator==(const Stage&) const = default;
  };

  CountDownTest() {
    for (const char* file : {"sounds\\start.wav", "sounds\\Timeout.wav", "sounds\\Stop.wav"}) {
      installFile(file);
    }
  }

  // The program started, the clock prepared idle as at launch, the prompt bar's start replaced
  // by a recorder of the stage it was asked to show.
  void launch() {
    start();
    clock.Timer5.setEnabled(true);
    runStart();
    PromptBar& bar = app.promptBar();
    bar.Timer3.onTick = [this, &bar] {
      bar.Timer3.setEnabled(false);
      barStarts.push_back({std::to_string(static_cast<int>(clock.alarmStage)), clock.faceText(),
                           clock.stageFlashes ? "1" : "0"});
    };
  }
  void startRun() {
    StartTiming(app.mainNeeds);
    runStart();
  }
  // Advances until the shown text changes (at most `limit` ms); returns the ms it took.
  std::int64_t untilTextChanges(std::int64_t limit = 5000) {
    const std::string before = shown();
    for (std::int64_t waited = 1; waited <= limit; ++waited) {
      loop.advance(1);
      if (shown() != before) return waited;
    }
    return -1;
  }
  std::string shown() const { return clock.faceText(); }
  std::vector<std::string> playedSounds() const {
    std::vector<std::string> played;
    for (const auto& w : sound.waves()) {
      if (!w.path.empty())
        played.push_back(w.path.substr(w.path.rfind('\\') + 1) + (w.loop ? "*" : ""));
    }
    return played;
  }

  std::vector<Stage> barStarts;
};

TEST_F(CountDownTest, TheFirstRunShowsTheSetTimeThenTicksASecondLaterAndEvery200Ms) {
  launch();
  startRun();
  EXPECT_EQ(shown(), "02:30");
  EXPECT_EQ(app.run.RunSeconds, 150);
  EXPECT_EQ(playedSounds(), std::vector<std::string>{"start.wav"});
  // The first tick of the first run comes 1000 ms after the start: 149.4 s left. (The mirror's
  // run start, armed at launch, takes the mark again in the same moment as the clock's.)
  EXPECT_EQ(untilTextChanges(), 1000);
  EXPECT_EQ(shown(), "02:29");
  EXPECT_EQ(app.run.shownMillis, 149400);
  EXPECT_EQ(clock.Timer1.Interval(), 200);
  // From then on the text changes once a second, at the 200 ms tick after each whole second.
  EXPECT_EQ(untilTextChanges(), 600);
  EXPECT_EQ(shown(), "02:28");
  for (const char* next : {"02:27", "02:26", "02:25"}) {
    EXPECT_EQ(untilTextChanges(), 1000);
    EXPECT_EQ(shown(), next);
  }
}

TEST_F(CountDownTest, ALaterRunStartsFromTheIntervalThePreviousRunLeft) {
  launch();
  startRun();
  loop.advance(3000);
  StopTiming(app.mainNeeds);
  loop.advance(200);  // the next tick finds the run unbound and ends the count
  ASSERT_FALSE(clock.Timer1.Enabled());
  ASSERT_TRUE(main.menu_one(1).Enabled());
  startRun();
  EXPECT_EQ(shown(), "02:30");
  loop.advance(199);
  EXPECT_EQ(app.run.shownMillis, 0) << "no tick yet";
  loop.advance(1);
  // Measured from the mirror's run start, 20 ms after the clock's.
  EXPECT_EQ(app.run.shownMillis, 150220);
  EXPECT_EQ(shown(), "02:30");
}

TEST_F(CountDownTest, EachStageFlashesStartsThePromptBarAndPlaysItsSoundOnce) {
  launch();
  // Zero stops the run, without the time-up prompt.
  app.settings.optvalue = "100100010";
  setOption(app.settings.checkvalue, CheckFlag::EndPrompt, false);
  startRun();
  loop.advance(151'000);
  const std::vector<Stage> expected = {
      {"1", "01:00", "1"}, {"2", "00:30", "1"}, {"3", "00:05", "1"}};
  EXPECT_EQ(barStarts, expected);
  // Stage 3 repeats its sound with the continuous reminder on (the default).
  EXPECT_EQ(playedSounds(),
            (std::vector<std::string>{"start.wav", "Timeout.wav", "Timeout.wav", "Timeout.wav*"}));
  // Zero stops the count and ends the run.
  EXPECT_FALSE(clock.Timer1.Enabled());
  EXPECT_TRUE(main.menu_one(1).Enabled());
  EXPECT_EQ(shown(), "00:00");
}

TEST_F(CountDownTest, StageSoundsFollowTheirFlagsEachStopsTheOneBeforeAndZeroStopsThemAll) {
  for (const char* file : {"sounds\\one.mp3", "sounds\\two.mp3", "sounds\\three.mp3"}) {
    installFile(file);
  }
  launch();
  app.settings.optvalue = "100100010";
  app.settings.tellsoundname = "start.wav\\one.mp3\\two.mp3\\three.mp3\\Stop.wav\\Stop.wav";
  setOption(app.settings.checkvalue, CheckFlag::EndPrompt, false);
  setOption(app.settings.checkvalue, CheckFlag::SoundAlarm1, false);
  // Without the continuous reminder the third stage's sound plays once, like the others.
  setOption(app.settings.checkvalue, CheckFlag::ContinuousReminder, false);
  startRun();
  using Paths = std::vector<std::string>;
  loop.advance(100'000);
  EXPECT_EQ(sound.mediaPlaying(), Paths{}) << "the first stage is silent";
  loop.advance(30'000);
  EXPECT_EQ(sound.mediaPlaying(), Paths{programPath("sounds\\two.mp3")});
  loop.advance(17'000);
  EXPECT_EQ(sound.mediaPlaying(), Paths{programPath("sounds\\three.mp3")});
  loop.advance(4'000);
  EXPECT_EQ(sound.mediaPlaying(), Paths{}) << "zero stops the stage sounds";
}

TEST_F(CountDownTest, AStageTickWaitsASecondSoTheStageRunsOnce) {
  launch();
  startRun();
  // Up to the stage tick at one minute left.
  while (shown() != "01:00" && loop.now() < 200'000) loop.advance(1);
  ASSERT_EQ(clock.Timer1.Interval(), 1000);
  EXPECT_EQ(untilTextChanges(), 1000);
  EXPECT_EQ(shown(), "00:59");
  EXPECT_EQ(clock.Timer1.Interval(), 200);
}

TEST_F(CountDownTest, ClearingTheBindingEndsTheCountAtTheNextTick) {
  launch();
  startRun();
  loop.advance(5000);
  app.run.binding.unbind();
  loop.advance(200);
  EXPECT_FALSE(clock.Timer1.Enabled());
  EXPECT_EQ(app.run.AfterZeroAction, AfterZero::NoRunBound);
  EXPECT_TRUE(clock.Timer5.Enabled()) << "the run start is armed again";
  EXPECT_TRUE(main.menu_one(1).Enabled()) << "the run has ended";
  loop.advance(20);
  EXPECT_FALSE(clock.Timer5.Enabled()) << "the run start ran again and found no run";
  loop.advance(5000);
  EXPECT_FALSE(clock.Timer1.Enabled());
}

TEST_F(CountDownTest, ARunAcrossTheWrapOfTheTickCountCountsOn) {
  launch();
  // The 32-bit tick count wraps 10 s into the run.
  loop.setTickBase(static_cast<std::uint32_t>(-(loop.now() + 10'000)));
  startRun();
  loop.advance(9'000);
  EXPECT_EQ(shown(), "02:21");
  loop.advance(4'000);
  EXPECT_EQ(shown(), "02:17");
  EXPECT_TRUE(clock.Timer1.Enabled());
  EXPECT_FALSE(registry.raw(platform::RegRoot::CurrentUser, "Vantrel", "clockmode"))
      << "the clock method is not moved on";
}

TEST_F(CountDownTest, AStageWhoseSecondGotNoTickFiresOnceAtTheNextTick) {
  launch();
  startRun();
  // Up to the last tick in the 61st second before the end: the next one would fall in the 60th.
  while (app.run.shownMillis == 0 || app.run.shownMillis >= 61'100) loop.advance(200);
  ASSERT_TRUE(barStarts.empty());
  // The machine is busy for 1.2 s: the second of the first stage gets no tick.
  loop.sleep(1200);
  loop.advance(101);  // the overdue tick, and the prompt bar's start 100 ms after it
  ASSERT_EQ(barStarts.size(), 1U);
  EXPECT_EQ(barStarts[0].stage, "1");
  EXPECT_EQ(barStarts[0].left, "00:59");
  loop.advance(40'000);
  ASSERT_EQ(barStarts.size(), 2U) << "stage 1 not again, stage 2 in its own second";
  EXPECT_EQ(barStarts[1].stage, "2");
  EXPECT_EQ(barStarts[1].left, "00:30");
}

TEST_F(CountDownTest, AStageWaitsUntilLessThanItsSecondAnd900MsRemain) {
  launch();
  startRun();
  while (app.run.shownMillis != 61400 && loop.now() < 200'000) loop.advance(1);
  // A tick held back by 450 ms falls 950 ms above the first stage's second.
  loop.sleep(450);
  loop.advance(1);
  ASSERT_EQ(app.run.shownMillis, 60950);
  EXPECT_EQ(clock.Timer1.Interval(), 200) << "no stage yet";
  loop.advance(200);
  ASSERT_EQ(app.run.shownMillis, 60750);
  EXPECT_EQ(clock.Timer1.Interval(), 1000) << "the first stage";
}

TEST_F(CountDownTest, StagesAtTheSetLengthOrAtTheSameSecondFireNoMore) {
  launch();
  app.settings.Time_all = 90.0 / 86400;
  app.settings.Time_one = 90;  // the set length: never
  app.settings.Time_two = 30;
  app.settings.Time_three = 30;  // the second stage's second: once, as stage 2
  startRun();
  loop.advance(89'000);  // short of zero, whose reminder starts the bar too
  ASSERT_EQ(barStarts.size(), 1U);
  EXPECT_EQ(barStarts[0].stage, "2");
}

}  // namespace
}  // namespace horalix::test
