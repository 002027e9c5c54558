#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bars/prompt_bar.h"
#include "main/idle_clock.h"
#include "main/timing_control.h"
#include "preset_rows.h"
#include "presets/office_data_file.h"
#include "presets/statistics_window.h"
#include "services/ini_read_write.h"
#include "services/program_folder.h"
#include "services/sound_playback.h"
#include "services/time_conversions.h"
#include "store/preset_database.h"
#include "support/main_window_fixture.h"
#include "support/picture_files.h"

namespace horalix::test {
namespace {

constexpr int kFirstWatchTick = 1000;
constexpr int kEndWatchInterval = 300;

// The program with its watch running, a fake add-in that writes and deletes its hand-over
// values, and other programs' windows with titles.
class DocumentWatchTest : public MainWindowTest {
 protected:
  // The stored settings: counting on, alarm 1 at 7 minutes left, a 5-minute set time.
  void startWatching(const std::string& rows = "") {
    createOfficeDataFile(files.realPath(programPath("OfficeData.db")), rows);
    start();
    SettingsBlock stored = defaultSettings();
    stored.checkvalue = std::string(33, '1');
    stored.Time_all = SecondsToTime(300);
    stored.Time_one = 420;
    stored.tellouttext = "stored";
    SaveSettings(app.platform, stored);
    app.settings = stored;
    setAutomaticTiming(true);
  }
  void addinPublishes(const std::string& value, const std::string& document) {
    programValues(app.platform).writeNumber("clockopen", 32);
    programValues(app.platform).writeText(value, document);
  }
  void addinDeletes(const std::string& value) { programValues(app.platform).remove(value); }
  bool runBound(DocumentKind kind, const std::string& document) {
    return app.run.binding.documentKind == kind && app.run.binding.text() == document &&
           main.Timer5.Enabled() && !main.Timer4.Enabled();
  }
  // The last recorded run, and the option to continue it.
  void recordLastRun(const std::string& used, const std::string& document, bool resume = true) {
    SettingsBlock stored = app.settings;
    stored.checkvalue.at(6) = resume ? '1' : '0';
    SaveSettings(app.platform, stored);
    for (auto [key, value] : {std::pair<std::string, std::string>{"set_time", "00:10:00"},
                              {"use_time", used},
                              {"filename", document}}) {
      (void)IniReadWrite(files, "write", iniPath(app.platform), "clocksite", key, value);
    }
  }
  bool watching() { return main.Timer4.Enabled() && !main.Timer5.Enabled(); }
  // The document closed, so its run ends; then opened again and seen by the next watch tick.
  std::uintptr_t closeAndReopen(std::uintptr_t window, const std::string& title) {
    desktop.closeWindow(window);
    loop.advance(kEndWatchInterval);
    EXPECT_TRUE(watching());
    const std::uintptr_t again = desktop.openWindow(title);
    loop.advance(200);
    return again;
  }
  // The run start was armed and has run: the count-down is on.
  bool counting() { return clock.Timer1.Enabled(); }
};

TEST_F(DocumentWatchTest, ASlideShowPublishedByTheAddinRunsWithItsLinkedPresetUntilItEnds) {
  startWatching(presetRow(1, "Talk") + linkRow(1, "Deck.pptx", "Talk") +
                "UPDATE clocksetting SET timeall = '0:07:00';\n");
  addinPublishes("filename1", "Budget.xlsx");
  addinPublishes("filename3", "Deck.pptx");
  programValues(app.platform).writeNumber("clockmode", 1);
  loop.advance(kFirstWatchTick);
  EXPECT_TRUE(runBound(DocumentKind::SlideShow, "Deck.pptx"));
  EXPECT_EQ(app.run.binding.lastPerKind[1], "Budget.xlsx");  // seen, but the show wins
  EXPECT_EQ(app.settings.tellouttext, "time up Talk");
  EXPECT_EQ(app.run.record.setTime, "00:07:00");
  EXPECT_EQ(app.run.record.document, "Deck.pptx");
  EXPECT_EQ(app.run.method, ClockMethod::SecondsSinceMidnight)
      << "the run is measured by the chosen clock method";
  EXPECT_TRUE(clock.restoreAtNextStart) << "the run start puts the clocks in place";
  EXPECT_FALSE(main.Timer3.Enabled()) << "the sibling watch rests while a document is timed";
  runStart();
  EXPECT_TRUE(counting());
  EXPECT_EQ(app.run.RunSeconds, 420);
  ASSERT_FALSE(main.menu_other(4).Visible()) << "a counting run locks the exit";

  loop.advance(5 * kEndWatchInterval);
  EXPECT_TRUE(runBound(DocumentKind::SlideShow, "Deck.pptx"));  // the show still runs
  // Paused when the show ends, with the preset's back picture on the clock.
  PauseResume(app.mainNeeds);
  clock.Picture3.setPicture(programPath("picture\\bg.png"));
  addinDeletes("filename3");
  loop.advance(kEndWatchInterval);
  EXPECT_TRUE(watching());
  EXPECT_EQ(app.run.binding.text(), "");
  EXPECT_EQ(app.settings.tellouttext, "stored");  // the document's preset is dropped
  EXPECT_EQ(clock.Picture3.Picture(), "") << "the stored settings name no back picture";
  EXPECT_TRUE(main.menu_one(2).Caption().starts_with("暂停")) << "resumed before the end";
  EXPECT_NE(app.run.record.pausedMs, 0) << "so that its pause is recorded";
  EXPECT_TRUE(main.menu_other(4).Visible()) << "the end releases the menu";
  EXPECT_TRUE(registry.raw(platform::RegRoot::CurrentUser, "Vantrel", "filename1"));
}

TEST_F(DocumentWatchTest, WithTheAddinReportingOfficeTitlesAreNotReadButPdfTitlesAre) {
  startWatching();
  programValues(app.platform).writeNumber("clockopen", 32);
  desktop.openWindow("Plan.xlsx - Excel");
  loop.advance(kFirstWatchTick);
  EXPECT_EQ(app.run.binding.lastPerKind[1], "");
  EXPECT_EQ(app.run.binding.text(), "0");
  // The first pass without a document settles the clocks and counts nothing.
  EXPECT_TRUE(main.firstPassMade());
  EXPECT_EQ(app.settings.checkvalue, "000111010100011111111111111100101");
  EXPECT_FALSE(clock.Timer5.Enabled()) << "the clocks are only put back";
  loop.advance(kEndWatchInterval);
  EXPECT_TRUE(watching());

  const auto pdf = desktop.openWindow("Slides.pdf - Reader");
  loop.advance(200);
  EXPECT_TRUE(runBound(DocumentKind::Pdf, "Slides.pdf"));
  runStart();
  EXPECT_TRUE(counting());
  const auto other = desktop.openWindow("Notes.pdf - Reader");  // above the one being timed
  loop.advance(kEndWatchInterval);
  EXPECT_TRUE(runBound(DocumentKind::Pdf, "Slides.pdf"));
  desktop.closeWindow(other);
  closeAndReopen(pdf, "Slides.pdf - Reader");
  ASSERT_TRUE(runBound(DocumentKind::Pdf, "Slides.pdf"));

  // PDF files switched off while one is timed: the run ends although the file is still open.
  programValues(app.platform).writeText("AImode", "01111001");
  loop.advance(kEndWatchInterval);
  EXPECT_TRUE(watching());
}

TEST_F(DocumentWatchTest, AKindSwitchedOffOrANameOfFourCharactersIsNeverBound) {
  startWatching();
  // Presentations in a show switched off; the watch binds by the AImode held in memory.
  programValues(app.platform).writeText("AImode", "01110101");
  app.settings.AImode = "01110101";
  addinPublishes("filename3", "Deck.pptx");
  addinPublishes("filename2", "a.do");
  loop.advance(kFirstWatchTick);
  EXPECT_EQ(app.run.binding.documentKind, DocumentKind::None);
  EXPECT_EQ(app.run.binding.text(), "0");
  // The empty first pass ends with no kind, which takes every hand-over value away.
  loop.advance(kEndWatchInterval);
  ASSERT_TRUE(watching());
  addinPublishes("filename2", "ab.do");
  loop.advance(200);
  EXPECT_TRUE(runBound(DocumentKind::WordDocument, "ab.do"));

  // Automatic timing switched off, every kind with it, while one is timed: the watch goes back,
  // the run goes on.
  programValues(app.platform).writeText("AImode", "00000000");
  loop.advance(kEndWatchInterval);
  EXPECT_TRUE(main.Timer4.Enabled());
  EXPECT_EQ(app.run.binding.text(), "ab.do");
  programValues(app.platform).writeText("AImode", "01110101");
  loop.advance(2 * 200);  // the first tick still looks with the kinds held in memory
  ASSERT_TRUE(runBound(DocumentKind::WordDocument, "ab.do"));

  // Documents switched off while one is timed: the run ends although the add-in still reports it.
  programValues(app.platform).writeText("AImode", "01010101");
  loop.advance(kEndWatchInterval);
  EXPECT_TRUE(watching());
}

// Started while the add-in reports a show, the program binds it at once and never makes its
// first pass; after that run the first pass hands over with the old kind and an empty binding,
// which must not count as the (deleted) show still running.
TEST_F(DocumentWatchTest, AStaleBindingEndsAtOnceAndTheNextDocumentIsPickedUp) {
  startWatching();
  addinPublishes("filename3", "Deck.pptx");
  loop.advance(kFirstWatchTick);
  ASSERT_TRUE(runBound(DocumentKind::SlideShow, "Deck.pptx"));
  addinDeletes("filename3");
  loop.advance(kEndWatchInterval);
  ASSERT_TRUE(watching());
  ASSERT_EQ(app.run.binding.text(), "");
  loop.advance(200);  // the first pass without a document
  ASSERT_TRUE(main.firstPassMade());
  ASSERT_TRUE(main.Timer5.Enabled());
  loop.advance(kEndWatchInterval);
  EXPECT_TRUE(watching());
  addinPublishes("filename2", "Notes.docx");
  loop.advance(200);
  EXPECT_TRUE(runBound(DocumentKind::WordDocument, "Notes.docx"));
  // Another document reported in its place: the one being timed is gone.
  addinPublishes("filename2", "Other.docx");
  loop.advance(kEndWatchInterval);
  EXPECT_TRUE(watching());
}

TEST_F(DocumentWatchTest, ReopeningADocumentContinuesItsLastRun) {
  startWatching();
  recordLastRun("00:04:00", "Plan.xlsx");
  const auto window = desktop.openWindow("Plan.xlsx - Excel");
  loop.advance(kFirstWatchTick);
  ASSERT_TRUE(runBound(DocumentKind::Workbook, "Plan.xlsx"));
  EXPECT_EQ(app.run.record.setTime, "00:06:00");
  runStart();
  EXPECT_EQ(app.run.RunSeconds, 360);
  // Alarm 1 at 7 minutes left was passed before the pause: it does not fire again.
  loop.advance(3000);
  EXPECT_EQ(clock.alarmStage, AlarmStage::None);
  desktop.openWindow("Other.xlsx - Excel");  // another workbook does not keep the run going
  desktop.closeWindow(window);
  loop.advance(kEndWatchInterval);
  EXPECT_TRUE(watching());
}

TEST_F(DocumentWatchTest, AnotherDocumentsRecordAllTimeUsedOrTheOptionOffKeepTheSetTime) {
  startWatching();
  recordLastRun("00:04:00", "Other.xlsx");
  const auto window = desktop.openWindow("Plan.xlsx - Excel");
  loop.advance(kFirstWatchTick);
  ASSERT_TRUE(runBound(DocumentKind::Workbook, "Plan.xlsx"));
  EXPECT_EQ(app.run.record.setTime, "00:05:00");

  recordLastRun("00:10:00", "Plan.xlsx");
  const auto again = closeAndReopen(window, "Plan.xlsx - Excel");
  ASSERT_TRUE(runBound(DocumentKind::Workbook, "Plan.xlsx"));
  EXPECT_EQ(app.run.record.setTime, "00:05:00");

  recordLastRun("00:04:00", "Plan.xlsx", false);
  closeAndReopen(again, "Plan.xlsx - Excel");
  ASSERT_TRUE(runBound(DocumentKind::Workbook, "Plan.xlsx"));
  EXPECT_EQ(app.run.record.setTime, "00:05:00");
}

// The stage sounds of the last automatic run and the stored music still sounding: the next
// automatic start silences them.
TEST_F(DocumentWatchTest, AnAutomaticStartStopsTheSoundsOfTheRunBefore) {
  startWatching();
  SettingsBlock stored = app.settings;
  stored.tellsoundname = "gong.wav\\bell.wav";
  SaveSettings(app.platform, stored);
  programValues(app.platform).writeText("musicname", "theme.mp3");
  for (const char* file : {"sounds\\bell.wav", "sounds\\theme.mp3"}) installFile(file);
  const auto window = desktop.openWindow("Plan.xlsx - Excel");
  loop.advance(kFirstWatchTick);
  ASSERT_TRUE(runBound(DocumentKind::Workbook, "Plan.xlsx"));
  sound.playWave(programPath("sounds\\bell.wav"), true);
  MciPlay(app.platform, programPath("sounds\\theme.mp3"));
  closeAndReopen(window, "Plan.xlsx - Excel");
  ASSERT_TRUE(runBound(DocumentKind::Workbook, "Plan.xlsx"));
  EXPECT_EQ(sound.currentWave(), "");
  EXPECT_TRUE(sound.mediaPlaying().empty());
}

// A set time that cannot be shown (a date beyond the runtime's, kept because the stored one is
// refused too) breaks one statement of the automatic start: the rest of it runs, the end watch
// takes over, and the next document is timed once the set time is sound again.
TEST_F(DocumentWatchTest, AStartStatementThatFailsLeavesTheWatchGoing) {
  startWatching();
  app.settings.Time_all = 3e6;
  programValues(app.platform).writeNumber("Time_all", 0x7fffffff);
  const auto window = desktop.openWindow("Plan.xlsx - Excel");
  loop.advance(kFirstWatchTick);
  EXPECT_TRUE(runBound(DocumentKind::Workbook, "Plan.xlsx"));
  EXPECT_EQ(app.run.record.document, "Plan.xlsx");
  desktop.closeWindow(window);
  loop.advance(kEndWatchInterval);
  ASSERT_TRUE(watching());

  programValues(app.platform).writeText("Time_all", "00:03:00");
  desktop.openWindow("Notes.pdf - Reader");
  loop.advance(200);
  EXPECT_TRUE(runBound(DocumentKind::Pdf, "Notes.pdf"));
  EXPECT_EQ(app.run.record.setTime, "00:03:00");
}

// Each recorded run names its own document: the run of a second document is not stored under
// the document of the run before.
TEST_F(DocumentWatchTest, EachRecordedRunNamesItsOwnDocument) {
  startWatching();
  programValues(app.platform).writeNumber("Time_Record", 1);
  loop.advance(kFirstWatchTick);  // the first pass, without a document
  loop.advance(kEndWatchInterval);
  ASSERT_TRUE(watching());
  for (const char* title : {"Plan.xlsx - Excel", "Notes.pdf - Reader"}) {
    const auto window = desktop.openWindow(title);
    loop.advance(200);
    runStart();
    ASSERT_TRUE(counting()) << title;
    loop.advance(2000);
    desktop.closeWindow(window);
    loop.advance(kEndWatchInterval + 200);  // the end watch, then the count's next tick
    ASSERT_FALSE(counting()) << title;
  }

  PresetDatabase officeData{platform.database, files, messageBoxes, files.programFolder(),
                            "731QT908"};
  std::vector<std::string> documents;
  for (const auto& row : officeData.runRecords().table.rows)
    documents.push_back(fieldText(row.back()));
  EXPECT_EQ(documents, (std::vector<std::string>{"Plan.xlsx", "Notes.pdf"}));
}

TEST_F(DocumentWatchTest, ManualTimingRedrawsTheIdleClockOnceAndStops) {
  startWatching();
  setAutomaticTiming(false);
  desktop.openWindow("Plan.xlsx - Excel");  // not bound: runs start from the menu
  programValues(app.platform).writeText("Time_all", "01:30:05");
  app.settings.optvalue = "100100100";  // minutes:seconds
  loop.advance(kFirstWatchTick);
  EXPECT_EQ(clock.faceText(), "90:05");
  EXPECT_FALSE(main.Timer4.Enabled());
  EXPECT_FALSE(main.Timer5.Enabled());
  // While nothing is bound the watch keeps ticking.
  app.run.binding.unbind();
  main.Timer4.setEnabled(true);
  app.settings.optvalue = "101010100";  // seconds, then hours:minutes:seconds: the last wins
  loop.advance(200);
  EXPECT_EQ(clock.faceText(), "01:30:05");
  EXPECT_TRUE(main.Timer4.Enabled());
  // A stored set time of zero: the set time in memory stays.
  programValues(app.platform).writeText("Time_all", "00:00:00");
  loop.advance(200);
  EXPECT_EQ(clock.faceText(), "01:30:05");
}

TEST(IdleCountText, ShowsTheSetTimeInEachFormatOrZero) {
  const double setTime = SecondsToTime(3600 + 30 * 60 + 5);
  struct Case {
    int format;
    bool showRemaining;
    const char* text;
  };
  const Case cases[] = {
      {1, true, "420"}, {2, true, "90:05"},  {3, true, "01:30:05"},
      {1, false, "0"},  {2, false, "00:00"}, {3, false, "00:00:00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(idleCountText(c.format, c.showRemaining, setTime, 420), c.text) << c.format;
  }
}

// Prompt bars left counting while idle are parked above the screen, the primary one asking for a
// run start that settles the clocks; a big back picture counts at most 600 x 450; the
// time-of-day view shows the time.
TEST_F(DocumentWatchTest, TheIdleRefreshParksStaleBarsCapsTheBackPictureAndShowsTheTime) {
  start();
  installFile("picture\\big.png", pngOf(1200, 900));
  app.settings.picturename = "big.png\\0";
  setOption(app.settings.checkvalue, CheckFlag::TransparentBack, false);
  const int screenWidth = 1920 * 15;
  struct {
    PromptBar& bar;
    int left;
  } bars[] = {{app.promptBar(), (screenWidth - 6000) / 2},
              {app.secondPromptBar(), (screenWidth - 6000) / 2 + screenWidth}};
  for (auto& [bar, left] : bars) {
    bar.move(3000, 500, 6000, 800);
    bar.Timer2.setEnabled(true);
  }
  idleClockRefresh(app.mainNeeds, SecondsToTime(300));
  for (auto& [bar, left] : bars) {
    EXPECT_EQ(bar.Left(), left);
    EXPECT_EQ(bar.Top(), -800 - 5000);
    EXPECT_FALSE(bar.Timer2.Enabled());
  }
  EXPECT_TRUE(clock.Timer5.Enabled());
  EXPECT_EQ(app.settings.picture_width, 600);
  EXPECT_EQ(app.settings.picture_height, 450);

  loop.setLocalTime({2024, 3, 1, 14, 5, 9, 0});
  clock.bringIntoView(
      ClockWindow::FaceView::TimeOfDay);  // the presenter switched to the time of day
  idleClockRefresh(app.mainNeeds, SecondsToTime(300));
  EXPECT_EQ(clock.faceText(), "14:05") << "minutes:seconds gives hours and minutes";
}

// Without a picture file the number after the "\" is the back colour: no number gives black, a
// number beyond the colour range or no "\" leaves the colour. The stored picture size is capped
// in every case.
TEST_F(DocumentWatchTest, TheIdleBackColourComesFromThePictureNameAndTheSizeIsAlwaysCapped) {
  start();
  setOption(app.settings.checkvalue, CheckFlag::TransparentBack, false);
  constexpr std::uint32_t kBefore = 0x123456;
  struct Case {
    const char* picturename;
    std::uint32_t colour;
  };
  const Case cases[] = {
      {"gone.png\\16711680", 0xFF0000},
      {"\\abc", 0},
      {"\\2147483653", kBefore},
      {"gone.png", kBefore},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picturename);
    app.settings.picturename = c.picturename;
    app.settings.picture_width = 1200;
    app.settings.picture_height = 900;
    clock.setBackColor(kBefore);
    idleClockRefresh(app.mainNeeds, SecondsToTime(300));
    EXPECT_EQ(clock.BackColor(), c.colour);
    EXPECT_EQ(app.settings.picture_width, 600);
    EXPECT_EQ(app.settings.picture_height, 450);
  }
}

TEST_F(DocumentWatchTest, AFailedStartupCheckStopsTheWatchesBeforeItsOneMessage) {
  startWatching();
  messageBoxes.answer(platform::answer::Ok, 5000);  // the presenter reads it for 5 s
  programValues(app.platform).writeText("Version", "99.0");
  loop.advance(kFirstWatchTick + 5000);
  ASSERT_EQ(messageBoxes.shown().size(), 1u);
  EXPECT_EQ(messageBoxes.shown()[0].text, "请使用最新版本");
  EXPECT_TRUE(app.ended());
  EXPECT_FALSE(main.Timer3.Enabled());
  EXPECT_FALSE(main.Timer4.Enabled());
  EXPECT_FALSE(main.Timer5.Enabled());
}

TEST_F(DocumentWatchTest, TheSiblingWatchKeepsItsRhythm) {
  start();
  ValueStore sibling(scriptingShell, registry, "Morventa");
  struct Case {
    const char* what;
    bool installedIdle;
    const char* time;
    int interval;
    bool enabled;
    bool closes;
  };
  const Case cases[] = {
      {"installed and idle", true, "500", 15000, false, false},
      {"running, no time", false, "", 300, true, false},
      {"running, time 0", false, "0", 300, true, false},
      {"running, time 1000", false, "1000", 300, true, false},
      {"running, time 1", false, "1", 5000, false, true},
      {"running, time 999", false, "999", 5000, false, true},
  };
  installFile("Sibling\\zelquist.exe");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sibling.writeText("pathget", c.installedIdle ? programPath("Sibling") : "");
    sibling.writeText("time", c.time);
    app.run.openToolWindow = OpenWindow::Statistics;
    app.statisticsWindow().Show();
    main.Timer3.setEnabled(true);
    main.Timer3_Timer();
    EXPECT_EQ(main.Timer3.Interval(), c.interval);
    EXPECT_EQ(main.Timer3.Enabled(), c.enabled);
    EXPECT_EQ(app.statisticsWindow().loaded(), !c.closes);
    app.statisticsWindow().Unload();
  }
}

}  // namespace
}  // namespace horalix::test
