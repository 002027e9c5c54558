#include "platform/win32/win32_form_host.h"
#include "platform/win32/window_owner.h"

#include <algorithm>
#include <set>

#include "platform/win32/common_controls.h"
#include "platform/win32/keyed_outline.h"
#include "platform/win32/mouse_input.h"
#include "platform/win32/program_icon.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_order.h"

namespace horalix::win32 {

using platform::Control;
using platform::ControlKind;
using platform::Form;
using platform::MenuItem;
using platform::Property;

namespace {

constexpr wchar_t kFormClass[] = L"HoralixForm";
constexpr int kFirstControlId = 100;
constexpr UINT kFirstMenuCommand = 0x4000;
struct Frame {
  DWORD style;
  DWORD exStyle;
};

// The window styles of a form's BorderStyle. A bare window (0) and the tool windows have no
// task-bar button.
Frame frameOf(int borderStyle) {
  constexpr DWORD kCaption = WS_CAPTION | WS_SYSMENU;
  switch (borderStyle) {
    case 0:
      return {WS_POPUP, WS_EX_TOOLWINDOW};
    case 1:
      return {WS_OVERLAPPED | kCaption | WS_MINIMIZEBOX, 0};
    case 3:
      return {WS_POPUP | kCaption, WS_EX_DLGMODALFRAME};
    case 4:
      return {WS_POPUP | kCaption, WS_EX_TOOLWINDOW};
    case 5:
      return {WS_POPUP | kCaption | WS_THICKFRAME, WS_EX_TOOLWINDOW};
    default:
      return {WS_OVERLAPPEDWINDOW, 0};
  }
}

int showCommand(const Form& form) {
  return Win32FormHost::staysInactive(form) ? SW_SHOWNA : SW_SHOW;
}

}  // namespace

bool Win32FormHost::staysInactive(const Form& form) {
  return form.BorderStyle() == 0 && form.topmost();
}

Win32FormHost::Win32FormHost(Win32EventLoop& loop, DispatchGuard& guard)
    : loop_(loop), guard_(guard), units_(ScreenUnits::current()) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &Win32FormHost::windowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = programIcon(false);
  wc.hIconSm = programIcon(true);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  loop_.onHandlersDone = [this] { settleDrawings(); };
}

void Win32FormHost::settleDrawings() {
  std::vector<NativeControl*> pending;
  pending.swap(controlContext_.drawingsToSettle);
  for (NativeControl* control : pending) control->settleDrawing();
}

bool Win32FormHost::initCommonControls() {
  // The classes (the extended combo boxes among them) are registered with the first control
  // window of a system class (see common_controls.h); the program's start loads nothing for it.
  return true;
}

Win32FormHost::~Win32FormHost() {
  loop_.onHandlersDone = nullptr;
  // Forms still loaded when the program ends lose their windows without running their unload.
  // The forms themselves may be gone already: only the native side is touched.
  for (auto& native : forms_) destroyWindows(*native);
}

void Win32FormHost::destroyWindows(NativeForm& native) {
  if (native.hwnd != nullptr) {
    // Messages that destroying the windows still sends must not reach the mirror.
    SetWindowLongPtrW(native.hwnd, GWLP_USERDATA, 0);
    SetMenu(native.hwnd, nullptr);
  }
  native.controls.clear();
  if (native.hwnd != nullptr) DestroyWindow(native.hwnd);  // with the tool tips it owns
  native.hwnd = nullptr;
  native.toolTips = nullptr;
  native.menuBar.reset();
  if (native.background != nullptr) DeleteObject(native.background);
  native.background = nullptr;
}

Win32FormHost::NativeForm* Win32FormHost::find(const Form& form) const {
  for (const auto& native : forms_) {
    if (&native->form == &form) return native.get();
  }
  return nullptr;
}

HWND Win32FormHost::windowOf(const Form& form) const {
  const NativeForm* native = find(form);
  return native != nullptr ? native->hwnd : nullptr;
}

HWND Win32FormHost::windowOf(const Control& control) const {
  const NativeForm* native = find(control.form());
  if (native == nullptr) return nullptr;
  auto it = native->controls.find(&control);
  return it != native->controls.end() ? it->second->hwnd() : nullptr;
}

HWND Win32FormHost::toolTipsOf(const Form& form) const {
  const NativeForm* native = find(form);
  return native != nullptr ? native->toolTips : nullptr;
}

NativeControl* Win32FormHost::findControl(const NativeForm& native, HWND child) const {
  if (child == nullptr) return nullptr;
  for (const auto& [control, mirror] : native.controls) {
    if (mirror->hwnd() == child) return mirror.get();
  }
  return nullptr;
}

NativeControl* Win32FormHost::ensureControl(NativeForm& native, Control& control) {
  auto it = native.controls.find(&control);
  if (it != native.controls.end()) return it->second.get();
  // A hidden control gets no window until the first time it is visible.
  if (!control.Visible()) return nullptr;
  const auto& all = native.form.controls();
  const auto position =
      std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.get() == &control; });
  const int id = kFirstControlId + static_cast<int>(position - all.begin());
  auto mirror = std::make_unique<NativeControl>(control, native.hwnd, id, controlContext_);
  NativeControl* result = mirror.get();
  // The Tab key follows the order of the sibling windows: a control with a tab index goes right
  // behind the one with the next lower index, or to the front when none is lower.
  if (control.TabIndex() >= 0) {
    HWND after = HWND_TOP;
    int best = -1;
    for (const auto& [other, otherMirror] : native.controls) {
      if (other->TabIndex() >= 0 && other->TabIndex() < control.TabIndex() &&
          other->TabIndex() > best) {
        best = other->TabIndex();
        after = otherMirror->hwnd();
      }
    }
    SetWindowPos(result->hwnd(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  native.controls.emplace(&control, std::move(mirror));
  // A frame or picture box that gets its window after the controls inside it goes below them
  // again, in the form's order, which puts every container before its contents.
  for (const auto& inner : all) {
    if (!inner->isInside(control)) continue;
    const auto innerMirror = native.controls.find(inner.get());
    if (innerMirror == native.controls.end()) continue;
    SetWindowPos(innerMirror->second->hwnd(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  keepLabelsOnImages(native, control);
  if (!control.ToolTipText().empty()) mirrorToolTip(native, control);
  return result;
}

// One tool-tip window per form holds the hints of its controls, each tool standing for a
// control's window; it watches the mouse over that window itself (TTF_SUBCLASS).
void Win32FormHost::mirrorToolTip(NativeForm& native, const Control& control) {
  const auto it = native.controls.find(&control);
  if (it == native.controls.end()) return;  // given to the window it gets when first shown
  const std::string& text = control.ToolTipText();
  if (native.toolTips == nullptr) {
    if (text.empty()) return;
    if (!ensureCommonControls()) return;
    native.toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, native.hwnd,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
    if (native.toolTips == nullptr) {
      guard_.report("form " + native.form.name(), "tool tips could not be created");
      return;
    }
  }
  // The size of the structure that every version of the library takes.
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = native.hwnd;
  tool.uId = reinterpret_cast<UINT_PTR>(it->second->hwnd());
  SendMessageW(native.toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (text.empty()) return;
  std::wstring wide = toWide(text);
  tool.lpszText = wide.data();
  SendMessageW(native.toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool Win32FormHost::showPointer(const NativeForm& native, HWND under, UINT hitTest) {
  if (hitTest != HTCLIENT) return false;
  // A control without a pointer of its own shows the window's.
  platform::MousePointer pointer = native.form.MousePointer();
  if (const NativeControl* control = findControl(native, under)) {
    const platform::MousePointer own = control->control().MousePointer();
    if (own != platform::MousePointer::Default) pointer = own;
  }
  LPCWSTR shape = nullptr;
  switch (pointer) {
    case platform::MousePointer::Cross:
      shape = IDC_CROSS;
      break;
    case platform::MousePointer::Hand:
      shape = IDC_HAND;
      break;
    case platform::MousePointer::Default:
      return false;
  }
  SetCursor(LoadCursorW(nullptr, shape));
  return true;
}

namespace {

// A pointer changed while the mouse rests on the window: it shows at once, not at the next move.
void refreshPointer(HWND window) {
  POINT at{};
  if (!GetCursorPos(&at)) return;
  HWND under = WindowFromPoint(at);
  if (under != window && !IsChild(window, under)) return;
  SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

}  // namespace

// A label that lies on an image (a tab's caption on its picture) stays above it, also when the
// image is raised over the boxes it lies on as it is shown.
void Win32FormHost::keepLabelsOnImages(NativeForm& native, const Control& control) {
  const auto within = [](const Control& inner, const Control& outer) {
    return inner.Left() >= outer.Left() && inner.Top() >= outer.Top() &&
           inner.Left() + inner.Width() <= outer.Left() + outer.Width() &&
           inner.Top() + inner.Height() <= outer.Top() + outer.Height();
  };
  const auto raise = [](const NativeControl& label) {
    SetWindowPos(label.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  };
  for (const auto& [other, mirror] : native.controls) {
    if (control.kind() == ControlKind::Image && other->kind() == ControlKind::Label &&
        within(*other, control)) {
      raise(*mirror);
    } else if (control.kind() == ControlKind::Label && other->kind() == ControlKind::Image &&
               within(control, *other)) {
      raise(*native.controls.at(&control));
      return;
    }
  }
}

void Win32FormHost::placeForm(NativeForm& native) {
  const Form& form = native.form;
  const RECT wanted{units_.toPixelsX(form.Left()), units_.toPixelsY(form.Top()),
                    units_.toPixelsX(form.Left()) + units_.toPixelsX(form.Width()),
                    units_.toPixelsY(form.Top()) + units_.toPixelsY(form.Height())};
  // The model changes by twips, the window by pixels: a change within a pixel moves nothing.
  RECT now{};
  if (GetWindowRect(native.hwnd, &now) && EqualRect(&now, &wanted)) return;
  native.placing = true;
  SetWindowPos(native.hwnd, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
               wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
  native.placing = false;
  native.movedSinceShaped = true;
}

void Win32FormHost::shapeForm(NativeForm& native) {
  const auto& region = native.form.region();
  native.shaped = true;
  native.shapedRegion = region;
  native.movedSinceShaped = false;
  if (colourKeyOf(native.hwnd)) {
    // A colour-keyed window draws its outline (see keyed_outline.h): no region, and every
    // surface repaints the outside of the new outline in the key colour.
    SetWindowRgn(native.hwnd, nullptr, TRUE);
    RedrawWindow(native.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return;
  }
  // The window owns the region it is given and deletes it.
  HRGN shape = region ? CreateRoundRectRgn(region->left, region->top, region->right, region->bottom,
                                           region->ellipseWidth, region->ellipseHeight)
                      : nullptr;
  SetWindowRgn(native.hwnd, shape, TRUE);
}

std::pair<int, int> Win32FormHost::frameSize(int borderStyle) {
  const Frame frame = frameOf(borderStyle);
  RECT bounds{0, 0, 0, 0};
  if (!AdjustWindowRectEx(&bounds, frame.style, FALSE, frame.exStyle)) return {0, 0};
  return {units_.toTwipsX(bounds.right - bounds.left), units_.toTwipsY(bounds.bottom - bounds.top)};
}

void Win32FormHost::formLoaded(Form& form) {
  if (find(form) != nullptr) return;
  auto owned = std::make_unique<NativeForm>(form);
  NativeForm& native = *owned;
  forms_.push_back(std::move(owned));
  const Frame frame = frameOf(form.BorderStyle());
  native.hwnd = CreateWindowExW(
      frame.exStyle, kFormClass, toWide(form.Caption()).c_str(), frame.style | WS_CLIPCHILDREN,
      units_.toPixelsX(form.Left()), units_.toPixelsY(form.Top()), units_.toPixelsX(form.Width()),
      units_.toPixelsY(form.Height()), nullptr, nullptr, GetModuleHandleW(nullptr), &native);
  if (native.hwnd == nullptr) {
    guard_.report("form " + form.name(), "window could not be created");
    return;
  }
  for (const auto& control : form.controls()) ensureControl(native, *control);
  rebuildMenuBar(native);
  if (form.region()) shapeForm(native);
  if (form.topmost()) formChanged(form, Property::Topmost);
  if (form.Visible()) ShowWindow(native.hwnd, showCommand(form));
}

void Win32FormHost::formUnloaded(Form& form) {
  auto it = std::find_if(forms_.begin(), forms_.end(),
                         [&](const auto& native) { return &native->form == &form; });
  if (it == forms_.end()) return;
  std::unique_ptr<NativeForm> native = std::move(*it);
  forms_.erase(it);
  destroyWindows(*native);
  forgetUnusedPictures();
  if (forms_.empty() && !endingSession_ && onLastFormUnloaded) onLastFormUnloaded();
}

// A window closed: the pictures that only it showed (a spotlight's screen-sized bitmaps) are
// freed; those the windows still loaded show stay.
void Win32FormHost::forgetUnusedPictures() {
  std::set<std::string> shown;
  for (const auto& native : forms_) {
    for (const auto& control : native->form.controls()) {
      if (!control->Picture().empty()) shown.insert(control->Picture());
      for (const auto& op : control->drawing()) {
        if (op.kind == platform::DrawOp::Kind::Picture) shown.insert(op.picture);
      }
    }
  }
  pictures_.keepOnly(shown);
}

void Win32FormHost::formChanged(Form& form, Property what) {
  NativeForm* native = find(form);
  if (native == nullptr || native->hwnd == nullptr) return;
  switch (what) {
    case Property::Geometry:
      placeForm(*native);
      break;
    case Property::Visible:
      ShowWindow(native->hwnd, form.Visible() ? showCommand(form) : SW_HIDE);
      if (form.Visible()) native->movedSinceShaped = true;
      break;
    case Property::Caption:
      SetWindowTextW(native->hwnd, toWide(form.Caption()).c_str());
      break;
    case Property::Colors:
      InvalidateRect(native->hwnd, nullptr, TRUE);
      break;
    case Property::Region:
      // The clock gives its outline again at every redraw: the same outline keeps the window
      // as it is. A window cut by a region is cut and redrawn again once it has been moved or
      // shown since.
      if (!native->shaped || native->shapedRegion != form.region() ||
          (native->movedSinceShaped && !colourKeyOf(native->hwnd))) {
        shapeForm(*native);
      }
      break;
    case Property::Topmost:
      // Raised again only when another window has come above it. Not activated: raising the
      // clock above a running slide show must not take the keyboard from it.
      if (form.topmost() && isTopmostAndFirst(native->hwnd)) break;
      SetWindowPos(native->hwnd, form.topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case Property::Layered:
      applyLayered(*native);
      // With a colour key the outline is drawn instead of cut (see keyed_outline.h).
      shapeForm(*native);
      break;
    case Property::Pointer:
      refreshPointer(native->hwnd);
      break;
    default:
      break;
  }
}

void Win32FormHost::controlChanged(Control& control, Property what) {
  NativeForm* native = find(control.form());
  if (native == nullptr || native->hwnd == nullptr) return;
  const bool existed = native->controls.count(&control) != 0;
  NativeControl* mirror = ensureControl(*native, control);
  if (what == Property::ToolTip) {
    mirrorToolTip(*native, control);
    return;
  }
  if (what == Property::Pointer) {
    refreshPointer(native->hwnd);
    return;
  }
  // A control created just now already shows every property.
  if (mirror != nullptr && existed) {
    mirror->mirror(what);
    if (what == Property::Visible) keepLabelsOnImages(*native, control);
  }
}

void Win32FormHost::menuChanged(MenuItem& item, Property) {
  NativeForm* native = find(item.form());
  if (native != nullptr && native->hwnd != nullptr) rebuildMenuBar(*native);
}

void Win32FormHost::rebuildMenuBar(NativeForm& native) {
  auto bar = std::make_unique<NativeMenu>(native.form.menuRoot(), NativeMenu::Kind::MenuBar,
                                          kFirstMenuCommand);
  if (bar->empty()) {
    if (native.menuBar == nullptr) return;
    SetMenu(native.hwnd, nullptr);
    native.menuBar.reset();
    return;
  }
  SetMenu(native.hwnd, bar->handle());
  native.menuBar = std::move(bar);  // the old bar is destroyed after the window let go of it
  DrawMenuBar(native.hwnd);
}

void Win32FormHost::runModal(const std::function<bool()>& stillOpen) {
  // The form being shown modally is the one that says so and is not already running its loop.
  const Form* modal = nullptr;
  for (const auto& native : forms_) {
    if (native->form.shownModal() &&
        std::find(modalForms_.begin(), modalForms_.end(), &native->form) == modalForms_.end()) {
      modal = &native->form;
    }
  }
  // Like any modal window, it keeps the user from the program's other windows meanwhile.
  std::vector<const Form*> disabled;
  for (const auto& native : forms_) {
    if (&native->form == modal || native->hwnd == nullptr) continue;
    if (IsWindowEnabled(native->hwnd)) {
      EnableWindow(native->hwnd, FALSE);
      disabled.push_back(&native->form);
    }
  }
  modalForms_.push_back(modal);
  loop_.runModal(stillOpen);
  modalForms_.pop_back();
  // Forms unloaded meanwhile are no longer found; nothing of them is touched.
  for (const Form* form : disabled) {
    if (NativeForm* native = find(*form)) EnableWindow(native->hwnd, TRUE);
  }
}

void Win32FormHost::eraseBackground(NativeForm& native, HDC dc) {
  const COLORREF color = toColorRef(native.form.BackColor());
  if (native.background == nullptr || native.backgroundColor != color) {
    if (native.background != nullptr) DeleteObject(native.background);
    native.background = CreateSolidBrush(color);
    native.backgroundColor = color;
  }
  RECT client;
  GetClientRect(native.hwnd, &client);
  FillRect(dc, &client, native.background);
  paintOutsideOutline(dc, native.hwnd, native.form.region(), POINT{0, 0},
                      SIZE{client.right, client.bottom});
}

void Win32FormHost::applyLayered(const NativeForm& native) {
  const Form& form = native.form;
  const LONG_PTR exStyle = GetWindowLongPtrW(native.hwnd, GWL_EXSTYLE);
  SetWindowLongPtrW(native.hwnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  // The opacity is always given: at 255 with a key, Windows draws what the key alone draws (the
  // rest of the window as it is), and Wine draws the key alone's see-through pixels black.
  DWORD flags = LWA_ALPHA;
  COLORREF key = 0;
  if (form.colorKey() >= 0) {
    flags |= LWA_COLORKEY;
    key = toColorRef(static_cast<std::uint32_t>(form.colorKey()));
  }
  SetLayeredWindowAttributes(native.hwnd, key, static_cast<BYTE>(form.alpha()), flags);
}

// While the user drags the window, the model follows every step, so that a change of size
// meanwhile (the clock's text growing) keeps the window where the drag has brought it.
void Win32FormHost::userMovedSoFar(NativeForm& native) {
  RECT r;
  if (!GetWindowRect(native.hwnd, &r)) return;
  Form& form = native.form;
  form.move(units_.toTwipsX(r.left), units_.toTwipsY(r.top), form.Width(), form.Height());
}

void Win32FormHost::userMoved(NativeForm& native) {
  RECT r;
  if (!GetWindowRect(native.hwnd, &r)) return;
  native.form.move(units_.toTwipsX(r.left), units_.toTwipsY(r.top),
                   units_.toTwipsX(r.right - r.left), units_.toTwipsY(r.bottom - r.top));
}

void Win32FormHost::unloadAll() {
  std::vector<Form*> loaded;
  for (const auto& native : forms_) loaded.push_back(&native->form);
  for (auto it = loaded.rbegin(); it != loaded.rend(); ++it) {
    const bool stillLoaded = std::any_of(forms_.begin(), forms_.end(),
                                         [&](const auto& native) { return &native->form == *it; });
    if (stillLoaded) (*it)->Unload();
  }
}

LRESULT CALLBACK Win32FormHost::windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* native = windowOwner<NativeForm>(hwnd, msg, lp);
  if (native == nullptr || native->hwnd == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  // Every form with a window here has this host as its own.
  auto& host = static_cast<Win32FormHost&>(native->form.host());
  LRESULT result = 0;  // what a handler that failed answers
  host.guard_.run(native->form.name(), [&] { result = host.handle(*native, hwnd, msg, wp, lp); });
  return result;
}

LRESULT Win32FormHost::handle(NativeForm& native, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  // A model handler may unload the form, which frees `native`: every branch returns as soon as
  // the model has been called.
  switch (msg) {
    case WM_COMMAND: {
      if (lp != 0) {
        if (NativeControl* control = findControl(native, reinterpret_cast<HWND>(lp))) {
          control->command(HIWORD(wp));
        }
        return 0;
      }
      if (HIWORD(wp) == 0 && native.menuBar != nullptr) {
        if (MenuItem* item = native.menuBar->itemFor(LOWORD(wp))) item->click();
      }
      return 0;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      if (NativeControl* control = findControl(native, header->hwndFrom)) {
        control->notified(*header);
      }
      return 0;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (NativeControl* control = findControl(native, reinterpret_cast<HWND>(lp))) {
        control->scrolled(wp);
      }
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (NativeControl* control = findControl(native, reinterpret_cast<HWND>(lp))) {
        return reinterpret_cast<LRESULT>(control->colors(reinterpret_cast<HDC>(wp)));
      }
      break;
    case WM_ERASEBKGND:
      eraseBackground(native, reinterpret_cast<HDC>(wp));
      return 1;
    case WM_ENTERSIZEMOVE:
      native.moving = true;
      return 0;
    case WM_MOVE:
      if (native.moving && !native.placing) userMovedSoFar(native);
      return 0;
    case WM_EXITSIZEMOVE:
      native.moving = false;
      userMoved(native);
      return 0;
    case WM_SETCURSOR:
      if (showPointer(native, reinterpret_cast<HWND>(wp), LOWORD(lp))) return TRUE;
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK:
      // Only windows that handle the mouse themselves get it; the others keep the default.
      if (forwardMouse(native.form, msg, wp, lp, units_, hwnd)) return 0;
      break;
    case WM_MOUSEACTIVATE:
      if (staysInactive(native.form)) return MA_NOACTIVATE;
      break;
    case WM_KILLFOCUS:
      native.form.LostFocus();
      return 0;
    case WM_CLOSE:
      // The form's own close path: its unload runs and may keep it open.
      native.form.Unload();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wp != 0 && !endingSession_) {
        endingSession_ = true;
        unloadAll();
        if (onSessionEnd) onSessionEnd();
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace horalix::win32
