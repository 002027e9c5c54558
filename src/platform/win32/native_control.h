// One control of a form mirrored into a child window: STATIC, BUTTON, EDIT, COMBOBOX, LISTBOX,
// trackbar or list view by the control's kind. The model is the truth: the native window shows
// it, and user input goes back into it as the model's own user actions.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/forms.h"
#include "platform/win32/dispatch_guard.h"
#include "platform/win32/picture_cache.h"
#include "platform/win32/screen_units.h"

namespace horalix::win32 {

class NativeControl;

// What the controls of all forms share.
struct ControlContext {
  const ScreenUnits& units;
  DispatchGuard& guard;
  PictureCache& pictures;
  // Picture boxes whose drawing may differ from what they show, once the handlers are done.
  std::vector<NativeControl*> drawingsToSettle = {};
};

class NativeControl {
 public:
  NativeControl(platform::Control& control, HWND parent, int id, ControlContext& context);
  ~NativeControl();
  NativeControl(const NativeControl&) = delete;
  NativeControl& operator=(const NativeControl&) = delete;

  HWND hwnd() const { return hwnd_; }
  platform::Control& control() const { return control_; }

  // Shows one property of the model. Native notifications that this causes are not user input
  // and are ignored.
  void mirror(platform::Property what);
  void mirrorAll();

  // A WM_COMMAND notification of the control (BN_CLICKED, EN_CHANGE, ...).
  void command(WORD notification);
  // The trackbar of a slider moved.
  void scrolled();
  // WM_NOTIFY of a list view: the user selected a row.
  void notified(const NMHDR& header);
  // WM_CTLCOLOR*: sets the colours of the model on the DC and returns the background brush.
  HBRUSH colors(HDC dc);
  // Repaints a picture box whose drawing is no longer what it shows. A handler that clears the
  // box and draws the same again (the clock, several times a second) causes no repaint.
  void settleDrawing();

 private:
  void mirrorText();
  void mirrorList();
  void mirrorValue();
  void mirrorFont();
  std::string nativeText() const;
  void paint();
  void drawingChanged();
  static LRESULT CALLBACK pictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  platform::Control& control_;
  ControlContext& context_;
  const ScreenUnits& units_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  HBRUSH background_ = nullptr;
  COLORREF backgroundColor_ = 0;
  int mirroring_ = 0;
  // The drawing the window showed at its last paint.
  std::vector<platform::DrawOp> shown_;
  bool painted_ = false;
  bool settlePending_ = false;
};

}  // namespace horalix::win32
