#include "platform/win32/native_control.h"
#include "platform/win32/mouse_input.h"
#include "platform/win32/window_owner.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "platform/utf8_text.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/keyed_outline.h"
#include "platform/win32/picture_painter.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_fonts.h"

namespace horalix::win32 {

using platform::ControlKind;
using platform::Property;
namespace utf8 = platform::utf8;

namespace {

// A combo box window is as tall as its open list; the model's height is that of the closed box.
constexpr int kComboListPixels = 160;
// A slider runs 0 to 10 unless the model sets a larger value.
constexpr int kSliderDefaultMax = 10;

// Picture boxes and images are windows of the program's own, painted from the model.
constexpr wchar_t kPictureClass[] = L"HoralixPicture";

struct NativeClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

NativeClass nativeClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOTIFY, 0};
    case ControlKind::PictureBox:
    case ControlKind::Image:
      return {kPictureClass, 0, 0};
    case ControlKind::TextBox:
      return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    // Check boxes and option buttons do not toggle themselves: the model decides their value.
    case ControlKind::CheckBox:
      return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0};
    case ControlKind::OptionButton:
      return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0};
    case ControlKind::Frame:
      // Drawn after the controls inside it, so that it does not paint over them.
      return {L"BUTTON", BS_GROUPBOX, WS_EX_TRANSPARENT};
    case ControlKind::ComboBox:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::ListBox:
      return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::Slider:
      return {TRACKBAR_CLASSW, TBS_HORZ | WS_TABSTOP, 0};
    case ControlKind::ListView:
      return {WC_LISTVIEWW, LVS_LIST | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::HScrollBar:
      return {L"SCROLLBAR", SBS_HORZ, 0};
    case ControlKind::VScrollBar:
      return {L"SCROLLBAR", SBS_VERT, 0};
    case ControlKind::Shape:
      return {L"STATIC", SS_BLACKFRAME, 0};
    case ControlKind::TabStrip:
      return {WC_TABCONTROLW, WS_TABSTOP, 0};
  }
  return {L"STATIC", SS_LEFT, 0};
}

bool drawnByProgram(ControlKind kind) {
  return kind == ControlKind::PictureBox || kind == ControlKind::Image;
}

bool isScrollBar(ControlKind kind) {
  return kind == ControlKind::HScrollBar || kind == ControlKind::VScrollBar;
}

// The window property that leads a subclassed text box back to its NativeControl.
constexpr wchar_t kTextBoxOwner[] = L"HoralixTextBox";

// The shift state of a key event: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState() {
  int state = 0;
  if (GetKeyState(VK_SHIFT) < 0) state |= 1;
  if (GetKeyState(VK_CONTROL) < 0) state |= 2;
  if (GetKeyState(VK_MENU) < 0) state |= 4;
  return state;
}

// Whether other controls of the form are placed inside this one.
bool holdsControls(const platform::Control& container) {
  for (const auto& other : container.form().controls()) {
    if (other->containerControl() == &container) return true;
  }
  return false;
}

}  // namespace

NativeControl::NativeControl(platform::Control& control, HWND parent, int id,
                             ControlContext& context)
    : control_(control), context_(context), units_(context.units) {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // A double click reaches the boxes that handle it; the others take it as a second press.
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &NativeControl::pictureProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kPictureClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  const NativeClass native = nativeClassOf(control.kind());
  if (!drawnByProgram(control.kind())) ensureCommonControls();
  DWORD style = WS_CHILD | native.style;
  if (control.kind() == ControlKind::ComboBox && control.dropdownList()) {
    style = (style & ~static_cast<DWORD>(CBS_DROPDOWN)) | CBS_DROPDOWNLIST;
  }
  if (control.kind() == ControlKind::TextBox && control.Locked()) style |= ES_READONLY;
  // A frame, and a picture box that holds controls, leaves the controls inside it unpainted; an
  // image leaves the labels on it (a tab's caption). Other picture boxes do not: the clock's
  // face is drawn over its sibling pictures as they are.
  if (control.kind() == ControlKind::Frame || control.kind() == ControlKind::Image ||
      holdsControls(control)) {
    style |= WS_CLIPSIBLINGS;
  }
  if (control.visibleOnScreen()) style |= WS_VISIBLE;
  if (!control.Enabled()) style |= WS_DISABLED;
  if (control.BorderStyle() == 1) style |= WS_BORDER;
  // Rows of list boxes line their columns up at tab stops; some lists select several rows.
  if (control.kind() == ControlKind::ListBox) style |= LBS_USETABSTOPS;
  if (control.MultiSelect()) style |= LBS_EXTENDEDSEL;
  ++mirroring_;
  hwnd_ = CreateWindowExW(native.exStyle, native.className, L"", style, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), this);
  if (control.kind() == ControlKind::Slider) {
    SendMessageW(hwnd_, TBM_SETRANGE, FALSE, MAKELPARAM(0, kSliderDefaultMax));
  }
  if (hwnd_ != nullptr && !drawnByProgram(control.kind())) {
    setWindowSubclass(hwnd_, &NativeControl::mouseProc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  // A control inside a frame or picture box lies above it.
  if (hwnd_ != nullptr && control.containerControl() != nullptr) {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (hwnd_ != nullptr && control.kind() == ControlKind::TextBox) {
    SetPropW(hwnd_, kTextBoxOwner, this);
    editProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeControl::textBoxProc)));
  }
  --mirroring_;
  mirrorAll();
}

NativeControl::~NativeControl() {
  *alive_ = false;
  if (hwnd_ != nullptr && editProc_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc_));
    RemovePropW(hwnd_, kTextBoxOwner);
  }
  std::erase(context_.drawingsToSettle, this);
  if (hwnd_ != nullptr) {
    if (!drawnByProgram(control_.kind())) removeWindowSubclass(hwnd_, &NativeControl::mouseProc, 0);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (font_ != nullptr) DeleteObject(font_);
  if (background_ != nullptr) DeleteObject(background_);
}

void NativeControl::mirrorAll() {
  for (Property p :
       {Property::Font, Property::Geometry, Property::Range, Property::List, Property::Caption,
        Property::Value, Property::Colors, Property::Enabled, Property::Visible}) {
    mirror(p);
  }
}

void NativeControl::mirror(Property what) {
  if (hwnd_ == nullptr) return;
  ++mirroring_;
  switch (what) {
    case Property::Geometry: {
      int height = units_.toPixelsY(control_.Height());
      if (control_.kind() == ControlKind::ComboBox) height += kComboListPixels;
      const int width = units_.toPixelsX(control_.Width());
      MoveWindow(hwnd_, units_.toPixelsX(control_.Left()), units_.toPixelsY(control_.Top()), width,
                 height, TRUE);
      if (control_.kind() == ControlKind::Shape) outlineOnly(width, height);
      break;
    }
    case Property::Visible:
      // A control inside a hidden frame or picture box is hidden with it.
      ShowWindow(hwnd_, control_.visibleOnScreen() ? SW_SHOWNA : SW_HIDE);
      // An image is drawn over the boxes it lies on (the clock's hover button over the face).
      if (control_.Visible() && control_.kind() == ControlKind::Image) {
        SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
      break;
    case Property::Enabled:
      EnableWindow(hwnd_, control_.Enabled() ? TRUE : FALSE);
      if (control_.kind() == ControlKind::TextBox) {
        SendMessageW(hwnd_, EM_SETREADONLY, control_.Locked() ? TRUE : FALSE, 0);
      }
      break;
    case Property::Focus:
      SetFocus(hwnd_);
      break;
    case Property::Caption:
      mirrorText();
      break;
    case Property::Value:
      mirrorValue();
      break;
    case Property::List:
      mirrorList();
      mirrorValue();
      break;
    case Property::Colors:
      if (background_ != nullptr) DeleteObject(background_);
      background_ = nullptr;
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case Property::Font:
      mirrorFont();
      break;
    case Property::Picture:
      InvalidateRect(hwnd_, nullptr, FALSE);
      break;
    case Property::Range:
      mirrorRange();
      break;
    case Property::Caret:
      mirrorCaret();
      break;
    case Property::Drawing:
      drawingChanged();
      break;
    default:
      break;
  }
  --mirroring_;
}

std::string NativeControl::nativeText() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return toUtf8(text);
}

void NativeControl::mirrorText() {
  const ControlKind kind = control_.kind();
  if (kind == ControlKind::ListBox || kind == ControlKind::ListView ||
      kind == ControlKind::Slider || kind == ControlKind::TabStrip || isScrollBar(kind)) {
    return;
  }
  const std::string& text = control_.Caption();
  // A text the user types is compared with the window's own (setting it again would move the
  // caret); any other with the text last given, which is cheaper than reading it back.
  const bool typed = kind == ControlKind::TextBox || kind == ControlKind::ComboBox;
  if ((typed ? nativeText() : givenText_) == text) return;
  SetWindowTextW(hwnd_, toWide(text).c_str());
  if (!typed) givenText_ = text;
}

void NativeControl::mirrorList() {
  const auto& items = control_.List();
  switch (control_.kind()) {
    case ControlKind::ComboBox:
      SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
      for (const auto& item : items) {
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
      }
      break;
    case ControlKind::ListBox:
      SendMessageW(hwnd_, LB_RESETCONTENT, 0, 0);
      if (!control_.tabStops().empty()) {
        std::vector<INT> stops(control_.tabStops().begin(), control_.tabStops().end());
        SendMessageW(hwnd_, LB_SETTABSTOPS, stops.size(), reinterpret_cast<LPARAM>(stops.data()));
      }
      for (const auto& item : items) {
        SendMessageW(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
      }
      break;
    case ControlKind::ListView: {
      SendMessageW(hwnd_, LVM_DELETEALLITEMS, 0, 0);
      for (std::size_t i = 0; i < items.size(); ++i) {
        std::wstring text = toWide(items[i]);
        LVITEMW row{};
        row.mask = LVIF_TEXT;
        row.iItem = static_cast<int>(i);
        row.pszText = text.data();
        SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
      }
      break;
    }
    case ControlKind::TabStrip:
      SendMessageW(hwnd_, TCM_DELETEALLITEMS, 0, 0);
      for (std::size_t i = 0; i < items.size(); ++i) {
        std::wstring text = toWide(items[i]);
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = text.data();
        SendMessageW(hwnd_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&tab));
      }
      break;
    default:
      break;
  }
}

void NativeControl::mirrorRange() {
  if (!isScrollBar(control_.kind())) return;
  SetScrollRange(hwnd_, SB_CTL, std::min(control_.Min(), control_.Max()),
                 std::max(control_.Min(), control_.Max()), TRUE);
  SetScrollPos(hwnd_, SB_CTL, control_.Value(), TRUE);
}

void NativeControl::mirrorCaret() {
  if (control_.kind() != ControlKind::TextBox) return;
  // The caret in UTF-16 units of the edit control.
  const std::string& text = control_.Text();
  const std::size_t bytes = utf8::charOffset(text, static_cast<std::size_t>(control_.SelStart()));
  const auto units = static_cast<WPARAM>(toWide(text.substr(0, bytes)).size());
  SendMessageW(hwnd_, EM_SETSEL, units, static_cast<LPARAM>(units));
}

int NativeControl::nativeCaret() const {
  DWORD start = 0;
  SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(std::min<std::size_t>(start, static_cast<std::size_t>(length)));
  return static_cast<int>(utf8::charCount(toUtf8(text)));
}

void NativeControl::mirrorValue() {
  switch (control_.kind()) {
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
      const int value = control_.Value();
      const WPARAM state = value == 1   ? BST_CHECKED
                           : value == 2 ? BST_INDETERMINATE
                                        : BST_UNCHECKED;
      SendMessageW(hwnd_, BM_SETCHECK, state, 0);
      break;
    }
    case ControlKind::ComboBox:
      SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(control_.ListIndex()), 0);
      if (control_.ListIndex() < 0) mirrorText();
      break;
    case ControlKind::ListBox:
      if (!control_.MultiSelect()) {
        SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(control_.ListIndex()), 0);
        break;
      }
      for (int i = 0; i < static_cast<int>(control_.List().size()); ++i) {
        SendMessageW(hwnd_, LB_SETSEL, control_.Selected(i) ? TRUE : FALSE, i);
      }
      if (control_.ListIndex() >= 0) {
        SendMessageW(hwnd_, LB_SETCARETINDEX, static_cast<WPARAM>(control_.ListIndex()), FALSE);
      }
      break;
    case ControlKind::ListView: {
      LVITEMW state{};
      state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
      state.state = 0;
      SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&state));
      if (control_.ListIndex() >= 0) {
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(control_.ListIndex()),
                     reinterpret_cast<LPARAM>(&state));
      }
      break;
    }
    case ControlKind::Slider: {
      const int value = control_.Value();
      const auto max = static_cast<int>(SendMessageW(hwnd_, TBM_GETRANGEMAX, 0, 0));
      if (value > max) SendMessageW(hwnd_, TBM_SETRANGEMAX, TRUE, value);
      SendMessageW(hwnd_, TBM_SETPOS, TRUE, value);
      break;
    }
    case ControlKind::HScrollBar:
    case ControlKind::VScrollBar:
      SetScrollPos(hwnd_, SB_CTL, control_.Value(), TRUE);
      break;
    case ControlKind::TabStrip:
      SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(control_.ListIndex()), 0);
      break;
    default:
      break;
  }
}

void NativeControl::mirrorFont() {
  HFONT font = createFont(control_.Font());
  if (font == nullptr) return;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
}

void NativeControl::command(WORD notification) {
  if (mirroring_ > 0) return;
  // The model's handlers may unload the form and with it this object: nothing of it is used
  // after the model has been called.
  platform::Control& control = control_;
  switch (control.kind()) {
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      if (notification == BN_CLICKED) control.click();
      break;
    case ControlKind::Label:
    case ControlKind::PictureBox:
    case ControlKind::Image:
      if (notification == STN_CLICKED) control.click();
      break;
    case ControlKind::TextBox:
      if (notification == EN_CHANGE) {
        control.userCaret(nativeCaret());
        control.userSetText(nativeText());
      }
      if (notification == EN_SETFOCUS) control.userFocus();
      if (notification == EN_KILLFOCUS) control.userBlur();
      break;
    case ControlKind::ComboBox:
      if (notification == CBN_SELCHANGE) {
        const auto index = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
        if (index >= 0) control.setListIndex(index);
      } else if (notification == CBN_EDITCHANGE) {
        control.userSetText(nativeText());
      }
      break;
    case ControlKind::ListBox:
      if (notification == LBN_SETFOCUS) control.userFocus();
      if (notification == LBN_DBLCLK && control.DblClick) control.DblClick();
      if (notification == LBN_SELCHANGE && control.MultiSelect()) {
        std::vector<bool> selected(control.List().size());
        for (std::size_t i = 0; i < selected.size(); ++i) {
          selected[i] = SendMessageW(hwnd_, LB_GETSEL, i, 0) > 0;
        }
        control.userSelect(selected, static_cast<int>(SendMessageW(hwnd_, LB_GETCARETINDEX, 0, 0)));
      } else if (notification == LBN_SELCHANGE) {
        const auto index = static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
        if (index >= 0) control.setListIndex(index);
      }
      break;
    default:
      break;
  }
}

void NativeControl::scrolled(WPARAM request) {
  if (mirroring_ > 0) return;
  if (control_.kind() == ControlKind::Slider) {
    control_.setValue(static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)));
    return;
  }
  if (!isScrollBar(control_.kind())) return;
  // The arrows step by one, the track by ten; Min above Max turns the direction round.
  const int direction = control_.Min() <= control_.Max() ? 1 : -1;
  const int value = control_.Value();
  int next = value;
  switch (LOWORD(request)) {
    case SB_LINEUP:
      next = value - direction;
      break;
    case SB_LINEDOWN:
      next = value + direction;
      break;
    case SB_PAGEUP:
      next = value - 10 * direction;
      break;
    case SB_PAGEDOWN:
      next = value + 10 * direction;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      next = static_cast<int>(HIWORD(request));
      break;
    case SB_TOP:
      next = control_.Min();
      break;
    case SB_BOTTOM:
      next = control_.Max();
      break;
    default:
      return;
  }
  control_.userScroll(next);
}

void NativeControl::notified(const NMHDR& header) {
  if (mirroring_ > 0) return;
  if (control_.kind() == ControlKind::TabStrip && header.code == TCN_SELCHANGE) {
    control_.setListIndex(static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)));
    return;
  }
  if (control_.kind() != ControlKind::ListView) return;
  if (header.code != LVN_ITEMCHANGED) return;
  const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
  const bool nowSelected = (change.uNewState & LVIS_SELECTED) != 0;
  const bool wasSelected = (change.uOldState & LVIS_SELECTED) != 0;
  if (nowSelected && !wasSelected && change.iItem >= 0) control_.setListIndex(change.iItem);
}

void NativeControl::drawingChanged() {
  const auto& drawing = control_.drawing();
  if (painted_ && drawing == shown_) return;
  // Cleared and partly drawn again as it was: the rest most likely follows in the same handler.
  // Whether it did is seen when the handlers are done.
  const bool redrawingTheSame = painted_ && drawing.size() < shown_.size() &&
                                std::equal(drawing.begin(), drawing.end(), shown_.begin());
  if (!redrawingTheSame) {
    InvalidateRect(hwnd_, nullptr, FALSE);
    return;
  }
  if (!settlePending_) {
    settlePending_ = true;
    context_.drawingsToSettle.push_back(this);
  }
}

void NativeControl::settleDrawing() {
  settlePending_ = false;
  if (hwnd_ == nullptr || (painted_ && control_.drawing() == shown_)) return;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

// A shape is its outline: the window keeps only its edge, so that what lies inside the shape
// (controls, picture boxes, the form's background) is painted as if the shape were not there.
void NativeControl::outlineOnly(int width, int height) {
  HRGN outline = CreateRectRgn(0, 0, width, height);
  if (width > 2 && height > 2) {
    HRGN inside = CreateRectRgn(1, 1, width - 1, height - 1);
    CombineRgn(outline, outline, inside, RGN_DIFF);
    DeleteObject(inside);
  }
  // The window owns the region from here on.
  SetWindowRgn(hwnd_, outline, TRUE);
}

void NativeControl::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  const SIZE size{client.right, client.bottom};
  if (size.cx > 0 && size.cy > 0) {
    // Drawn off screen first: the clock face is drawn anew several times a second.
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP image = CreateCompatibleBitmap(dc, size.cx, size.cy);
    HGDIOBJ old = SelectObject(buffer, image);
    paintPictureBox(buffer, size, control_, units_, context_.pictures);
    HWND window = GetAncestor(hwnd_, GA_ROOT);
    POINT origin{0, 0};
    MapWindowPoints(hwnd_, window, &origin, 1);
    paintOutsideOutline(buffer, window, control_.form().region(), origin, size);
    spareImagesAbove(dc);
    BitBlt(dc, 0, 0, size.cx, size.cy, buffer, 0, 0, SRCCOPY);
    shown_ = control_.drawing();
    painted_ = true;
    SelectObject(buffer, old);
    DeleteObject(image);
    DeleteDC(buffer);
  }
  EndPaint(hwnd_, &ps);
}

// Sibling boxes overlap without clipping each other; an image shown over a box (the clock's
// hover button over the face) must not be painted over when the box is drawn anew.
void NativeControl::spareImagesAbove(HDC dc) const {
  for (HWND above = GetWindow(hwnd_, GW_HWNDPREV); above != nullptr;
       above = GetWindow(above, GW_HWNDPREV)) {
    wchar_t className[32] = {};
    if (!IsWindowVisible(above) || GetClassNameW(above, className, 32) == 0 ||
        lstrcmpW(className, kPictureClass) != 0) {
      continue;
    }
    const auto* other =
        reinterpret_cast<const NativeControl*>(GetWindowLongPtrW(above, GWLP_USERDATA));
    if (other == nullptr || other->control_.kind() != ControlKind::Image) continue;
    RECT r;
    GetWindowRect(above, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
}

LRESULT CALLBACK NativeControl::pictureProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = windowOwner<NativeControl>(hwnd, msg, lp);
  if (self == nullptr || self->hwnd_ == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      self->context_.guard.run(self->control_.name(), [self] { self->paint(); });
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDBLCLK: {
      bool handled = false;
      // The handler may unload the form and this object with it.
      self->context_.guard.run(self->control_.name(),
                               [&, &control = self->control_, &units = self->units_] {
                                 handled = forwardMouse(control, msg, wp, lp, units, hwnd);
                               });
      if (handled) return 0;
      return DefWindowProcW(hwnd, msg, wp, lp);
    }
    case WM_LBUTTONUP: {
      // A release counts as a click only over the box: a captured drag may end elsewhere.
      RECT client;
      GetClientRect(hwnd, &client);
      const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      const bool inside = PtInRect(&client, at) != FALSE;
      // The handlers may unload the form and this object with it.
      self->context_.guard.run(self->control_.name(),
                               [&, &control = self->control_, &units = self->units_] {
                                 auto alive = self->alive_;
                                 forwardMouse(control, msg, wp, lp, units, hwnd);
                                 if (*alive && inside) control.click();
                               });
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

// The system's own controls (labels, buttons, boxes) report the mouse to the model's handlers
// and then go on as usual, so that a button still presses and a label still clicks. They keep
// the mouse themselves where they need to (a button while pressed).
LRESULT CALLBACK NativeControl::mouseProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                          DWORD_PTR data) {
  auto* self = reinterpret_cast<NativeControl*>(data);
  if (self == nullptr || !isMouseInput(msg)) return defSubclassProc(hwnd, msg, wp, lp);
  // The handler may unload the form and this object with it: then nothing is left to pass on.
  auto alive = self->alive_;
  self->context_.guard.run(self->control_.name(),
                           [&, &control = self->control_, &units = self->units_] {
                             forwardMouse(control, msg, wp, lp, units, nullptr);
                           });
  if (!*alive) return 0;
  return defSubclassProc(hwnd, msg, wp, lp);
}

LRESULT NativeControl::keyMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // The model's handlers may unload the form: nothing of this object is used after them.
  platform::Control& control = control_;
  DispatchGuard& guard = context_.guard;
  const WNDPROC editProc = editProc_;
  HWND hwnd = hwnd_;
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      if (!control.KeyDown && !control.KeyUp) break;
      const bool down = msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN;
      const int key = static_cast<int>(wp);
      const int shift = shiftState();
      guard.run(control.name(), [&] {
        if (down) {
          control.userKeyDown(key, shift);
        } else {
          control.userKeyUp(key, shift);
        }
      });
      // A box that captures keys keeps Alt from opening the window's menu.
      if (msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP) return 0;
      return CallWindowProcW(editProc, hwnd, msg, wp, lp);
    }
    case WM_CHAR:
    case WM_SYSCHAR: {
      int key = static_cast<int>(wp);
      guard.run(control.name(), [&] {
        control.userCaret(nativeCaret());
        key = control.filterKey(key);
      });
      if (key == 0 || control.Locked() || msg == WM_SYSCHAR) return 0;
      return CallWindowProcW(editProc, hwnd, msg, static_cast<WPARAM>(key), lp);
    }
    default:
      break;
  }
  return CallWindowProcW(editProc, hwnd, msg, wp, lp);
}

LRESULT CALLBACK NativeControl::textBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<NativeControl*>(GetPropW(hwnd, kTextBoxOwner));
  if (self == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
  if (self->mirroring_ > 0) return CallWindowProcW(self->editProc_, hwnd, msg, wp, lp);
  return self->keyMessage(msg, wp, lp);
}

HBRUSH NativeControl::colors(HDC dc) {
  const COLORREF back = toColorRef(control_.BackColor());
  SetTextColor(dc, toColorRef(control_.ForeColor()));
  SetBkColor(dc, back);
  if (background_ == nullptr || backgroundColor_ != back) {
    if (background_ != nullptr) DeleteObject(background_);
    background_ = CreateSolidBrush(back);
    backgroundColor_ = back;
  }
  return background_;
}

}  // namespace horalix::win32
