#include "platform/win32/native_control.h"
#include "platform/win32/window_owner.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/keyed_outline.h"
#include "platform/win32/picture_painter.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_fonts.h"

namespace horalix::win32 {

using platform::ControlKind;
using platform::Property;

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
      return {L"BUTTON", BS_GROUPBOX, 0};
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
  }
  return {L"STATIC", SS_LEFT, 0};
}

}  // namespace

NativeControl::NativeControl(platform::Control& control, HWND parent, int id,
                             ControlContext& context)
    : control_(control), context_(context), units_(context.units) {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &NativeControl::pictureProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kPictureClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  const NativeClass native = nativeClassOf(control.kind());
  DWORD style = WS_CHILD | native.style;
  if (control.Visible()) style |= WS_VISIBLE;
  if (!control.Enabled()) style |= WS_DISABLED;
  ++mirroring_;
  hwnd_ = CreateWindowExW(native.exStyle, native.className, L"", style, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), this);
  if (control.kind() == ControlKind::Slider) {
    SendMessageW(hwnd_, TBM_SETRANGE, FALSE, MAKELPARAM(0, kSliderDefaultMax));
  }
  --mirroring_;
  mirrorAll();
}

NativeControl::~NativeControl() {
  std::erase(context_.drawingsToSettle, this);
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (font_ != nullptr) DeleteObject(font_);
  if (background_ != nullptr) DeleteObject(background_);
}

void NativeControl::mirrorAll() {
  for (Property p : {Property::Font, Property::Geometry, Property::List, Property::Caption,
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
      MoveWindow(hwnd_, units_.toPixelsX(control_.Left()), units_.toPixelsY(control_.Top()),
                 units_.toPixelsX(control_.Width()), height, TRUE);
      break;
    }
    case Property::Visible:
      ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::Enabled:
      EnableWindow(hwnd_, control_.Enabled() ? TRUE : FALSE);
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
      kind == ControlKind::Slider) {
    return;
  }
  // A text the user is typing is already the model's: setting it again would move the caret.
  if (nativeText() == control_.Caption()) return;
  SetWindowTextW(hwnd_, toWide(control_.Caption()).c_str());
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
    default:
      break;
  }
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
      SendMessageW(hwnd_, LB_SETCURSEL, static_cast<WPARAM>(control_.ListIndex()), 0);
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
      if (notification == EN_CHANGE) control.userSetText(nativeText());
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
      if (notification == LBN_SELCHANGE) {
        const auto index = static_cast<int>(SendMessageW(hwnd_, LB_GETCURSEL, 0, 0));
        if (index >= 0) control.setListIndex(index);
      }
      break;
    default:
      break;
  }
}

void NativeControl::scrolled() {
  if (mirroring_ > 0 || control_.kind() != ControlKind::Slider) return;
  control_.setValue(static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)));
}

void NativeControl::notified(const NMHDR& header) {
  if (mirroring_ > 0 || control_.kind() != ControlKind::ListView) return;
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
    paintOutsideOutline(buffer, window, control_.form().Region(), origin, size);
    BitBlt(dc, 0, 0, size.cx, size.cy, buffer, 0, 0, SRCCOPY);
    shown_ = control_.drawing();
    painted_ = true;
    SelectObject(buffer, old);
    DeleteObject(image);
    DeleteDC(buffer);
  }
  EndPaint(hwnd_, &ps);
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
    case WM_LBUTTONUP:
      // The click may unload the form and this object with it.
      self->context_.guard.run(self->control_.name(),
                               [&control = self->control_] { control.click(); });
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
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
