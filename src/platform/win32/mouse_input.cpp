#include "platform/win32/mouse_input.h"

#include <windowsx.h>

#include <functional>

namespace horalix::win32 {

namespace {

// The model's button numbers.
constexpr int kLeft = 1, kRight = 2, kMiddle = 4;
// The model's Shift numbers.
constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

struct MouseArgs {
  int button = 0, shift = 0;
  float x = 0, y = 0;
};

MouseArgs argsOf(UINT msg, WPARAM wp, LPARAM lp, const ScreenUnits& units) {
  MouseArgs args;
  switch (msg) {
    case WM_LBUTTONDOWN:
      args.button = kLeft;
      break;
    case WM_RBUTTONDOWN:
      args.button = kRight;
      break;
    case WM_MBUTTONDOWN:
      args.button = kMiddle;
      break;
    default:  // a move reports every button held
      if (wp & MK_LBUTTON) args.button |= kLeft;
      if (wp & MK_RBUTTON) args.button |= kRight;
      if (wp & MK_MBUTTON) args.button |= kMiddle;
      break;
  }
  if (wp & MK_SHIFT) args.shift |= kShift;
  if (wp & MK_CONTROL) args.shift |= kCtrl;
  if (GetKeyState(VK_MENU) < 0) args.shift |= kAlt;
  // Client coordinates are signed: a captured pointer may stand left of or above the window.
  args.x = static_cast<float>(units.toTwipsX(GET_X_LPARAM(lp)));
  args.y = static_cast<float>(units.toTwipsY(GET_Y_LPARAM(lp)));
  return args;
}

using MouseHandler = std::function<void(int, int, float, float)>;

// The handler is copied before it runs: it may unload the window that holds it.
bool raise(const MouseHandler& handler, UINT msg, WPARAM wp, LPARAM lp, const ScreenUnits& units) {
  if (!handler) return false;
  const MouseArgs args = argsOf(msg, wp, lp, units);
  MouseHandler run = handler;
  run(args.button, args.shift, args.x, args.y);
  return true;
}

// A press or a move, to a window or a control alike.
template <typename Target>
bool forwardPressOrMove(Target& target, UINT msg, WPARAM wp, LPARAM lp, const ScreenUnits& units) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      return raise(target.MouseDown, msg, wp, lp, units);
    case WM_MOUSEMOVE:
      return raise(target.MouseMove, msg, wp, lp, units);
    default:
      return false;
  }
}

}  // namespace

bool forwardMouse(platform::Form& form, UINT msg, WPARAM wp, LPARAM lp, const ScreenUnits& units) {
  if (msg != WM_LBUTTONDBLCLK) return forwardPressOrMove(form, msg, wp, lp, units);
  if (!form.DblClick) return false;
  std::function<void()> run = form.DblClick;
  run();
  return true;
}

bool forwardMouse(platform::Control& control, UINT msg, WPARAM wp, LPARAM lp,
                  const ScreenUnits& units) {
  return forwardPressOrMove(control, msg, wp, lp, units);
}

}  // namespace horalix::win32
