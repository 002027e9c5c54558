#include "platform/win32/mouse_input.h"

#include <windowsx.h>

#include <functional>

namespace horalix::win32 {

namespace {

// The model's button numbers.
constexpr int kLeft = 1, kRight = 2, kMiddle = 4;
// The model's Shift numbers.
constexpr int kShift = 1, kCtrl = 2, kAlt = 4;

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

struct MouseArgs {
  int button = 0, shift = 0;
  float x = 0, y = 0;
};

MouseArgs argsOf(UINT msg, WPARAM wp, LPARAM lp, const ScreenUnits& units) {
  MouseArgs args;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      args.button = kLeft;
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      args.button = kRight;
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
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

// Presses, moves, releases and double clicks, to a window or a control alike.
template <typename Target>
bool forward(Target& target, UINT msg, WPARAM wp, LPARAM lp, const ScreenUnits& units,
             HWND capture) {
  const bool handlesMouse = target.MouseDown || target.MouseMove || target.MouseUp;
  switch (msg) {
    case WM_LBUTTONDBLCLK:
      if (target.DblClick) {
        std::function<void()> run = target.DblClick;
        run();
        return true;
      }
      [[fallthrough]];  // without a handler of its own, the second click is a press
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // Taken before the handler runs: the handler may hand the mouse on (a window drag).
      if (capture != nullptr && handlesMouse) SetCapture(capture);
      return raise(target.MouseDown, msg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : msg, wp, lp, units);
    case WM_MOUSEMOVE:
      return raise(target.MouseMove, msg, wp, lp, units);
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      // The message's key state no longer holds the button released.
      if (capture != nullptr && (wp & kAnyButton) == 0 && GetCapture() == capture) {
        ReleaseCapture();
      }
      return raise(target.MouseUp, msg, wp, lp, units);
    default:
      return false;
  }
}

}  // namespace

bool isMouseInput(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool forwardMouse(platform::Form& form, UINT msg, WPARAM wp, LPARAM lp, const ScreenUnits& units,
                  HWND capture) {
  return forward(form, msg, wp, lp, units, capture);
}

bool forwardMouse(platform::Control& control, UINT msg, WPARAM wp, LPARAM lp,
                  const ScreenUnits& units, HWND capture) {
  return forward(control, msg, wp, lp, units, capture);
}

}  // namespace horalix::win32
