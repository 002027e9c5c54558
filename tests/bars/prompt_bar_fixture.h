// A started program whose primary prompt bar a test asks for as the clock's count-down tick
// does: it writes the time the clock shows into the run state, sets the floating clock's
// reminder stage, then enables the bar's start timer.
#pragma once

#include <cstdlib>
#include <string>

#include "bars/prompt_bar.h"
#include "services/ini_read_write.h"
#include "services/program_folder.h"
#include "support/main_window_fixture.h"

namespace horalix::test {

class PromptBarTest : public MainWindowTest {
 protected:
  // The document watch is held back: it would park a bar that runs while no run is bound.
  void SetUp() override {
    start();
    main.Timer4.setEnabled(false);
  }

  // The primary screen's full-screen area in twips.
  int screenWidth() const { return app.run.ScreenWidthPx * 15; }
  int screenHeight() const { return app.run.ScreenHeightPx * 15; }
  int centredLeft(const PromptBar& b) const { return (screenWidth() - b.Width()) / 2; }

  void writeIni(const std::string& section, const std::string& key, const std::string& value) {
    IniReadWrite(files, "write", iniPath(app.platform), section, key, value);
  }
  void storePosition(int left, int top) {
    writeIni("clocksite", "processleft", std::to_string(left));
    writeIni("clocksite", "processtop", std::to_string(top));
  }

  // The clock shows `ms` milliseconds.
  void clockShows(int ms) { app.run.shownMillis = ms; }
  // The clock asks for the bar at `stage`; the start runs 100 ms later.
  void askForBar(const std::string& stage, int ms) {
    clockShows(ms);
    // A stage that is not a number is none.
    clock.alarmStage = static_cast<AlarmStage>(std::atoi(stage.c_str()));
    bar.Timer3.setEnabled(true);
    loop.advance(100);
  }

  bool onScreen(const PromptBar& b) const { return b.Top() >= 0; }
  bool parked(const PromptBar& b) const {
    return b.Top() == -b.Height() - 2000 && b.Left() == centredLeft(b) && !b.Timer1.Enabled() &&
           !b.Timer2.Enabled() && !b.Timer3.Enabled() && !b.Timer4.Enabled();
  }
  bool fitsItsText(const PromptBar& b) const {
    return b.Label1.Left() == 240 && b.Label1.Top() == 120 && b.Width() == b.Label1.Width() + 480 &&
           b.Height() == b.Label1.Height() + 240;
  }

  PromptBar& bar = app.promptBar();
  PromptBar& barTwo = app.secondPromptBar();
};

}  // namespace horalix::test
