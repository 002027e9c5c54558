#include "platform/forms.h"

#include <algorithm>
#include <stdexcept>

#include "platform/utf8_text.h"

namespace horalix::platform {

namespace {

// Length of a text in characters.
int Len(const std::string& s) { return static_cast<int>(utf8::charCount(s)); }

}  // namespace

// ---- Control ----

Control::Control(Form& owner, std::string name, int index, ControlKind kind)
    : owner_(owner), name_(std::move(name)), index_(index), kind_(kind) {}

void Control::changed(Property what) {
  if (owner_.loaded_) owner_.host_.controlChanged(*this, what);
}

void Control::move(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed(Property::Geometry);
}

void Control::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  changed(Property::Visible);
  for (auto& inner : owner_.controls_) {
    if (inner->isInside(*this)) inner->changed(Property::Visible);
  }
}

// A container comes before the controls inside it in the form, so every chain ends.
const Control* Control::containerControl() const {
  return container_.empty() ? nullptr : owner_.findControl(container_, containerIndex_);
}

bool Control::isInside(const Control& container) const {
  for (const Control* at = containerControl(); at != nullptr; at = at->containerControl()) {
    if (at == &container) return true;
  }
  return false;
}

bool Control::visibleOnScreen() const {
  for (const Control* at = this; at != nullptr; at = at->containerControl()) {
    if (!at->visible_) return false;
  }
  return true;
}

void Control::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  changed(Property::Enabled);
}

void Control::setCaption(const std::string& v) {
  if (v == caption_) return;
  caption_ = v;
  changed(Property::Caption);
  fitToText();
}

void Control::setToolTipText(const std::string& v) {
  if (v == toolTipText_) return;
  toolTipText_ = v;
  changed(Property::ToolTip);
}

void Control::setMousePointer(platform::MousePointer v) {
  if (v == mousePointer_) return;
  mousePointer_ = v;
  changed(Property::Pointer);
}

bool Control::setText(const std::string& v) {
  if (kind_ == ControlKind::ComboBox && dropdownList_) {
    const auto it = std::find(list_.begin(), list_.end(), v);
    if (it == list_.end()) return false;
    return setListIndex(static_cast<int>(it - list_.begin()));
  }
  if (v == caption_) return true;
  caption_ = v;
  changed(Property::Caption);
  fitToText();
  if (selStart_ > Len(caption_)) setSelStart(Len(caption_));
  if (Change) Change();
  return true;
}

void Control::userSetText(const std::string& v) { setText(v); }

namespace {

bool isScrollBar(ControlKind kind) {
  return kind == ControlKind::HScrollBar || kind == ControlKind::VScrollBar;
}

}  // namespace

bool Control::inRange(int v) const {
  return v >= std::min(min_, max_) && v <= std::max(min_, max_);
}

void Control::setRange(int min, int max) {
  min_ = min;
  max_ = max;
  // The value is pulled into the new range quietly: Change is for a value that the user or the
  // code chose, and a window that sets a range before its value must not act on the clipped one.
  const int clipped = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
  const bool moved = clipped != value_;
  value_ = clipped;
  changed(Property::Range);
  if (moved) changed(Property::Value);
}

void Control::userScroll(int v) {
  if (!enabled_) return;
  setValue(std::clamp(v, std::min(min_, max_), std::max(min_, max_)));
}

void Control::setSelStart(int v) {
  v = std::clamp(v, 0, Len(caption_));
  if (v == selStart_) return;
  selStart_ = v;
  changed(Property::Caret);
}

int Control::filterKey(int keyAscii) {
  if (KeyPress) KeyPress(keyAscii);
  return keyAscii;
}

int Control::userKeyPress(int keyAscii) {
  keyAscii = filterKey(keyAscii);
  if (keyAscii == 0 || locked_ || kind_ != ControlKind::TextBox) return keyAscii;
  const int caret = std::min(selStart_, Len(caption_));
  const std::size_t at = utf8::charOffset(caption_, static_cast<std::size_t>(caret));
  std::string text = caption_;
  int newCaret = caret;
  if (keyAscii == 8) {
    if (caret == 0) return keyAscii;
    const std::size_t from = utf8::charOffset(caption_, static_cast<std::size_t>(caret - 1));
    text.erase(from, at - from);
    newCaret = caret - 1;
  } else if (keyAscii == 13) {
    return keyAscii;
  } else {
    text.insert(at, utf8::encode(static_cast<char32_t>(keyAscii)));
    newCaret = caret + 1;
  }
  // The caret moves before Change runs, so that a handler that sets it has the last word.
  selStart_ = newCaret;
  setText(text);
  changed(Property::Caret);
  return keyAscii;
}

void Control::userKeyDown(int keyCode, int shift) {
  if (KeyDown) KeyDown(keyCode, shift);
}

void Control::userKeyUp(int keyCode, int shift) {
  if (KeyUp) KeyUp(keyCode, shift);
}

bool Control::setValue(int v) {
  if (isScrollBar(kind_) && !inRange(v)) return false;
  if (v == value_) return true;
  value_ = v;
  if (kind_ == ControlKind::OptionButton && v != 0) {
    // Option buttons of one container are one group: choosing one, from code or by a click,
    // clears the others (without running their Click).
    for (auto& other : owner_.controls_) {
      if (other.get() != this && other->kind_ == ControlKind::OptionButton && other->value_ &&
          other->container_ == container_ && other->containerIndex_ == containerIndex_) {
        other->value_ = 0;
        other->changed(Property::Value);
      }
    }
  }
  changed(Property::Value);
  if (kind_ == ControlKind::Slider || isScrollBar(kind_)) {
    if (Change) Change();
  } else if (Click) {
    Click();
  }
  return true;
}

void Control::addItem(const std::string& item) {
  list_.push_back(item);
  if (multiSelect_) selected_.push_back(false);
  changed(Property::List);
}

void Control::removeItem(int index) {
  if (index < 0 || index >= static_cast<int>(list_.size())) {
    throw std::out_of_range("list index out of range");
  }
  list_.erase(list_.begin() + index);
  if (multiSelect_) selected_.erase(selected_.begin() + index);
  // The selection stays on its item: removing it clears the selection, removing an item above
  // it moves it up by one.
  if (index == listIndex_) {
    listIndex_ = -1;
  } else if (index < listIndex_) {
    --listIndex_;
  }
  changed(Property::List);
}

void Control::clear() {
  list_.clear();
  selected_.clear();
  listIndex_ = -1;
  changed(Property::List);
}

bool Control::setListIndex(int v) {
  if (v < -1 || v >= static_cast<int>(list_.size())) return false;
  if (v == listIndex_) return true;
  listIndex_ = v;
  if (kind_ == ControlKind::ComboBox) caption_ = v >= 0 ? list_[v] : caption_;
  changed(Property::Value);
  if (Click) Click();
  return true;
}

void Control::setForeColor(std::uint32_t c) {
  if (c == foreColor_) return;
  foreColor_ = c;
  changed(Property::Colors);
}

void Control::setBackColor(std::uint32_t c) {
  if (c == backColor_) return;
  backColor_ = c;
  changed(Property::Colors);
}

void Control::setFont(const FontSpec& f) {
  if (f == font_) return;
  font_ = f;
  changed(Property::Font);
  fitToText();
}

void Control::setPicture(const std::string& path) { setPicture(path, 0, 0); }

void Control::setPicture(const std::string& path, int widthPx, int heightPx) {
  picture_ = path;
  pictureWidthPx_ = path.empty() ? 0 : widthPx;
  pictureHeightPx_ = path.empty() ? 0 : heightPx;
  changed(Property::Picture);
  if (autoSize_ && kind_ != ControlKind::Label) {
    move(left_, top_, pictureWidthPx_ * autoSizeTwipsPerPixel_,
         pictureHeightPx_ * autoSizeTwipsPerPixel_);
  }
}

FontSpec Control::realisedFont() const { return owner_.host_.fonts().realise(font_); }

void Control::setAutoSize(bool v, int twipsPerPixel) {
  autoSize_ = v;
  autoSizeTwipsPerPixel_ = twipsPerPixel;
  if (!v) return;
  if (kind_ == ControlKind::Label) {
    fitToText();
  } else {
    setPicture(picture_, pictureWidthPx_, pictureHeightPx_);
  }
}

void Control::fitToText() {
  if (!autoSize_ || kind_ != ControlKind::Label) return;
  const TextExtent e = owner_.host_.fonts().measure(font_, caption_);
  move(left_, top_, e.width, e.height);
}

void Control::draw(DrawOp op) {
  drawing_.push_back(std::move(op));
  changed(Property::Drawing);
}

void Control::Cls() {
  drawing_.clear();
  CurrentX = 0;
  CurrentY = 0;
  DrawOp op;
  op.kind = DrawOp::Kind::Clear;
  op.color = backColor_;
  draw(std::move(op));
}

void Control::Print(const std::string& text) {
  DrawOp op;
  op.kind = DrawOp::Kind::Text;
  op.color = foreColor_;
  op.x = static_cast<float>(CurrentX);
  op.y = static_cast<float>(CurrentY);
  op.text = text;
  op.font = realisedFont();
  draw(std::move(op));
  CurrentX = 0;
  CurrentY += TextHeight(text);
}

int Control::TextWidth(const std::string& text) const {
  return owner_.host_.fonts().measure(font_, text).width;
}

int Control::TextHeight(const std::string& text) const {
  return owner_.host_.fonts().measure(font_, text).height;
}

namespace {

// A drawing operation over the rectangle (x, y, width, height) of a picture box.
DrawOp placedOp(DrawOp::Kind kind, float x, float y, float width, float height) {
  DrawOp op;
  op.kind = kind;
  op.x = x;
  op.y = y;
  op.width = width;
  op.height = height;
  return op;
}

}  // namespace

void Control::PaintPicture(const std::string& picture, float x, float y, float width, float height,
                           int naturalWidth, int naturalHeight) {
  PaintPicture(picture, x, y, width, height, 0, 0, static_cast<float>(naturalWidth),
               static_cast<float>(naturalHeight), naturalWidth, naturalHeight);
}

void Control::PaintPicture(const std::string& picture, float x, float y, float width, float height,
                           float srcX, float srcY, float srcWidth, float srcHeight,
                           int naturalWidth, int naturalHeight) {
  if (picture.empty()) throw std::invalid_argument("invalid picture");
  DrawOp op = placedOp(DrawOp::Kind::Picture, x, y, width, height);
  op.picture = picture;
  op.srcX = srcX;
  op.srcY = srcY;
  op.srcWidth = srcWidth;
  op.srcHeight = srcHeight;
  op.naturalWidth = naturalWidth;
  op.naturalHeight = naturalHeight;
  draw(std::move(op));
}

void Control::fillBox(float x, float y, float width, float height, std::uint32_t color) {
  DrawOp op = placedOp(DrawOp::Kind::Box, x, y, width, height);
  op.color = color;
  draw(std::move(op));
}

void Control::fillEllipse(float x, float y, float width, float height, std::uint32_t color) {
  DrawOp op = placedOp(DrawOp::Kind::Ellipse, x, y, width, height);
  op.color = color;
  draw(std::move(op));
}

void Control::click() {
  if (!enabled_) return;
  if (kind_ == ControlKind::CheckBox) {
    setValue(value_ == 1 ? 0 : 1);
  } else if (kind_ == ControlKind::OptionButton) {
    if (value_ != 1) {
      setValue(1);
    } else if (Click) {
      Click();
    }
  } else if (Click) {
    Click();
  }
}

// ---- MenuItem ----

MenuItem::MenuItem(Form& owner, std::string name, int index, std::string caption)
    : owner_(owner), name_(std::move(name)), index_(index), caption_(std::move(caption)) {}

void MenuItem::changed(Property what) {
  if (owner_.loaded_) owner_.host_.menuChanged(*this, what);
}

void MenuItem::setCaption(const std::string& v) {
  if (v == caption_) return;
  caption_ = v;
  changed(Property::Caption);
}

void MenuItem::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  changed(Property::Enabled);
}

void MenuItem::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  changed(Property::Visible);
}

void MenuItem::setChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  changed(Property::Checked);
}

MenuItem& MenuItem::add(const std::string& name, int index, const std::string& caption) {
  auto item = std::make_unique<MenuItem>(owner_, name, index, caption);
  item->parent_ = this;
  children_.push_back(std::move(item));
  changed(Property::Items);
  return *children_.back();
}

bool MenuItem::removeChild(const MenuItem& child) {
  auto it = std::find_if(children_.begin(), children_.end(),
                         [&](const auto& c) { return c.get() == &child; });
  if (it == children_.end()) return false;
  children_.erase(it);
  changed(Property::Items);
  return true;
}

void MenuItem::click() {
  if (!enabled_ || !visible_ || !Click) return;
  // Run a copy: the handler may remove this very item from its menu.
  const auto handler = Click;
  handler();
}

// ---- Form ----

Form::Form(FormHost& host, std::string name)
    : host_(host),
      name_(std::move(name)),
      menuRoot_(std::make_unique<MenuItem>(*this, "", -1, "")) {}

// A window destroyed while still loaded leaves the mirror as well, so that no backend keeps a
// window for it; its unload handler cannot run any more.
Form::~Form() {
  if (!loaded_) return;
  for (auto& t : timers_) t->setEnabled(false);
  visible_ = false;
  host_.formUnloaded(*this);
  loaded_ = false;
}

void Form::changed(Property what) {
  if (loaded_) host_.formChanged(*this, what);
}

void Form::Load() {
  if (loaded_) return;
  // Put back before the host creates the window, so that it shows the design from the start.
  if (formDesign_) {
    restoreDesign();
  } else {
    formDesign_ = FormDesign{caption_,   left_,         top_,         width_, height_,
                             backColor_, mousePointer_, borderStyle_, region_};
  }
  loaded_ = true;
  host_.formLoaded(*this);
  // Timers enabled in the design start with the window, before its load handler runs.
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    if (designEnabled_[i]) timers_[i]->setEnabled(true);
  }
  Form_Load();
}

void Form::Show(bool modal) {
  Load();
  if (!loaded_) return;  // the load handler unloaded the window again
  if (!visible_) {
    visible_ = true;
    changed(Property::Visible);
  }
  Form_Activate();
  if (modal && !modal_) {
    modal_ = true;
    host_.runModal([this] { return loaded_ && visible_; });
    modal_ = false;
  }
}

void Form::Hide() { setVisible(false); }

bool Form::Unload() {
  if (!loaded_) return true;
  bool cancel = false;
  Form_Unload(cancel);
  if (cancel) return false;
  for (auto& t : timers_) t->setEnabled(false);
  visible_ = false;
  activeControl_ = nullptr;
  host_.formUnloaded(*this);
  loaded_ = false;
  topmost_ = layered_ = false;
  colorKey_ = -1;
  alpha_ = 255;
  return true;
}

void Form::move(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed(Property::Geometry);
}

void Form::setClientSize(int width, int height) {
  const auto [frameWidth, frameHeight] = host_.frameSize(borderStyle_);
  move(left_, top_, width + frameWidth, height + frameHeight);
}

int Form::ScaleWidth() const { return width_ - host_.frameSize(borderStyle_).first; }

int Form::ScaleHeight() const { return height_ - host_.frameSize(borderStyle_).second; }

void Form::setVisible(bool v) {
  if (v && !loaded_) Load();
  if (v == visible_) return;
  visible_ = v;
  changed(Property::Visible);
}

void Form::setCaption(const std::string& v) {
  if (v == caption_) return;
  caption_ = v;
  changed(Property::Caption);
}

void Form::setMousePointer(platform::MousePointer v) {
  if (v == mousePointer_) return;
  mousePointer_ = v;
  changed(Property::Pointer);
}

void Form::setBackColor(std::uint32_t c) {
  if (c == backColor_) return;
  backColor_ = c;
  changed(Property::Colors);
}

void Form::setRegion(const std::optional<WindowRegion>& region) {
  region_ = region;
  changed(Property::Region);
}

void Form::setTopmost(bool v) {
  if (!loaded_) return;
  topmost_ = v;
  changed(Property::Topmost);
}

void Form::setLayered(std::int64_t colorKey, int alpha) {
  if (!loaded_ || alpha < 0 || alpha > 255) return;
  layered_ = true;
  colorKey_ = colorKey;
  alpha_ = alpha;
  changed(Property::Layered);
}

Control* Form::findControl(const std::string& name, int index) {
  for (auto& c : controls_) {
    if (c->name() == name && c->index() == index) return c.get();
  }
  return nullptr;
}

Control& Form::control(const std::string& name, int index) {
  if (Control* c = findControl(name, index)) return *c;
  throw std::out_of_range("no control " + name_ + "." + name + "(" + std::to_string(index) + ")");
}

Control& Form::addControl(const std::string& name, int index, ControlKind kind) {
  controls_.push_back(std::make_unique<Control>(*this, name, index, kind));
  return *controls_.back();
}

Form& Form::addControls(std::span<const ControlDesign> designs) {
  for (const ControlDesign& d : designs) {
    Control& c = addControl(std::string(d.name), d.index, d.kind);
    applyDesign(c, d);
    designRows_.emplace_back(&c, d);
  }
  return *this;
}

// The window is not loaded: nothing is mirrored yet, and no handler runs.
void Form::restoreDesign() {
  for (const auto& [c, d] : designRows_) applyDesign(*c, d);
  const FormDesign& f = *formDesign_;
  caption_ = f.caption;
  left_ = f.left;
  top_ = f.top;
  width_ = f.width;
  height_ = f.height;
  backColor_ = f.backColor;
  mousePointer_ = f.mousePointer;
  borderStyle_ = f.borderStyle;
  region_ = f.region;
}

void Form::applyDesign(Control& c, const ControlDesign& d) {
  int left = d.left, top = d.top;
  if (!d.container.empty()) {
    const std::string container(d.container);
    const Control* holder = findControl(container, d.containerIndex);
    if (holder == nullptr) throw std::out_of_range("no container " + name_ + "." + container);
    left += holder->Left();
    top += holder->Top();
  }
  c.left_ = left;
  c.top_ = top;
  c.width_ = d.width;
  c.height_ = d.height;
  c.caption_ = std::string(d.caption);
  c.selStart_ = 0;
  c.font_ = FontSpec{};
  if (!d.fontName.empty()) {
    c.font_.name = std::string(d.fontName);
    c.font_.size = d.fontSize;
    c.font_.bold = d.bold;
  }
  c.foreColor_ = d.foreColor;
  c.backColor_ = d.backColor;
  c.borderStyle_ = d.borderStyle;
  c.tabIndex_ = d.tabIndex;
  c.container_ = std::string(d.container);
  c.containerIndex_ = d.containerIndex;
  c.min_ = d.min;
  c.max_ = d.max;
  c.value_ = d.value;
  c.list_.clear();
  c.selected_.clear();
  c.listIndex_ = -1;
  c.locked_ = (d.flags & design::kLocked) != 0;
  c.dropdownList_ = (d.flags & design::kDropdownList) != 0;
  c.visible_ = (d.flags & design::kHidden) == 0;
  c.enabled_ = (d.flags & design::kDisabled) == 0;
  c.picture_.clear();
  c.pictureWidthPx_ = c.pictureHeightPx_ = 0;
  c.drawing_.clear();
  c.CurrentX = c.CurrentY = 0;
  c.autoRedraw_ = false;
  c.tabStops_.clear();
  c.autoSize_ = false;
  if ((d.flags & design::kAutoSize) != 0) c.setAutoSize(true);
  c.multiSelect_ = (d.flags & design::kMultiSelect) != 0;
  c.toolTipText_ = std::string(d.toolTipText);
  c.mousePointer_ = d.mousePointer;
}

Timer& Form::addTimer(const std::string& name, int interval, bool enabled) {
  timers_.push_back(std::make_unique<Timer>(host_.timers(), name_ + "." + name, interval, false));
  designEnabled_.push_back(enabled);
  if (enabled && loaded_) timers_.back()->setEnabled(true);
  return *timers_.back();
}

Timer& Form::timer(const std::string& name) {
  const std::string full = name_ + "." + name;
  for (auto& t : timers_) {
    if (t->name() == full) return *t;
  }
  throw std::out_of_range("no timer " + full);
}

MenuItem* Form::findMenu(const std::string& name, int index) {
  std::vector<MenuItem*> stack{menuRoot_.get()};
  while (!stack.empty()) {
    MenuItem* item = stack.back();
    stack.pop_back();
    if (item->name() == name && item->index() == index) return item;
    for (auto& child : item->children()) stack.push_back(child.get());
  }
  return nullptr;
}

}  // namespace horalix::platform
