// The state of the current run, shared by the clock, the bars, the interaction windows and the
// main window's watches. Each piece of state is a named field here; the windows show it, they do
// not hold it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "services/settings_block.h"

namespace horalix {

// The kinds of document that automatic timing recognises; an automatic run is bound to one of
// them (None before any).
enum class DocumentKind {
  None = 0,
  Workbook = 1,
  WordDocument = 2,
  SlideShow = 3,
  Pdf = 4,
  Presentation = 5,
  Drawing = 6,
};

// Which way the run counts (None before the first run counts either way).
enum class CountDirection {
  None = -1,
  Down = 0,  // to zero
  Up = 1,    // up, or on past zero in overtime
};

// How elapsed time is measured. Values past the named ones take no time mark.
enum class ClockMethod {
  TickCount = 0,
  SecondsSinceMidnight = 1,
  TimeOfDay = 2,
};

// The tool window the main window opened last and closes before it opens another.
enum class OpenWindow {
  None,
  Settings,
  Statistics,
  FollowSpotlight,
  SpotlightArea,  // the dark layer with its veil
  InteractionSettings,
};

// What the count-down does at zero.
enum class AfterZero {
  Overtime = 0,    // counts on past zero
  Stop = 1,        // stops at zero
  Cycle = 2,       // starts the next round (with an overtime limit, after the overtime)
  NoRunBound = 5,  // the run lost its binding: it ends
};

// The reminder stage a clock reached in the running count (compared by number: below Zero is a
// count before its zero reminder).
enum class AlarmStage {
  None = 0,
  Alarm1 = 1,
  Alarm2 = 2,
  Alarm3 = 3,
  Zero = 4,
  // Stages that no clock sets; the prompt bar's text tick parks a bar at them once its display
  // time has run out, as it does at a reminder.
  Reserved5 = 5,
  Reserved6 = 6,
  SettingsApplied = 7,  // set by the settings window's apply
};

// What a run is bound to: nothing yet since the program started (Initial), nothing since a run
// ended or was stopped (None), a manual start, or a document the watch recognised.
enum class BindingKind { Initial, None, Manual, Document };

// Where the interaction countdown stands: on the primary screen, or centred on the extended
// screen right of it.
enum class InteractionScreen { Primary, Extended };

// What the tray menu offers as the run's start, stop and end leave it: each offer is enabled
// (it can be chosen) and shown. At load everything is offered.
struct TrayOffers {
  struct Offer {
    bool enabled = true;
    bool shown = true;
  };
  Offer start;
  Offer pause;
  Offer stop;
  Offer showHide;
  Offer settings;
  Offer presets;
  // Statistics, help, online help and exit, which a counting run locks together.
  Offer tools;
};

struct RunState {
  // Millisecond mark of the start of the running segment, in the unit of the clock method.
  std::int32_t StartTick = 0;
  // Set length of the last run start, in seconds and in milliseconds.
  std::int32_t RunSeconds = 0;
  std::int32_t RunMillis = 0;
  AfterZero AfterZeroAction = AfterZero::Overtime;
  std::int32_t BlinkCount = 0;
  std::int32_t BlinkHold = 0;
  // Put before the count text in overtime: "", "-" or "超时".
  std::string OvertimePrefix;
  bool BackPictureOn = false;
  // The primary screen's full-screen client area, in pixels.
  std::int32_t ScreenWidthPx = 0;
  std::int32_t ScreenHeightPx = 0;

  // How elapsed time is measured, copied from the stored clock method at each automatic start.
  ClockMethod method = ClockMethod::TickCount;
  // Hold-off of keep-on-top: while at 1 or more, a window asking to be put on top is not, and
  // the count drops by 5 instead. Set by whatever must stay in front for a while (a drag, an open
  // menu or tool window), cleared when that ends.
  int holdOff = 0;
  OpenWindow openToolWindow = OpenWindow::None;

  // Switches of the tray and countdown menus (their items' captions show them).
  // The run is paused: its count timers are off and the tray item offers to continue.
  bool paused = false;
  // The clocks are parked off screen by the user's choice; the tray item offers to show them.
  bool clocksHidden = false;
  // The interaction countdown is paused; its menu item offers to start it again.
  bool interactionPaused = false;
  // What the tray menu offers; the tray menu is open (its popup is up).
  TrayOffers offers;
  bool trayMenuOpen = false;
  // The preset of the presets submenu that was chosen last, by its place in the list (-1: none).
  int currentPreset = -1;
  // The spotlights that are on: 0 follow mode, 1 dynamic brightness.
  std::array<bool, 2> spotlightOn{};
  // The extended screen is offered to the interaction countdown (one is in use), and where the
  // countdown goes.
  bool extendedScreenOffered = true;
  InteractionScreen interactionScreen = InteractionScreen::Primary;
  bool onExtendedScreen() const {
    return extendedScreenOffered && interactionScreen == InteractionScreen::Extended;
  }

  // The run record, the running totals and the run's binding.
  // What a stopped run stores: set duration ("hh:mm:ss"), the milliseconds banked before the
  // running segment by the count-down and by the count-up, the paused milliseconds, the document.
  struct Record {
    std::string setTime = "0";
    double bankedDownMs = 0;
    double bankedUpMs = 0;
    double pausedMs = 0;
    std::string document;
  };
  Record record;
  // The totals of the count's last tick, in milliseconds: counted down, and counted up.
  std::int32_t countedDownMs = 0;
  std::int32_t countedUpMs = 0;
  // What the run is bound to; by DocumentKind number the document of each kind the watch
  // recognised last (the first unused), and the kind it recognised last: a run bound to a
  // document has that kind. The kind outlives the binding (a manual run keeps it too): the end of
  // the run clears that kind's hand-over values.
  struct Binding {
    static constexpr const char* kManual = "手动计时";
    std::array<std::string, 7> lastPerKind;
    DocumentKind documentKind = DocumentKind::None;

    BindingKind kind() const { return kind_; }
    bool manualRun() const { return kind_ == BindingKind::Manual; }
    void bindManual();
    void bindDocument(const std::string& name);
    void unbind();
    // The binding as the run record, the per-document preset and the end watch name it: "0"
    // before the first run binds or ends, "" once unbound, kManual, or the document's name.
    std::string text() const;

   private:
    BindingKind kind_ = BindingKind::Initial;
    std::string document_;
  };
  Binding binding;

  // Nothing banked or paused. A new record also takes its set duration, no running totals,
  // nothing shown, the start sound armed and, when given, the document.
  void clearBanked() { record.bankedDownMs = record.bankedUpMs = record.pausedMs = 0; }
  void resetRecord(const std::string& setTime, const std::string* document) {
    record.setTime = setTime;
    clearBanked();
    if (document) record.document = *document;
    countedDownMs = countedUpMs = 0;
    startSoundArmed = true;
    shownMillis = 0;
  }

  // The count: its direction, the start sound, the shown time.
  CountDirection direction = CountDirection::None;
  // Whether the next run start plays the start sound; a resume, or automatic timing re-armed by
  // the settings or the statistics window, disarms it, and a fresh run record arms it again.
  bool startSoundArmed = true;
  // Milliseconds the clock shows: time left + 400 counting down, elapsed counting up.
  std::int32_t shownMillis = 0;
};

// Whether a run is bound: a manual start or a document.
bool runBound(const RunState& run);

// Whether the run start counts: a run is bound and timing is switched on in the stored options.
bool runCounts(const RunState& run, const SettingsBlock& settings);

}  // namespace horalix
