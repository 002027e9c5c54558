// A window of the program: loading, showing and unloading it, its design put back on each
// load, and its controls, timers and menus.
#include "platform/forms.h"

#include <stdexcept>
#include <tuple>

namespace horalix::platform {

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
  if (firstLook_) {
    restoreDesign();
  } else {
    firstLook_ = look_;
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
  auto place = std::tie(look_.left, look_.top, look_.width, look_.height);
  setProperty(*this, place, std::tie(left, top, width, height), Property::Geometry);
}

void Form::setClientSize(int width, int height) {
  const auto [frameWidth, frameHeight] = host_.frameSize(look_.borderStyle);
  move(look_.left, look_.top, width + frameWidth, height + frameHeight);
}

int Form::ScaleWidth() const { return look_.width - host_.frameSize(look_.borderStyle).first; }

int Form::ScaleHeight() const { return look_.height - host_.frameSize(look_.borderStyle).second; }

void Form::setVisible(bool v) {
  if (v && !loaded_) Load();
  setProperty(*this, visible_, v, Property::Visible);
}

void Form::setCaption(const std::string& v) {
  setProperty(*this, look_.caption, v, Property::Caption);
}

void Form::setMousePointer(platform::MousePointer v) {
  setProperty(*this, look_.mousePointer, v, Property::Pointer);
}

void Form::setBackColor(std::uint32_t c) {
  setProperty(*this, look_.backColor, c, Property::Colors);
}

void Form::setRegion(const std::optional<WindowRegion>& region) {
  look_.region = region;
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
    // The container is looked up here alone: a reload and the control itself reach it through
    // the pointer. Looking it up before the control is added keeps a row from naming itself.
    const Control* holder = nullptr;
    if (!d.container.empty()) {
      const std::string container(d.container);
      holder = findControl(container, d.containerIndex);
      if (holder == nullptr) throw std::out_of_range("no container " + name_ + "." + container);
    }
    Control& c = addControl(std::string(d.name), d.index, d.kind);
    c.container_ = holder;
    applyDesign(c, d);
    designRows_.emplace_back(c, d);
  }
  return *this;
}

Form::KeptRow::KeptRow(Control& control, const ControlDesign& design)
    : control_(&control),
      design_(design),
      name_(design.name),
      caption_(design.caption),
      fontName_(design.fontName),
      container_(design.container),
      toolTipText_(design.toolTipText) {
  design_.name = design_.caption = design_.fontName = design_.container = design_.toolTipText = {};
}

ControlDesign Form::KeptRow::design() const {
  ControlDesign d = design_;
  d.name = name_;
  d.caption = caption_;
  d.fontName = fontName_;
  d.container = container_;
  d.toolTipText = toolTipText_;
  return d;
}

// The window is not loaded: nothing is mirrored yet, and no handler runs.
void Form::restoreDesign() {
  for (const KeptRow& row : designRows_) applyDesign(row.control(), row.design());
  look_ = *firstLook_;
}

void Form::applyDesign(Control& c, const ControlDesign& d) {
  int left = d.left, top = d.top;
  if (c.container_ != nullptr) {
    left += c.container_->Left();
    top += c.container_->Top();
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
