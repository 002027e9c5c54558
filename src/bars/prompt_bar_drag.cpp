// Dragging a prompt bar: the system moves the window with the pointer; the bar then clamps
// itself to the primary screen and stores where it was dropped.
#include "bars/bar_position.h"
#include "bars/bars_needs.h"
#include "bars/prompt_bar.h"
#include "services/window_positions.h"

namespace horalix {

namespace {
constexpr int kLeftButton = 1;
}

void PromptBar::Form_MouseDown(int Button, int Shift, float X, float Y) {
  (void)Shift;
  // Holds off the keep-on-top routine of every window while the user handles the bar.
  needs_.run.holdOff = 100;
  if (Button == kLeftButton) {
    grabX_ = X;
    grabY_ = Y;
  }
}

void PromptBar::Form_MouseMove(int Button, int Shift, float X, float Y) {
  (void)Shift;
  needs_.run.holdOff = 100;
  if (Button & kLeftButton) {
    needs_.platform.desktop.dragWithPointer(*this);
    auto newLeft = static_cast<std::int32_t>(Left() + (X - grabX_));
    auto newTop = static_cast<std::int32_t>(Top() + (Y - grabY_));
    // The bar stays on its screen (the extended screen's bar anywhere right of the primary
    // screen); its top edge may sit on the bottom edge.
    const int w = screenWidthTwips();
    const int leftmost = role_.extended ? w : 0;
    const int rightmost = (role_.extended ? 3 * w : w) - Width();
    if (newLeft < leftmost) newLeft = leftmost;
    if (newLeft > rightmost) newLeft = rightmost;
    if (newTop < 0) newTop = 0;
    if (newTop > screenHeightTwips()) newTop = screenHeightTwips();
    move(newLeft, newTop, Width(), Height());
    saveWindowPos(needs_.platform, role_.leftKey, role_.topKey, Left(), Top());
  }
  // A bar left on screen without its text update goes as soon as the pointer touches it.
  if (!Timer2.Enabled()) tuichu();
}

}  // namespace horalix
