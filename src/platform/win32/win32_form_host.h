// The forms model mirrored into real windows: one top-level window per loaded form, a child
// window per control that has been visible, the form's menu bar. User input goes back into the
// model (a click runs Control::click(), typing runs userSetText), and the model's own changes are
// mirrored with the native notifications they cause ignored.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/forms.h"
#include "platform/win32/dispatch_guard.h"
#include "platform/win32/native_control.h"
#include "platform/win32/native_menu.h"
#include "platform/win32/picture_cache.h"
#include "platform/win32/screen_units.h"
#include "platform/win32/win32_event_loop.h"
#include "platform/win32/win32_fonts.h"

namespace horalix::win32 {

class Win32FormHost final : public platform::FormHost {
 public:
  Win32FormHost(Win32EventLoop& loop, DispatchGuard& guard);
  ~Win32FormHost() override;
  Win32FormHost(const Win32FormHost&) = delete;
  Win32FormHost& operator=(const Win32FormHost&) = delete;

  platform::TimerScheduler& timers() override { return loop_.timers(); }
  void runModal(const std::function<bool()>& stillOpen) override;
  bool initCommonControls() override;
  platform::FontService& fonts() override { return fonts_; }
  std::pair<int, int> frameSize(int borderStyle) override;

  void formLoaded(platform::Form& form) override;
  void formUnloaded(platform::Form& form) override;
  void formChanged(platform::Form& form, platform::Property what) override;
  void controlChanged(platform::Control& control, platform::Property what) override;
  void menuChanged(platform::MenuItem& item, platform::Property what) override;

  // A bare window kept above all others (the clock, the prompt bar) is shown, clicked and
  // dragged without taking the keyboard from the window the presenter works in, as its raises
  // are. Under Wine an activated window is also handed to the window manager for good, and each
  // later move off and onto the screen then waits for it.
  static bool staysInactive(const platform::Form& form);

  // The window of a loaded form; null when the form is not loaded.
  HWND windowOf(const platform::Form& form) const;
  // The child window of a control; null while it has never been visible.
  HWND windowOf(const platform::Control& control) const;
  // The tool-tip window that shows a loaded form's control hints; null while none has a hint.
  HWND toolTipsOf(const platform::Form& form) const;
  std::size_t loadedCount() const { return forms_.size(); }
  const ScreenUnits& units() const { return units_; }
  const PictureCache& pictures() const { return pictures_; }

  // Runs when the last loaded form has been unloaded: the program has no window left.
  std::function<void()> onLastFormUnloaded;
  // Runs when Windows ends the session, after every form has been unloaded.
  std::function<void()> onSessionEnd;

 private:
  struct NativeForm {
    explicit NativeForm(platform::Form& f) : form(f) {}
    platform::Form& form;
    HWND hwnd = nullptr;
    std::map<const platform::Control*, std::unique_ptr<NativeControl>> controls;
    std::unique_ptr<NativeMenu> menuBar;
    HBRUSH background = nullptr;
    COLORREF backgroundColor = 0;
    // The outline last given to the window, so that the same outline again changes nothing.
    bool shaped = false;
    std::optional<platform::WindowRegion> shapedRegion;
    // Set when the window has been moved, resized or shown since it was last cut: under Wine a
    // window cut by a region is cut again then, for its face to be drawn whole.
    bool movedSinceShaped = false;
    // Between the start and the end of a move loop (the user dragging the window), and while
    // the model's own place is being given to the window.
    bool moving = false, placing = false;
    // Created with the first control hint; the window owns it and destroys it with itself.
    HWND toolTips = nullptr;
  };

  static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT handle(NativeForm& native, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  NativeForm* find(const platform::Form& form) const;
  NativeControl* findControl(const NativeForm& native, HWND child) const;
  NativeControl* ensureControl(NativeForm& native, platform::Control& control);
  void keepLabelsOnImages(NativeForm& native, const platform::Control& control);
  void placeForm(NativeForm& native);
  void shapeForm(NativeForm& native);
  // The form's colour key and opacity on its layered window.
  void applyLayered(const NativeForm& native);
  void settleDrawings();
  void rebuildMenuBar(NativeForm& native);
  void eraseBackground(NativeForm& native, HDC dc);
  void userMoved(NativeForm& native);
  void userMovedSoFar(NativeForm& native);
  void mirrorToolTip(NativeForm& native, const platform::Control& control);
  // Shows the model's pointer for the window or control under the mouse; false to leave the
  // default one.
  bool showPointer(const NativeForm& native, HWND under, UINT hitTest);
  void unloadAll();
  void forgetUnusedPictures();
  void destroyWindows(NativeForm& native);

  Win32EventLoop& loop_;
  DispatchGuard& guard_;
  ScreenUnits units_;
  Win32Fonts fonts_;
  PictureCache pictures_;
  ControlContext controlContext_{units_, guard_, pictures_};
  std::vector<std::unique_ptr<NativeForm>> forms_;  // in load order
  std::vector<const platform::Form*> modalForms_;   // innermost last
  bool endingSession_ = false;
};

}  // namespace horalix::win32
