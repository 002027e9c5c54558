// One control of a form mirrored into a child window: STATIC, BUTTON, EDIT, COMBOBOX, LISTBOX,
// trackbar or list view by the control's kind. The model is the truth: the native window shows
// it, and user input goes back into it as the model's own user actions.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
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
  // The trackbar of a slider or a scroll bar moved (WM_HSCROLL/WM_VSCROLL's request).
  void scrolled(WPARAM request);
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
  void mirrorRange();
  void mirrorCaret();
  std::string nativeText() const;
  int nativeCaret() const;
  // Key messages of a text box go to the model's key handlers before the edit control.
  LRESULT keyMessage(UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK textBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void paint();
  void outlineOnly(int width, int height);
  void spareImagesAbove(HDC dc) const;
  void drawingChanged();
  static LRESULT CALLBACK pictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK mouseProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                    DWORD_PTR data);

  platform::Control& control_;
  ControlContext& context_;
  const ScreenUnits& units_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  HBRUSH background_ = nullptr;
  COLORREF backgroundColor_ = 0;
  int mirroring_ = 0;
  // False once this object is gone; a handler that unloads the form is checked against it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  WNDPROC editProc_ = nullptr;
  // The drawing the window showed at its last paint.
  std::vector<platform::DrawOp> shown_;
  bool painted_ = false;
  bool settlePending_ = false;
  // The text last given to a control whose text only the program sets (not a text box or combo
  // box): comparing with it spares reading the window's text back at every change.
  std::optional<std::string> givenText_;
};

}  // namespace horalix::win32
