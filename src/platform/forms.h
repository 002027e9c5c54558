// The retained model of the program's windows. The core owns forms and controls and changes
// their properties; a backend mirrors them into native windows (FormObserver) and feeds user
// input back as property changes and events.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/control_design.h"
#include "platform/fonts.h"
#include "platform/form_property.h"
#include "platform/menu_item.h"
#include "platform/timer.h"

namespace horalix::platform {

class Form;
class Control;

enum class ControlKind {
  Label,
  TextBox,
  CommandButton,
  CheckBox,
  OptionButton,
  ComboBox,
  ListBox,
  PictureBox,
  Image,
  Frame,
  Slider,
  ListView,
  HScrollBar,  // Value within Min..Max; Change runs when it moves
  VScrollBar,  // the same, standing upright: its upper arrow lowers Value
  Shape,       // a drawn rectangle outline
  TabStrip,    // a row of tabs: List holds their captions, ListIndex the selected one
};

// One thing drawn into a picture box's persistent image, in the order drawn. Positions and
// sizes are twips of the box.
struct DrawOp {
  enum class Kind { Clear, Picture, Text, Box, Ellipse };
  Kind kind = Kind::Clear;
  // Clear: the back colour cleared to; Text: the fore colour; Box, Ellipse: the fill colour of
  // the rectangle (x, y, width, height) or of the ellipse inside it.
  std::uint32_t color = 0;
  // Picture: the file drawn, the destination rectangle and the section of the picture taken,
  // in twips of the picture at its natural size (naturalWidth x naturalHeight twips).
  std::string picture;
  float x = 0, y = 0, width = 0, height = 0;
  float srcX = 0, srcY = 0, srcWidth = 0, srcHeight = 0;
  int naturalWidth = 0, naturalHeight = 0;
  // Text: the text printed at (x, y) in this font.
  std::string text;
  FontSpec font;
  bool operator==(const DrawOp&) const = default;
};

// A window's outline: the rounded rectangle from (left, top) to (right, bottom) with corner
// ellipses of the given size, in pixels of the window.
struct WindowRegion {
  int left = 0, top = 0, right = 0, bottom = 0;
  int ellipseWidth = 0, ellipseHeight = 0;
  bool operator==(const WindowRegion&) const = default;
};

// Told of every change to a form, its controls and its menus.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void formLoaded(Form& form) = 0;
  virtual void formUnloaded(Form& form) = 0;
  virtual void formChanged(Form& form, Property what) = 0;
  virtual void controlChanged(Control& control, Property what) = 0;
  virtual void menuChanged(MenuItem& item, Property what) = 0;
};

// What a backend gives every form: the mirror, the timers and the nested loop of a modal show.
class FormHost : public FormObserver {
 public:
  virtual TimerScheduler& timers() = 0;
  // Runs a nested loop while `stillOpen()` holds; other timers keep running inside it.
  virtual void runModal(const std::function<bool()>& stillOpen) = 0;
  // Registers the common-control classes the windows use, once at program start; false when
  // the system refused. A backend without native controls has nothing to register.
  virtual bool initCommonControls() { return true; }
  // Measures texts and realises fonts for the controls (labels that size themselves, picture
  // boxes).
  virtual FontService& fonts() = 0;
  // What the frame of a window with this BorderStyle (title bar and borders) adds to its client
  // area, in twips: {width, height}. A host that draws no frames adds nothing.
  virtual std::pair<int, int> frameSize(int borderStyle) {
    (void)borderStyle;
    return {0, 0};
  }
};

// A control with the design name and index of the program's forms (index -1: not in an array).
// Geometry is in twips. Setting `Value` or `ListIndex` from code runs the Click handler (a scroll
// bar's Change), and setting `Text` runs Change, when the value really changes. A setter that
// cannot take the value (a list position beyond the list, a text that is no item of a drop-down
// list, a scroll value outside the range) leaves the control as it is and returns false.
class Control {
 public:
  Control(Form& owner, std::string name, int index, ControlKind kind);

  Form& form() const { return owner_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }
  ControlKind kind() const { return kind_; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void setLeft(int v) { move(v, top_, width_, height_); }
  void setTop(int v) { move(left_, v, width_, height_); }
  void setWidth(int v) { move(left_, top_, v, height_); }
  void setHeight(int v) { move(left_, top_, width_, v); }
  void move(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  void setVisible(bool v);
  // Visible, and so is every frame or picture box it lies in: what a user can see of it. A
  // container shown or hidden reports a change of Visible for every control inside it.
  bool visibleOnScreen() const;
  // Whether the control lies in `container`, directly or inside a container that lies in it.
  bool isInside(const Control& container) const;
  // The frame or picture box the control lies in; nullptr for the form itself.
  const Control* containerControl() const { return container_; }
  bool Enabled() const { return enabled_; }
  void setEnabled(bool v);

  // Caption of labels, buttons and frames; Text of text boxes and combo boxes.
  const std::string& Caption() const { return caption_; }
  void setCaption(const std::string& v);
  const std::string& Text() const { return caption_; }
  // A drop-down list combo box takes only the text of one of its items, which it selects.
  bool setText(const std::string& v);

  // Check boxes 0/1/2, option buttons 0/1, sliders and scroll bars their position. Option
  // buttons in one container (the form itself or one frame or picture box) are one group.
  int Value() const { return value_; }
  bool setValue(int v);

  // Scroll bars: the range of Value; Min may lie above Max. A Value outside a new range is
  // moved to its nearer end without running Change.
  int Min() const { return min_; }
  int Max() const { return max_; }
  void setRange(int min, int max);
  bool inRange(int v) const;

  // Text boxes: a locked box takes no typed characters (key events still reach its handlers);
  // SelStart is the caret's place in characters, 0 to the text's length.
  int SelStart() const { return selStart_; }
  void setSelStart(int v);
  // A combo box whose text is always one of its items.
  bool dropdownList() const { return dropdownList_; }
  void setDropdownList(bool v) { dropdownList_ = v; }

  // List boxes and combo boxes.
  const std::vector<std::string>& List() const { return list_; }
  void addItem(const std::string& item);
  void removeItem(int index);
  void clear();
  int ListIndex() const { return listIndex_; }
  bool setListIndex(int v);

  std::uint32_t ForeColor() const { return foreColor_; }
  std::uint32_t BackColor() const { return backColor_; }
  void setForeColor(std::uint32_t c);
  void setBackColor(std::uint32_t c);
  const FontSpec& Font() const { return font_; }
  void setFont(const FontSpec& f);

  // The file a picture box or image shows ("" for none), with the picture's natural size in
  // pixels (0 x 0 when not known).
  const std::string& Picture() const { return picture_; }
  void setPicture(const std::string& path);
  void setPicture(const std::string& path, int widthPx, int heightPx);
  int pictureWidthPx() const { return pictureWidthPx_; }
  int pictureHeightPx() const { return pictureHeightPx_; }

  // The font as the system realises it (face that took, drawable size).
  FontSpec realisedFont() const;

  // The hint shown while the mouse rests on the control ("" none).
  const std::string& ToolTipText() const { return toolTipText_; }
  void setToolTipText(const std::string& v);
  // The pointer over the control; Default shows the control's own.
  platform::MousePointer MousePointer() const { return mousePointer_; }
  void setMousePointer(platform::MousePointer v);

  // The frame drawn around the control (0 none, 1 fixed single), the control's place in the
  // Tab order (-1 none) and the name of the control it sits in ("" the form), as designed; a
  // backend reads them when it creates the native control.
  int BorderStyle() const { return borderStyle_; }
  void setBorderStyle(int v) { borderStyle_ = v; }
  int TabIndex() const { return tabIndex_; }
  void setTabIndex(int v) { tabIndex_ = v; }
  std::string_view Container() const {
    return container_ != nullptr ? std::string_view(container_->name()) : std::string_view();
  }

  // A label with AutoSize takes the size of its caption in its font; a picture box with
  // AutoSize the size of its picture (pixels x twipsPerPixel, given to setAutoSize).
  bool AutoSize() const { return autoSize_; }
  void setAutoSize(bool v, int twipsPerPixel = 15);

  // ---- Drawing on picture boxes (twips of the box; borderless, so the scale is the size) ----
  int ScaleWidth() const { return width_; }
  int ScaleHeight() const { return height_; }
  bool AutoRedraw() const { return autoRedraw_; }
  void setAutoRedraw(bool v) { autoRedraw_ = v; }
  double CurrentX = 0, CurrentY = 0;
  // Clears the persistent image to BackColor and puts the print position at (0, 0).
  void Cls();
  // Prints text at (CurrentX, CurrentY) in the box's font and ForeColor; the print position
  // then moves to the start of the next line.
  void Print(const std::string& text);
  int TextWidth(const std::string& text) const;
  int TextHeight(const std::string& text) const;
  // Draws a picture file into the rectangle (x, y, width, height), taking the section
  // (srcX, srcY, srcWidth, srcHeight) in twips of its natural size (naturalWidth x
  // naturalHeight twips); without a section the whole picture is stretched. An empty file name
  // (no picture) throws std::invalid_argument.
  void PaintPicture(const std::string& picture, float x, float y, float width, float height,
                    int naturalWidth, int naturalHeight);
  void PaintPicture(const std::string& picture, float x, float y, float width, float height,
                    float srcX, float srcY, float srcWidth, float srcHeight, int naturalWidth,
                    int naturalHeight);
  // Fills the rectangle (x, y, width, height), or the ellipse inside it, with a colour.
  void fillBox(float x, float y, float width, float height, std::uint32_t color);
  void fillEllipse(float x, float y, float width, float height, std::uint32_t color);
  // What the persistent image holds, since the last Cls.
  const std::vector<DrawOp>& drawing() const { return drawing_; }

  // ---- Lists with extended selection, tab stops, locked text, focus and keys ----
  // A list box designed with design::kMultiSelect keeps a selected flag per row (Shift adds a
  // range, Ctrl single rows); ListIndex is then the row with the focus rectangle.
  bool MultiSelect() const { return multiSelect_; }
  bool Selected(int index) const;
  // Changes one row's flag without running Click, as code setting Selected does.
  void setSelected(int index, bool v);
  int SelCount() const;
  // The user's selection as a whole: the flags and the focus row, then Click once.
  void userSelect(const std::vector<bool>& selected, int focusRow);
  // Tab stops of a list box's rows, in dialog units; empty: the system's default stops.
  const std::vector<int>& tabStops() const { return tabStops_; }
  void setTabStops(const std::vector<int>& stops);
  // A text box that shows its text but takes no typing.
  bool Locked() const { return locked_; }
  void setLocked(bool v);
  // Gives the control the keyboard focus; the control that had it runs LostFocus.
  void SetFocus();
  bool hasFocus() const;
  // The user moved the focus here (a backend reports it); the control that had it runs
  // LostFocus.
  void userFocus();
  // The user moved the focus out of the control (to another window or a control that does not
  // report focus): it runs LostFocus.
  void userBlur();
  // A key typed while the control has the focus; a handler sets KeyAscii to 0 to swallow it.
  void keyPress(int& KeyAscii);

  std::function<void()> Click;
  std::function<void()> Change;
  std::function<void()> LostFocus;
  // Mouse input over the control, as a backend reports it: Button 1 left, 2 right, 4 middle
  // (while moving, the buttons held, or'ed; 0 for none; a press or a release names its own
  // button); Shift 1 Shift, 2 Ctrl, 4 Alt; X and Y in twips of the control. While a button is
  // held the control keeps the mouse, so moves and the release come to it from anywhere.
  // Controls that do not handle them leave them empty.
  std::function<void(int Button, int Shift, float X, float Y)> MouseDown, MouseMove, MouseUp;
  // A double click of the left button.
  std::function<void()> DblClick;

  // Keyboard input of text boxes: KeyPress gets each typed character (code point; 8
  // Backspace, 13 Enter) and may change it, 0 discarding it; KeyDown and KeyUp get the virtual
  // key code and the shift state (1 Shift, 2 Ctrl, 4 Alt).
  std::function<void(int& KeyAscii)> KeyPress;
  std::function<void(int&KeyCode, int Shift)> KeyDown, KeyUp;

  // User input, as a backend reports it.
  void click();
  void userSetText(const std::string& v);
  // A typed character: KeyPress first, then (unless discarded or locked) the text changes at
  // the caret. Returns the character the box took (0 none).
  int userKeyPress(int keyAscii);
  // KeyPress alone, for a backend whose native box does the typing: the character to type.
  int filterKey(int keyAscii);
  // Where the caret stands now, as the backend's native box reports it.
  void userCaret(int v) { selStart_ = v; }
  void userKeyDown(int keyCode, int shift);
  void userKeyUp(int keyCode, int shift);
  // The user moved a scroll bar to this value (kept inside the range).
  void userScroll(int v);

 private:
  friend class Form;
  template <class Owner, class T>
  friend bool setProperty(Owner& owner, T& field, const T& value, Property what);
  void changed(Property what);
  void fitToText();
  void draw(DrawOp op);

  Form& owner_;
  std::string name_;
  int index_;
  ControlKind kind_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true, enabled_ = true;
  std::string caption_;
  int value_ = 0;
  std::vector<std::string> list_;
  int listIndex_ = -1;
  bool multiSelect_ = false, locked_ = false;
  std::vector<bool> selected_;
  std::vector<int> tabStops_;
  std::uint32_t foreColor_ = 0x000000, backColor_ = 0xFFFFFF;
  FontSpec font_;
  std::string picture_;
  int pictureWidthPx_ = 0, pictureHeightPx_ = 0;
  bool autoSize_ = false, autoRedraw_ = false;
  int borderStyle_ = 0, tabIndex_ = -1;
  // Found by name once, when the form binds the control's design row.
  const Control* container_ = nullptr;
  int min_ = 0, max_ = 32767;
  bool dropdownList_ = false;
  int selStart_ = 0;
  int autoSizeTwipsPerPixel_ = 15;
  std::string toolTipText_;
  platform::MousePointer mousePointer_ = platform::MousePointer::Default;
  std::vector<DrawOp> drawing_;
};

// A window of the program. Subclasses declare their controls, timers and menus in their
// constructor and put their load and unload behaviour into Form_Load / Form_Unload.
class Form {
 public:
  Form(FormHost& host, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }

  // Loads the window (running Form_Load once) when it is not loaded yet. A window loaded again
  // after an Unload starts as it did the first time, as a window created anew: every control of
  // its design tables is put back from its row (see addControls), and the window's caption,
  // place, size, back colour, pointer, border style and outline are those it had when it first
  // loaded. No handler runs for what is put back. The timers enabled in the design start again,
  // each with the Interval it has now: an Interval changed at run time is not put back. The windows
  // that stay loaded for the whole run never come here twice.
  void Load();
  bool loaded() const { return loaded_; }
  // Loads when needed and makes the window visible. A modal show runs a nested loop (the
  // host's) until the window is hidden or unloaded.
  void Show(bool modal = false);
  void Hide();
  // Runs Form_Unload (which may cancel) and closes the window; its timers stop.
  bool Unload();
  bool shownModal() const { return modal_; }
  // The window has lost the keyboard focus (raised by the host).
  void LostFocus() { Form_LostFocus(); }

  // Mouse input on the window's own surface (not over a control), as a backend reports it,
  // with the arguments of the controls' pair (X and Y in twips of the client area). Windows
  // that do not handle them leave them empty; a backend may then pass the input by.
  std::function<void(int Button, int Shift, float X, float Y)> MouseDown, MouseMove, MouseUp;
  std::function<void()> DblClick;

  int Left() const { return look_.left; }
  int Top() const { return look_.top; }
  int Width() const { return look_.width; }
  int Height() const { return look_.height; }
  void move(int left, int top, int width, int height);
  void setLeft(int v) { move(v, look_.top, look_.width, look_.height); }
  void setTop(int v) { move(look_.left, v, look_.width, look_.height); }
  void setWidth(int v) { move(look_.left, look_.top, v, look_.height); }
  void setHeight(int v) { move(look_.left, look_.top, look_.width, v); }

  bool Visible() const { return visible_; }
  void setVisible(bool v);
  const std::string& Caption() const { return look_.caption; }
  void setCaption(const std::string& v);
  std::uint32_t BackColor() const { return look_.backColor; }
  void setBackColor(std::uint32_t c);
  // The pointer over the window's own surface; a control with a pointer of its own shows that.
  platform::MousePointer MousePointer() const { return look_.mousePointer; }
  void setMousePointer(platform::MousePointer v);
  // The topmost band and the see-through look below belong to the loaded window: set before it
  // loads they do nothing, and a window loaded again starts plain, as it was designed.
  // In the topmost band, above every window that is not. Setting it true again raises the
  // window to the top of that band.
  bool topmost() const { return topmost_; }
  void setTopmost(bool v);
  // A layered window drawn without the pixels of the key colour (0x00BBGGRR; -1 none) and the
  // rest at the opacity alpha (0 clear, 255 opaque: the key alone). An opacity that is no byte
  // leaves the window as it was, as a layered window without valid attributes shows nothing.
  bool layered() const { return layered_; }
  std::int64_t colorKey() const { return colorKey_; }
  int alpha() const { return alpha_; }
  void setLayered(std::int64_t colorKey, int alpha);
  // The window's frame, set in the design (it takes effect when the window loads): 0 none (a bare
  // window without caption or task-bar button), 1 fixed single, 2 sizable, 3 fixed dialog, 4
  // fixed tool window, 5 sizable tool window.
  // Sizes the window so that its client area (inside title bar and borders) has this size.
  void setClientSize(int width, int height);
  // The client area's size in twips.
  int ScaleWidth() const;
  int ScaleHeight() const;
  int BorderStyle() const { return look_.borderStyle; }
  void setBorderStyle(int v) { look_.borderStyle = v; }
  // The window's outline; none: the whole rectangle. The window owns the region it is given.
  const std::optional<WindowRegion>& region() const { return look_.region; }
  void setRegion(const std::optional<WindowRegion>& region);

  // Every control, in the order added (what a backend mirrors).
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  // The control with the keyboard focus inside the window; nullptr for none.
  Control* ActiveControl() const { return activeControl_; }
  Control& addControl(const std::string& name, int index, ControlKind kind);
  // Adds the controls of a design table, in its order, and keeps the rows for each later Load.
  // A control's place is given inside its container and kept in form twips; a container named
  // before it was added throws std::out_of_range. The form keeps its own copies of the rows'
  // texts. Returns the form, so that a constructor's member list can name them.
  // A later Load puts each control back as its row designs it: place, caption or text, font,
  // colours, value and range, the design switches; lists emptied, with no selection; no picture,
  // drawing or tab stops. What a window shows beyond its rows it sets in its Form_Load; handlers
  // and controls added outside the tables stay as they are.
  Form& addControls(std::span<const ControlDesign> designs);

  Timer& timer(const std::string& name);
  // A timer enabled in the design starts when the window loads.
  Timer& addTimer(const std::string& name, int interval, bool enabled = false);
  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

  // The form's menu bar / popup roots.
  MenuItem& menuRoot() { return *menuRoot_; }
  MenuItem* findMenu(const std::string& name, int index = -1);

  FormHost& host() const { return host_; }

  // A window's leave to look its controls up by design name, which only the window itself can
  // give (binding()): code outside the window that binds a part of its design (a control row, a
  // set of fields shared by several routines) takes one, so that it binds only what the window
  // hands it while it is built. It cannot be copied, so it lives no longer than the call it was
  // given to.
  class Binding {
   public:
    Binding(const Binding&) = delete;
    Binding& operator=(const Binding&) = delete;

    // The control of this design name and index; std::out_of_range when there is none.
    Control& control(const std::string& name, int index = -1) const {
      return form_.control(name, index);
    }
    // Every control of the window, in the order added: what a control array is gathered from.
    const std::vector<std::unique_ptr<Control>>& controls() const { return form_.controls(); }

   private:
    friend class Form;
    explicit Binding(Form& form) : form_(form) {}
    Form& form_;
  };

 protected:
  // A control by design name and index, for the window's own binding of its design: the window
  // binds its controls into members once, when it is built, and reaches them through those.
  Control& control(const std::string& name, int index = -1);
  Control* findControl(const std::string& name, int index = -1);
  // The leave to bind its design that the window hands to the rows and field sets it builds.
  Binding binding() { return Binding(*this); }

  virtual void Form_Load() {}
  // Set cancel to true to keep the window loaded.
  virtual void Form_Unload(bool& cancel) { (void)cancel; }
  virtual void Form_Activate() {}
  virtual void Form_LostFocus() {}

 private:
  friend class Control;
  friend class MenuItem;
  template <class Owner, class T>
  friend bool setProperty(Owner& owner, T& field, const T& value, Property what);
  void changed(Property what);
  // A control's designed properties from its row, its place given inside the container bound
  // when the row was added; what no row gives is as on a control just made.
  void applyDesign(Control& c, const ControlDesign& d);
  // Puts the controls and the window itself back as the first Load found them.
  void restoreDesign();

  // The window's own properties that each Load after the first puts back as they were then.
  struct Look {
    std::string caption;
    int left = 0, top = 0, width = 0, height = 0;
    std::uint32_t backColor = 0x8000000F;
    platform::MousePointer mousePointer = platform::MousePointer::Default;
    int borderStyle = 2;
    std::optional<WindowRegion> region;
  };

  FormHost& host_;
  std::string name_;
  bool loaded_ = false, visible_ = false, modal_ = false, topmost_ = false, layered_ = false;
  std::int64_t colorKey_ = -1;
  int alpha_ = 255;
  Look look_;
  std::vector<std::unique_ptr<Control>> controls_;
  // A design row kept for each later Load. It holds its own copies of the row's texts: a row
  // built at run time may point at texts that are gone by then.
  class KeptRow {
   public:
    KeptRow(Control& control, const ControlDesign& design);
    Control& control() const { return *control_; }
    // The row as it was added, its texts read from the copies kept here.
    ControlDesign design() const;

   private:
    Control* control_;
    ControlDesign design_;  // its texts left empty
    std::string name_, caption_, fontName_, container_, toolTipText_;
  };

  // The controls of the design tables with their rows, in the order added.
  std::vector<KeptRow> designRows_;
  // The look as the window first loaded; empty until then.
  std::optional<Look> firstLook_;
  Control* activeControl_ = nullptr;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::vector<bool> designEnabled_;
  std::unique_ptr<MenuItem> menuRoot_;
};

}  // namespace horalix::platform
