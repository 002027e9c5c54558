// The retained model of the program's windows. The core owns forms and controls and changes
// their properties; a backend mirrors them into native windows (FormObserver) and feeds user
// input back as property changes and events.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/timer.h"

namespace horalix::platform {

class Form;
class Control;
class MenuItem;

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
};

struct FontSpec {
  std::string name = "宋体";
  double size = 9;
  bool bold = false;
  bool italic = false;
  bool operator==(const FontSpec&) const = default;
};

// Which property changed, so that a backend mirrors only that.
enum class Property {
  Geometry,
  Visible,
  Enabled,
  Caption,
  Value,
  List,
  Colors,
  Font,
  Picture,
  Topmost,
  Loaded,
  Checked,
  Items,
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
};

// A control with the design name and index of the program's forms (index -1: not in an array).
// Geometry is in twips. Setting `Value` or `ListIndex` from code runs the Click handler, and
// setting `Text` runs Change, when the value really changes.
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
  bool Enabled() const { return enabled_; }
  void setEnabled(bool v);

  // Caption of labels, buttons and frames; Text of text boxes and combo boxes.
  const std::string& Caption() const { return caption_; }
  void setCaption(const std::string& v);
  const std::string& Text() const { return caption_; }
  void setText(const std::string& v);

  // Check boxes 0/1/2, option buttons 0/1, sliders their position.
  int Value() const { return value_; }
  void setValue(int v);

  // List boxes and combo boxes.
  const std::vector<std::string>& List() const { return list_; }
  void addItem(const std::string& item);
  void removeItem(int index);
  void clear();
  int ListIndex() const { return listIndex_; }
  void setListIndex(int v);

  std::uint32_t ForeColor() const { return foreColor_; }
  std::uint32_t BackColor() const { return backColor_; }
  void setForeColor(std::uint32_t c);
  void setBackColor(std::uint32_t c);
  const FontSpec& Font() const { return font_; }
  void setFont(const FontSpec& f);

  // The file a picture box or image shows ("" for none).
  const std::string& Picture() const { return picture_; }
  void setPicture(const std::string& path);

  std::function<void()> Click;
  std::function<void()> Change;

  // User input, as a backend reports it.
  void click();
  void userSetText(const std::string& v);

 private:
  friend class Form;
  void changed(Property what);

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
  std::uint32_t foreColor_ = 0x000000, backColor_ = 0xFFFFFF;
  FontSpec font_;
  std::string picture_;
};

// A menu item with its design name and index; items form a tree and can be added and removed
// at run time. A caption of "-" is a separator.
class MenuItem {
 public:
  MenuItem(Form& owner, std::string name, int index, std::string caption);

  Form& form() const { return owner_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }

  const std::string& Caption() const { return caption_; }
  void setCaption(const std::string& v);
  bool Enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool Visible() const { return visible_; }
  void setVisible(bool v);
  bool Checked() const { return checked_; }
  void setChecked(bool v);

  MenuItem& add(const std::string& name, int index, const std::string& caption);
  // Removes a child item (and its children); false when it is not a child of this item.
  bool removeChild(const MenuItem& child);
  const std::vector<std::unique_ptr<MenuItem>>& children() const { return children_; }
  MenuItem* parent() const { return parent_; }

  std::function<void()> Click;
  void click();

 private:
  void changed(Property what);

  Form& owner_;
  std::string name_;
  int index_;
  std::string caption_;
  bool enabled_ = true, visible_ = true, checked_ = false;
  MenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> children_;
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

  // Loads the window (running Form_Load once) when it is not loaded yet.
  void Load();
  bool loaded() const { return loaded_; }
  // Loads when needed and makes the window visible. A modal show runs a nested loop (the
  // host's) until the window is hidden or unloaded.
  void Show(bool modal = false);
  void Hide();
  // Runs Form_Unload (which may cancel) and closes the window; its timers stop.
  bool Unload();
  bool shownModal() const { return modal_; }

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void move(int left, int top, int width, int height);
  void setLeft(int v) { move(v, top_, width_, height_); }
  void setTop(int v) { move(left_, v, width_, height_); }
  void setWidth(int v) { move(left_, top_, v, height_); }
  void setHeight(int v) { move(left_, top_, width_, v); }

  bool Visible() const { return visible_; }
  void setVisible(bool v);
  const std::string& Caption() const { return caption_; }
  void setCaption(const std::string& v);
  std::uint32_t BackColor() const { return backColor_; }
  void setBackColor(std::uint32_t c);
  bool topmost() const { return topmost_; }
  void setTopmost(bool v);

  // Controls by design name and index.
  Control& control(const std::string& name, int index = -1);
  Control* findControl(const std::string& name, int index = -1);
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  Control& addControl(const std::string& name, int index, ControlKind kind);
  // A hidden label that holds state as its caption.
  Control& addCell(const std::string& name, int index = -1, const std::string& caption = "");

  Timer& timer(const std::string& name);
  // A timer enabled in the design starts when the window loads.
  Timer& addTimer(const std::string& name, int interval, bool enabled = false);
  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

  // The form's menu bar / popup roots.
  MenuItem& menuRoot() { return *menuRoot_; }
  MenuItem* findMenu(const std::string& name, int index = -1);

  FormHost& host() const { return host_; }

 protected:
  virtual void Form_Load() {}
  // Set cancel to true to keep the window loaded.
  virtual void Form_Unload(bool& cancel) { (void)cancel; }
  virtual void Form_Activate() {}

 private:
  friend class Control;
  friend class MenuItem;
  void changed(Property what);

  FormHost& host_;
  std::string name_;
  bool loaded_ = false, visible_ = false, modal_ = false, topmost_ = false;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string caption_;
  std::uint32_t backColor_ = 0x8000000F;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<Timer>> timers_;
  std::vector<bool> designEnabled_;
  std::unique_ptr<MenuItem> menuRoot_;
};

}  // namespace horalix::platform
