// The small interfaces through which a subsystem calls one that stands above it. The lower side
// declares what it needs here; the composition (app/) implements each by forwarding to the
// windows, so the caller never sees the window types behind them.
#pragma once

#include <optional>
#include <string>

#include "platform/desktop.h"
#include "platform/forms.h"
#include "services/run_state_record.h"

namespace horalix {

// What the clocks ask of the program when a run ends or moves on.
class RunControl {
 public:
  virtual ~RunControl() = default;
  // Ends the run: unloads the tool windows, hides the bars and clocks, records the run.
  virtual void endRun() = 0;
  // Hides the prompt bars and the windows that go with them.
  virtual void hideProcessBars() = 0;
  // Hides the interaction window and stops its countdown.
  virtual void hideInteraction() = 0;
  // Loads the next preset of the list and starts it.
  virtual void nextPreset() = 0;
  // Closes the one tool window a tray command opened, if any.
  virtual void closeToolWindow() = 0;
  // Ends the slide show the run is bound to.
  virtual void endSlideShow() = 0;
  // Lets the document watch look for a document to time again.
  virtual void resumeDocumentWatch() = 0;
  // Starts a run, or stops the one going, as the tray menu's items do.
  virtual void startRun() = 0;
  virtual void stopRun() = 0;
};

// The tray menu's items that follow the run; they show the run state, which callers read from
// the state itself.
class RunMenus {
 public:
  virtual ~RunMenus() = default;
  // A run started: counting up or down decides which items are offered.
  virtual void runStarted(bool counting) = 0;
  // Records whether the clocks are hidden and shows it on the tray item: it offers "显示" while
  // they are, "隐藏" while they show.
  virtual void showClocksHidden(bool hidden) = 0;
  // Opens the tray menu over a window: at a pixel point of the screen, or at the pointer.
  virtual void popUp(platform::Form& over, std::optional<platform::PixelPoint> at) = 0;
};

// The tool windows, loaded when a command opens them and unloaded when they close.
enum class ToolWindow { Settings, Statistics, PresetManager, InteractionSettings };

class ToolWindows {
 public:
  virtual ~ToolWindows() = default;
  // Opens the window the way its own command does.
  virtual void open(ToolWindow window) = 0;
  virtual void unload(ToolWindow window) = 0;
};

// The interaction items of the tray menu.
class InteractionMenu {
 public:
  virtual ~InteractionMenu() = default;
  // The caption of the item that starts interaction preset `index` (minutes:seconds).
  virtual std::string presetCaption(int index) = 0;
  // Shows or hides that item, with its caption.
  virtual void showPreset(int index, bool visible, const std::string& caption) = 0;
  // Records that the countdown is paused and shows it on the pause item: "开始计时" while
  // paused, "暂停计时" while running.
  virtual void showPaused(bool paused) = 0;
  // Opens the "互动" popup menu at the pointer.
  virtual void popUp() = 0;
  // Offers the item while an extended screen is in use; without one it is hidden and unticked.
  // Nothing happens before the main window has built its menus.
  virtual void offerExtendedScreen(bool offered) = 0;
  // Puts the countdown on the extended screen (the item ticked) or back on the primary one.
  virtual void tickExtendedScreen(bool ticked) = 0;
};

// Switches a spotlight on or off in the run state and ticks its tray item accordingly.
enum class Spotlight { Follow, Area };

class SpotlightMenu {
 public:
  virtual ~SpotlightMenu() = default;
  virtual void setChecked(Spotlight spotlight, bool checked) = 0;
};

// The floating clock, for the windows that show with it.
class ClockDisplay {
 public:
  virtual ~ClockDisplay() = default;
  // Draws the clock's shown text again at the given font size.
  virtual void redrawText(int fontSize) = 0;
  // Puts the clock on top of the other windows, unless they are held off.
  virtual void putOnTop() = 0;
  // The reminder stage the clock has reached.
  virtual AlarmStage alarmStage() = 0;
};

// The statistics table, which keeps one row per recorded run.
class RunRecords {
 public:
  virtual ~RunRecords() = default;
  // Adds the run record as a row of the table.
  virtual void addRow(const RunState::Record& record) = 0;
};

// The end of the program, which the tray menu's exit item and a refused start ask for.
class ProgramEnd {
 public:
  virtual ~ProgramEnd() = default;
  // Ends the process: the event loop returns with `exitCode`.
  virtual void endProcess(int exitCode) = 0;
};

}  // namespace horalix
