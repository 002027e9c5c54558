// The main subsystem's public interface: the hidden main window with its tray menu, the start,
// pause and stop of a run, the pause state, the ends of a run and of a slide show, and what the
// subsystem works with. Other folders include this header, never the files behind it.
#pragma once

#include "main/main_needs.h"
#include "main/main_window.h"
#include "main/timing_control.h"

namespace horalix {

class PromptBar;
class InteractionWindow;
struct ClockPair;

// Takes a finished run down: tool windows closed, prompt bars and the interaction window parked,
// the add-in's hand-over value of the run's document deleted, the tray menu released and the
// clocks put back where the show/hide choice wants them.
void EndTiming(MainNeeds& needs);
// Parks both prompt bars above the screen and stops their timers.
void HideProcessBars(PromptBar& promptBar, PromptBar& secondPromptBar);
// Parks the interaction window and stops its count, its blink and its sound.
void HideInteraction(InteractionWindow& window);
// Hands the program back to timing when a window that held it (the settings, the statistics)
// closes. Automatic timing lets the document watch bind the next run, which starts without the
// start sound. Manual timing gets a fresh run record and idle clocks, and with
// `unbindDocument` a run bound to a document is unbound (a manual one stays bound).
void resumeTiming(const ClockPair& clocks, MainWindow& mainWindow, bool unbindDocument);

// Five passes over the top-level windows; each slide-show window is brought to the foreground
// and gets Esc. Esc goes only to a window that did come to the foreground: a window that cannot
// be activated is passed over, so that no other program receives a stray Esc.
void EndSlideShow(platform::Platform& platform);

}  // namespace horalix
