// The forms model mirrored into real windows: what the model says shows natively, what the user
// does natively comes back into the model once, and the model's own changes cause no echo.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "backend_fixture.h"
#include "platform/forms.h"
#include "platform/win32/wide_text.h"

namespace horalix::win32::test {
namespace {

using platform::Control;
using platform::ControlKind;
using platform::Form;

std::string textOf(HWND hwnd) {
  wchar_t text[256] = {};
  GetWindowTextW(hwnd, text, 256);
  return toUtf8(text);
}

// Sends the notification a control sends its form when the user acts on it.
void notify(HWND control, WORD code) {
  SendMessageW(GetParent(control), WM_COMMAND,
               MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), code),
               reinterpret_cast<LPARAM>(control));
}

class FormHostTest : public ::testing::Test {
 protected:
  Control& add(const std::string& name, ControlKind kind) {
    Control& c = form.addControl(name, -1, kind);
    c.move(150, 300, 1500, 300);
    return c;
  }
  HWND hwndOf(const Control& c) { return b.forms.windowOf(c); }

  Backend b;
  Form form{b.forms, "Frm_test"};
};

TEST_F(FormHostTest, TheModelShowsInTheNativeWindows) {
  Control& label = add("Label1", ControlKind::Label);
  label.setCaption("您的发言");
  form.move(1500, 3000, 6000, 4500);
  form.setCaption("Horalix");
  form.Show();
  HWND window = b.forms.windowOf(form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(textOf(window), "Horalix");
  RECT r;
  GetWindowRect(window, &r);
  const ScreenUnits& u = b.forms.units();
  EXPECT_EQ(r.left, u.toPixelsX(1500));
  EXPECT_EQ(r.top, u.toPixelsY(3000));
  EXPECT_EQ(r.right - r.left, u.toPixelsX(6000));

  ASSERT_NE(hwndOf(label), nullptr);
  EXPECT_EQ(textOf(hwndOf(label)), "您的发言");
  label.setCaption("还剩");
  EXPECT_EQ(textOf(hwndOf(label)), "还剩");
  label.setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(hwndOf(label)));
  label.setVisible(false);
  EXPECT_FALSE(IsWindowVisible(hwndOf(label)));
  form.Hide();
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(FormHostTest, HiddenLabelsGetNoWindowUntilShown) {
  Control& label = add("Label13", ControlKind::Label);
  label.setVisible(false);
  label.setCaption("手动计时");
  form.Load();
  EXPECT_EQ(hwndOf(label), nullptr);
  label.setVisible(true);
  ASSERT_NE(hwndOf(label), nullptr);
  EXPECT_EQ(textOf(hwndOf(label)), "手动计时");
}

TEST_F(FormHostTest, ClicksRunTheModelsHandlers) {
  Control& button = add("Command1", ControlKind::CommandButton);
  Control& check = add("Check1", ControlKind::CheckBox);
  int clicks = 0, checkClicks = 0;
  button.Click = [&] { ++clicks; };
  check.Click = [&] { ++checkClicks; };
  form.Show();
  SendMessageW(hwndOf(button), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  SendMessageW(hwndOf(check), BM_CLICK, 0, 0);
  EXPECT_EQ(check.Value(), 1);
  EXPECT_EQ(checkClicks, 1);
  EXPECT_EQ(SendMessageW(hwndOf(check), BM_GETCHECK, 0, 0), BST_CHECKED);
  // A value set by the program shows, and runs Click once, from the model only.
  check.setValue(0);
  EXPECT_EQ(checkClicks, 2);
  EXPECT_EQ(SendMessageW(hwndOf(check), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(FormHostTest, TypingChangesTheModelOnceAndTheModelsTextDoesNotEcho) {
  Control& text = add("Text1", ControlKind::TextBox);
  int changes = 0;
  text.Change = [&] { ++changes; };
  form.Show();
  SetWindowTextW(hwndOf(text), L"12:30");  // what typing does to the edit control
  EXPECT_EQ(text.Text(), "12:30");
  EXPECT_EQ(changes, 1);
  text.setText("00:05");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(textOf(hwndOf(text)), "00:05");
}

TEST_F(FormHostTest, ListSelectionsSetTheListIndex) {
  Control& list = add("List1", ControlKind::ListBox);
  Control& combo = add("Combo1", ControlKind::ComboBox);
  for (const char* item : {"会议", "课堂", "演讲"}) {
    list.addItem(item);
    combo.addItem(item);
  }
  int listClicks = 0;
  list.Click = [&] { ++listClicks; };
  form.Show();
  EXPECT_EQ(SendMessageW(hwndOf(list), LB_GETCOUNT, 0, 0), 3);
  SendMessageW(hwndOf(list), LB_SETCURSEL, 2, 0);
  notify(hwndOf(list), LBN_SELCHANGE);
  EXPECT_EQ(list.ListIndex(), 2);
  EXPECT_EQ(listClicks, 1);
  SendMessageW(hwndOf(combo), CB_SETCURSEL, 1, 0);
  notify(hwndOf(combo), CBN_SELCHANGE);
  EXPECT_EQ(combo.ListIndex(), 1);
  EXPECT_EQ(combo.Text(), "课堂");
  list.removeItem(0);
  EXPECT_EQ(SendMessageW(hwndOf(list), LB_GETCOUNT, 0, 0), 2);
}

class RefusingForm : public Form {
 public:
  using Form::Form;
  bool refuse = true;

 protected:
  void Form_Unload(bool& cancel) override { cancel = refuse; }
};

TEST_F(FormHostTest, ClosingTheWindowRunsTheFormsUnloadAndTheLastOneEndsTheProgram) {
  RefusingForm keeper(b.forms, "Frm_exit");
  keeper.Load();
  form.Load();
  SendMessageW(b.forms.windowOf(form), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.loaded());
  EXPECT_EQ(b.forms.windowOf(form), nullptr);
  EXPECT_EQ(b.lastFormsUnloaded, 0);
  SendMessageW(b.forms.windowOf(keeper), WM_CLOSE, 0, 0);
  EXPECT_TRUE(keeper.loaded());  // its unload cancelled the close
  keeper.refuse = false;
  SendMessageW(b.forms.windowOf(keeper), WM_CLOSE, 0, 0);
  EXPECT_FALSE(keeper.loaded());
  EXPECT_EQ(b.lastFormsUnloaded, 1);
}

TEST_F(FormHostTest, TheEndOfTheSessionUnloadsEveryFormAndEndsTheProgram) {
  Form clock(b.forms, "time_glass");
  bool sessionEnded = false;
  b.forms.onSessionEnd = [&] { sessionEnded = true; };
  form.Load();
  clock.Load();
  EXPECT_EQ(SendMessageW(b.forms.windowOf(form), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(b.forms.windowOf(form), WM_ENDSESSION, TRUE, 0);
  EXPECT_FALSE(form.loaded());
  EXPECT_FALSE(clock.loaded());
  EXPECT_TRUE(sessionEnded);
  // The session's end is not also the ordinary end of the last window.
  EXPECT_EQ(b.lastFormsUnloaded, 0);
}

TEST_F(FormHostTest, AModalFormKeepsTheUserFromTheOtherForms) {
  Form modal(b.forms, "Frm_modal");
  form.Show();
  bool otherEnabledInside = true;
  platform::Timer closer(b.loop.timers(), "closer", 20, true);
  closer.onTick = [&] {
    otherEnabledInside = IsWindowEnabled(b.forms.windowOf(form)) != FALSE;
    modal.Hide();
  };
  modal.Show(true);  // returns when the timer hides it
  EXPECT_FALSE(otherEnabledInside);
  EXPECT_TRUE(IsWindowEnabled(b.forms.windowOf(form)));
}

TEST_F(FormHostTest, TheBorderStyleChoosesTheFrame) {
  struct Case {
    int borderStyle;
    bool caption, sizable, taskBarButton;
  };
  for (const Case& c :
       {Case{0, false, false, false}, Case{1, true, false, true}, Case{2, true, true, true},
        Case{4, true, false, false}, Case{5, true, true, false}}) {
    Form framed(b.forms, "Frm_framed");
    framed.setBorderStyle(c.borderStyle);
    framed.Load();
    HWND window = b.forms.windowOf(framed);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_EQ((style & WS_CAPTION) == WS_CAPTION, c.caption) << c.borderStyle;
    EXPECT_EQ((style & WS_THICKFRAME) != 0, c.sizable) << c.borderStyle;
    EXPECT_EQ((exStyle & WS_EX_TOOLWINDOW) == 0, c.taskBarButton) << c.borderStyle;
    framed.Unload();
  }
}

// A bare window above all others (the clock, the prompt bar) comes up without taking the
// keyboard; a window with a frame is activated as it is shown.
TEST_F(FormHostTest, ABareTopmostWindowIsShownWithoutActivation) {
  Form framed(b.forms, "Frm_framed");
  framed.setBorderStyle(3);
  framed.Show();
  HWND active = b.forms.windowOf(framed);
  ASSERT_EQ(GetActiveWindow(), active);
  form.setBorderStyle(0);
  form.Load();
  form.setTopmost(true);
  form.Show();
  EXPECT_TRUE(IsWindowVisible(b.forms.windowOf(form)));
  EXPECT_EQ(GetActiveWindow(), active);
  // A click leaves the keyboard where it was.
  EXPECT_EQ(SendMessageW(b.forms.windowOf(form), WM_MOUSEACTIVATE,
                         reinterpret_cast<WPARAM>(b.forms.windowOf(form)),
                         MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
  framed.Unload();
}

TEST_F(FormHostTest, TheWindowTakesTheOutlineOfItsRegion) {
  form.move(0, 0, 3000, 1500);
  form.Load();
  HWND window = b.forms.windowOf(form);
  form.setRegion(platform::WindowRegion{1, 1, 99, 49, 20, 20});
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  // The rounded corner is cut away, the middle kept.
  EXPECT_FALSE(PtInRegion(region, 1, 1));
  EXPECT_TRUE(PtInRegion(region, 50, 25));
  form.setRegion(std::nullopt);
  EXPECT_EQ(GetWindowRgn(window, region), ERROR);
  DeleteObject(region);
}

// The hint of the control's window as the form's tool-tip window holds it; "" for none.
std::string hintOf(HWND toolTips, HWND form, HWND control) {
  if (toolTips == nullptr) return "";
  wchar_t text[256] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = form;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  if (!SendMessageW(toolTips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) return "";
  SendMessageW(toolTips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  return toUtf8(text);
}

TEST_F(FormHostTest, AControlsHintShowsOverItsWindowAndFollowsTheModel) {
  Control& pause = add("Check1", ControlKind::CheckBox);
  Control& method = add("Combo9", ControlKind::ComboBox);
  method.setTop(900);
  pause.setToolTipText("暂停/继续");
  form.Show();
  HWND window = b.forms.windowOf(form);
  HWND toolTips = b.forms.toolTipsOf(form);
  ASSERT_NE(toolTips, nullptr);
  EXPECT_EQ(hintOf(toolTips, window, hwndOf(pause)), "暂停/继续");
  EXPECT_EQ(hintOf(toolTips, window, hwndOf(method)), "") << "no hint given";
  method.setToolTipText("方法");
  pause.setToolTipText("继续");
  EXPECT_EQ(hintOf(toolTips, window, hwndOf(method)), "方法");
  EXPECT_EQ(hintOf(toolTips, window, hwndOf(pause)), "继续");
  pause.setToolTipText("");
  EXPECT_EQ(hintOf(toolTips, window, hwndOf(pause)), "");
  EXPECT_EQ(SendMessageW(toolTips, TTM_GETTOOLCOUNT, 0, 0), 1);
  // A control that gets its window only when first shown takes its hint with it.
  Control& later = add("Label1", ControlKind::Label);
  later.setVisible(false);
  later.setToolTipText("以后");
  later.setVisible(true);
  EXPECT_EQ(hintOf(toolTips, window, hwndOf(later)), "以后");
}

TEST_F(FormHostTest, ThePointerOverAWindowOrControlIsTheModels) {
  Control& link = add("Lab_help", ControlKind::Label);
  Control& plain = add("Label2", ControlKind::Label);
  plain.setTop(900);
  form.Show();
  HWND window = b.forms.windowOf(form);
  // What the window shows when the mouse rests on `under`.
  const auto pointerOver = [&](HWND under) {
    SetCursor(nullptr);
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
  EXPECT_EQ(pointerOver(window), arrow);
  link.setMousePointer(platform::MousePointer::Hand);
  EXPECT_EQ(pointerOver(hwndOf(link)), hand);
  EXPECT_NE(pointerOver(hwndOf(plain)), hand);
  form.setMousePointer(platform::MousePointer::Cross);
  EXPECT_EQ(pointerOver(window), cross);
  EXPECT_EQ(pointerOver(hwndOf(plain)), cross) << "a control without its own shows the window's";
  EXPECT_EQ(pointerOver(hwndOf(link)), hand);
}

TEST_F(FormHostTest, MenuCommandsOfTheMenuBarClickTheirItems) {
  platform::MenuItem& file = form.menuRoot().add("menu_file", -1, "文件");
  platform::MenuItem& exit = file.add("menu_exit", -1, "退出");
  int clicks = 0;
  exit.Click = [&] { ++clicks; };
  form.Show();
  HMENU bar = GetMenu(b.forms.windowOf(form));
  ASSERT_NE(bar, nullptr);
  const UINT command = GetMenuItemID(GetSubMenu(bar, 0), 0);
  SendMessageW(b.forms.windowOf(form), WM_COMMAND, MAKEWPARAM(command, 0), 0);
  EXPECT_EQ(clicks, 1);
  file.setVisible(false);
  EXPECT_EQ(GetMenu(b.forms.windowOf(form)), nullptr);
}

}  // namespace
}  // namespace horalix::win32::test
