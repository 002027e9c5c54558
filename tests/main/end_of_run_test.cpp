#include "main/main.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bars/prompt_bar.h"
#include "interaction/interaction_settings_window.h"
#include "interaction/interaction_window.h"
#include "main/slide_show_end.h"
#include "main/timing_control.h"
#include "presets/preset_manager.h"
#include "presets/statistics_window.h"
#include "settings/settings_window.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

constexpr int kEscape = 27;
const std::vector<std::string> kHandOver = {"filename1", "filename2", "filename3", "filename5"};

class EndOfRunTest : public MainWindowTest {
 protected:
  void publishDocuments() {
    for (const std::string& name : kHandOver)
      programValues(app.platform).writeText(name, name + ".doc");
  }
  std::vector<std::string> remainingDocuments() {
    std::vector<std::string> left;
    for (const std::string& name : kHandOver) {
      if (registry.raw(platform::RegRoot::CurrentUser, "Vantrel", name)) left.push_back(name);
    }
    return left;
  }
};

TEST_F(EndOfRunTest, TheHandOverValueOfTheRunsDocumentKindIsDeleted) {
  struct Case {
    int kind;
    std::vector<std::string> left;
  };
  const Case cases[] = {
      {0, {}},  // a manual run: all four go
      {1, {"filename2", "filename3", "filename5"}},
      {2, {"filename1", "filename3", "filename5"}},
      {3, {"filename1", "filename2", "filename5"}},
      {4, kHandOver},
      {5, {"filename1", "filename2", "filename3"}},
      {6, kHandOver},
      {9, {}},
  };
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind));
    publishDocuments();
    app.run.binding.documentKind = static_cast<DocumentKind>(c.kind);
    EndTiming(app.mainNeeds);
    EXPECT_EQ(remainingDocuments(), c.left);
  }
}

TEST_F(EndOfRunTest, AllFourGoEvenWhenSomeAreAlreadyMissingOrTheShellFails) {
  start();
  programValues(app.platform).writeText("filename2", "a.docx");
  EndTiming(app.mainNeeds);
  EXPECT_TRUE(remainingDocuments().empty());
  publishDocuments();
  scriptingShell.setAvailable(false);
  EndTiming(app.mainNeeds);
  EXPECT_TRUE(remainingDocuments().empty());
}

TEST_F(EndOfRunTest, OnlyASlideShowRunThatStopsAtZeroEndsTheShow) {
  struct Case {
    int kind;
    bool timing, stopAtZero;
    std::size_t escapes;
  };
  const Case cases[] = {
      {3, true, true, 5}, {3, false, true, 0}, {3, true, false, 0},
      {5, true, true, 0}, {0, true, true, 0},
  };
  start();
  const auto show = desktop.openWindow("PowerPoint Slide Show - [talk.pptx]");
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind));
    const std::size_t before = desktop.keys().size();
    app.run.binding.documentKind = static_cast<DocumentKind>(c.kind);
    setOption(app.settings.checkvalue, CheckFlag::TimedDuration, c.timing);
    setOption(app.settings.optvalue, OptFlag::AfterZeroStop, c.stopAtZero);
    EndTiming(app.mainNeeds);
    ASSERT_EQ(desktop.keys().size() - before, c.escapes);
    for (std::size_t i = before; i < desktop.keys().size(); ++i) {
      EXPECT_EQ(desktop.keys()[i].virtualKey, kEscape);
      EXPECT_EQ(desktop.keys()[i].target, show);
    }
  }
}

TEST_F(EndOfRunTest, TheEndClosesTheToolsParksTheBarsAndReleasesTheMenu) {
  start();
  StartTiming(app.mainNeeds);
  runStart();
  ASSERT_FALSE(main.menu_other(4).Visible()) << "a counting run locks the exit";
  for (platform::Form* tool : {static_cast<platform::Form*>(&app.settingsWindow()),
                               static_cast<platform::Form*>(&app.statisticsWindow()),
                               static_cast<platform::Form*>(&app.presetManager()),
                               static_cast<platform::Form*>(&app.interactionSettingsWindow())}) {
    tool->Show();
  }
  for (PromptBar* bar : {&app.promptBar(), &app.secondPromptBar()}) {
    bar->move(3000, 500, 6000, 800);
    for (platform::Timer* t : {&bar->Timer1, &bar->Timer2, &bar->Timer3, &bar->Timer4}) {
      t->setEnabled(true);
    }
  }
  installFile("sounds\\ding.wav");
  app.interactionWindow().soundFile = "ding.wav";
  sound.playWave(programPath("sounds\\ding.wav"), true);
  app.run.holdOff = 200;

  EndTiming(app.mainNeeds);

  EXPECT_FALSE(app.settingsWindow().loaded());
  EXPECT_FALSE(app.statisticsWindow().loaded());
  EXPECT_FALSE(app.presetManager().loaded());
  EXPECT_FALSE(app.interactionSettingsWindow().loaded());
  const int screenWidth = 1920 * 15;
  EXPECT_EQ(app.promptBar().Left(), (screenWidth - 6000) / 2);
  EXPECT_EQ(app.secondPromptBar().Left(), (screenWidth - 6000) / 2 + screenWidth);
  for (PromptBar* bar : {&app.promptBar(), &app.secondPromptBar()}) {
    EXPECT_EQ(bar->Top(), -800 - 2000);
    for (platform::Timer* t : {&bar->Timer1, &bar->Timer2, &bar->Timer3, &bar->Timer4}) {
      EXPECT_FALSE(t->Enabled()) << t->name();
    }
  }
  EXPECT_EQ(sound.currentWave(), "") << "the interaction sound stops";
  EXPECT_EQ(app.run.holdOff, 0);
  EXPECT_TRUE(main.menu_one(1).Enabled());
  EXPECT_FALSE(main.menu_one(2).Enabled());
  EXPECT_TRUE(main.menu_one(2).Visible());
  EXPECT_FALSE(main.menu_one(3).Enabled());
  EXPECT_TRUE(main.menu_two(2).Visible());
  EXPECT_FALSE(main.menu_two(3).Visible()) << "no preset exists";
  for (int i : {0, 2, 3, 4}) {
    EXPECT_TRUE(main.menu_other(i).Enabled());
    EXPECT_TRUE(main.menu_other(i).Visible());
  }
  EXPECT_EQ(app.run.binding.text(), "手动计时") << "the binding is the stop's or the tick's";

  setAutomaticTiming(true);
  setOption(app.settings.checkvalue, CheckFlag::PauseAllowed, false);
  EndTiming(app.mainNeeds);
  EXPECT_FALSE(main.menu_one(1).Enabled()) << "automatic runs are not started from the menu";
  EXPECT_FALSE(main.menu_one(2).Visible()) << "pausing is not allowed";
}

TEST_F(EndOfRunTest, HidingTheInteractionParksItAndStopsItsCount) {
  start();
  InteractionWindow& window = app.interactionWindow();
  window.move(2000, 1000, 3600, 1800);
  window.Timer1.setEnabled(true);
  window.Timer2.setEnabled(true);
  HideInteraction(app.interactionWindow());
  EXPECT_EQ(window.Top(), -50000);
  EXPECT_EQ(window.Left(), -3600 - 60000);
  EXPECT_FALSE(window.Timer1.Enabled());
  EXPECT_FALSE(window.Timer2.Enabled());
}

TEST_F(EndOfRunTest, EscGoesOnlyToASlideShowThatCameToTheForeground) {
  start();
  const auto editor = desktop.openWindow("talk.pptx - PowerPoint");
  desktop.setForeground(editor);
  EndSlideShow(app.platform);
  EXPECT_TRUE(desktop.activations().empty()) << "no slide show, nothing activated";
  EXPECT_TRUE(desktop.keys().empty());

  const auto show = desktop.openWindow("PowerPoint Slide Show - [talk.pptx]");
  desktop.setForeground(editor);
  desktop.setActivationFails(true);
  EndSlideShow(app.platform);
  EXPECT_EQ(desktop.activations().size(), 5u);
  EXPECT_TRUE(desktop.keys().empty()) << "the editor in front must not get Esc";

  desktop.setActivationFails(false);
  EndSlideShow(app.platform);
  ASSERT_EQ(desktop.keys().size(), 5u);
  for (const platform::KeyPress& key : desktop.keys()) {
    EXPECT_EQ(key.virtualKey, kEscape);
    EXPECT_EQ(key.target, show);
  }
}

TEST_F(EndOfRunTest, SlideShowTitlesMatchTheirCaptionsExactly) {
  struct Case {
    const char* title;
    int matches;
  };
  const Case cases[] = {
      {"PowerPoint Slide Show - [talk.pptx]", 1},
      {"PowerPoint 幻灯片放映 - [讲稿.pptx]", 1},
      {"WPS演示 幻灯片放映", 1},
      {"Kingsoft Presentation Slide Show - anything", 1},
      {"WPS Presentation Slide Show", 1},
      {"powerpoint slide show - [talk.pptx]", 0},
      {"talk.pptx - PowerPoint", 0},
      {"PowerPoint Slide Show / WPS Presentation Slide Show", 2},
  };
  for (const Case& c : cases) EXPECT_EQ(slideShowCaptionCount(c.title), c.matches) << c.title;
}

}  // namespace
}  // namespace horalix::test
