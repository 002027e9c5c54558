// The mouse on the interaction window's time: any press holds off the keep-on-top routine, a
// right press or a double click opens the "互动" popup, a left drag moves the window. Where it
// is dropped is not kept: the next start or time-up centres it again.
#include "interaction/interaction_needs.h"
#include "interaction/interaction_window.h"
#include "services/ports.h"

namespace horalix {

namespace {
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
}  // namespace

void InteractionWindow::Picture4_MouseDown(int Button) {
  // Twenty calls of the keep-on-top routine leave the window order alone while the user works.
  needs_.run.holdOff = 100;
  if (Button == kRightButton) needs_.interactionMenu.popUp();
}

void InteractionWindow::Picture4_DblClick() { needs_.interactionMenu.popUp(); }

void InteractionWindow::Picture4_MouseMove(int Button) {
  if (Button & kLeftButton) needs_.platform.desktop.dragWithPointer(*this);
}

}  // namespace horalix
