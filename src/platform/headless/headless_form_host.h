// The headless mirror of the program's windows: it keeps which forms are loaded, their z-order,
// how often each was raised to the top, and a log of every change, and runs modal shows through the
// virtual-time loop.
#pragma once

#include <map>

#include <string>
#include <vector>

#include "platform/headless/fixed_font_metrics.h"
#include "platform/forms.h"
#include "platform/headless/headless_event_loop.h"

namespace horalix::platform {

// One change the mirror was told of: "Frm_exit" for the form itself, "time_glass.Label1(0)" for
// a control, "Frm_exit.menu_one(2)" for a menu item.
struct FormChange {
  std::string target;
  Property what;
  bool operator==(const FormChange&) const = default;
};

class HeadlessFormHost final : public FormHost {
 public:
  explicit HeadlessFormHost(HeadlessEventLoop& loop) : loop_(loop) {}

  TimerScheduler& timers() override { return loop_.timers(); }
  // The fonts a test or the headless platform hands in; without them, the host's own fixed
  // metrics.
  FontService& fonts() override { return fonts_ ? *fonts_ : ownFonts_; }
  void useFonts(FontService& fonts) { fonts_ = &fonts; }
  // Frames add nothing here unless a test gives a BorderStyle a frame (twips).
  std::pair<int, int> frameSize(int borderStyle) override {
    auto it = frames_.find(borderStyle);
    return it == frames_.end() ? std::pair<int, int>{0, 0} : it->second;
  }
  void setFrameSize(int borderStyle, int width, int height) {
    frames_[borderStyle] = {width, height};
  }
  void runModal(const std::function<bool()>& stillOpen) override;

  void formLoaded(Form& form) override;
  void formUnloaded(Form& form) override;
  void formChanged(Form& form, Property what) override;
  void controlChanged(Control& control, Property what) override;
  void menuChanged(MenuItem& item, Property what) override;

  // Loaded forms, the top of the z-order first: topmost windows above the others, and within
  // each band the window shown last on top.
  std::vector<Form*> zOrder() const;
  Form* find(const std::string& name) const;
  bool isLoaded(const Form& form) const;
  // How often a form of this name was loaded.
  int loadCount(const std::string& name) const;
  // How often a form of this name was raised to the top of the topmost band.
  int raiseCount(const std::string& name) const;
  // Modal windows open now, the innermost last.
  const std::vector<Form*>& modalStack() const { return modal_; }

  const std::vector<FormChange>& changes() const { return changes_; }
  void clearChanges() { changes_.clear(); }

  // User input, dispatched as the window procedure does: a handler that throws is logged.
  void click(Control& control);
  void click(MenuItem& item);
  void type(Control& control, const std::string& text);
  // Keys pressed in a text box: each character of `text` typed (KeyPress, then the text at the
  // caret), a key going down or up with its shift state, the focus leaving the box.
  void typeKeys(Control& control, const std::string& text);
  void keyDown(Control& control, int keyCode, int shift = 0);
  void keyUp(Control& control, int keyCode, int shift = 0);
  void lostFocus(Control& control);
  // A scroll bar moved by the user: its arrows step by one (upper or left arrow: -1).
  void scroll(Control& control, int value);
  void scrollArrow(Control& control, int step);
  // Mouse input on a window or a control (X, Y in twips of it); nothing happens where the
  // window or control does not handle that input.
  void mouseDown(Form& form, int button, float x, float y, int shift = 0);
  void mouseMove(Form& form, int button, float x, float y, int shift = 0);
  void mouseUp(Form& form, int button, float x, float y, int shift = 0);
  void dblClick(Form& form);
  void mouseDown(Control& control, int button, float x, float y, int shift = 0);
  void mouseMove(Control& control, int button, float x, float y, int shift = 0);
  void mouseUp(Control& control, int button, float x, float y, int shift = 0);
  void dblClick(Control& control);

  static std::string describe(const Control& control);
  static std::string describe(const MenuItem& item);

 private:
  void bringToTop(Form& form);

  HeadlessEventLoop& loop_;
  FontService* fonts_ = nullptr;
  FixedFontMetrics ownFonts_;
  std::vector<Form*> order_;  // loaded forms, the last shown first
  std::vector<Form*> modal_;
  std::vector<std::string> loads_;
  std::map<std::string, int> raises_;
  std::vector<FormChange> changes_;
  std::map<int, std::pair<int, int>> frames_;
};

}  // namespace horalix::platform
