// The small conversions at the edge of the backend: texts, twips, colours, filters, tray mouse
// messages, and the native menus built from the model.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "backend_fixture.h"
#include "platform/forms.h"
#include "platform/win32/native_menu.h"
#include "platform/win32/screen_units.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_tray.h"

namespace horalix::win32::test {
namespace {

TEST(WideText, RoundTripsKeepingNulsAndWideCharacters) {
  for (const std::string& text : {std::string("手动计时"), std::string("abc\0\0", 5), std::string(),
                                  std::string("\xF0\x9F\x95\x90")}) {
    EXPECT_EQ(toUtf8(toWide(text)), text);
  }
  EXPECT_EQ(toWide("计时").size(), 2u);
  EXPECT_EQ(toWide("\xF0\x9F\x95\x90").size(), 2u);  // a surrogate pair
}

TEST(ScreenUnits, TwipsRoundToTheNearestPixel) {
  const ScreenUnits units{15, 12};
  struct Case {
    int twips, pixelsX, pixelsY;
  };
  for (const Case& c : {Case{0, 0, 0}, Case{7, 0, 1}, Case{8, 1, 1}, Case{1440, 96, 120},
                        Case{-5000, -333, -417}, Case{-7, 0, -1}}) {
    EXPECT_EQ(units.toPixelsX(c.twips), c.pixelsX) << c.twips;
    EXPECT_EQ(units.toPixelsY(c.twips), c.pixelsY) << c.twips;
  }
}

TEST(ScreenUnits, ColoursAreRgbOrSystemColours) {
  EXPECT_EQ(toColorRef(0x0000FF), RGB(255, 0, 0));
  EXPECT_EQ(toColorRef(0x01123456), 0x123456u);
  EXPECT_EQ(toColorRef(0x8000000F), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(toColorRef(0x80000005), GetSysColor(COLOR_WINDOW));
}

TEST(DialogFilter, PipesBecomeNulsWithADoubleNulAtTheEnd) {
  EXPECT_EQ(dialogFilter("Wave (*.wav)|*.wav|All|*.*"),
            std::wstring(L"Wave (*.wav)\0*.wav\0All\0*.*\0\0", 28));
}

TEST(TrayMouse, NotificationsDecodeFromTheLowWord) {
  using platform::TrayMouse;
  struct Case {
    LPARAM lParam;
    std::optional<TrayMouse> mouse;
  };
  for (const Case& c :
       {Case{WM_LBUTTONDOWN, TrayMouse::LeftDown}, Case{WM_LBUTTONUP, TrayMouse::LeftUp},
        Case{WM_LBUTTONDBLCLK, TrayMouse::LeftDouble}, Case{WM_RBUTTONDOWN, TrayMouse::RightDown},
        Case{WM_RBUTTONUP, TrayMouse::RightUp}, Case{WM_RBUTTONDBLCLK, TrayMouse::RightDouble},
        Case{MAKELPARAM(WM_RBUTTONUP, 1), TrayMouse::RightUp}, Case{WM_MOUSEMOVE, std::nullopt},
        Case{WM_USER + 2, std::nullopt}}) {
    EXPECT_EQ(trayMouseOf(c.lParam), c.mouse) << c.lParam;
  }
}

TEST(NativeMenu, ShowsTheVisibleItemsOfTheTreeAndMapsCommandsBack) {
  Backend b;
  platform::Form form(b.forms, "Frm_exit");
  platform::MenuItem& tray = form.menuRoot().add("menu_main", -1, "tray");
  platform::MenuItem& start = tray.add("menu_one", 0, "开始计时");
  tray.add("menu_one", 1, "-");
  platform::MenuItem& hidden = tray.add("menu_one", 2, "统计");
  hidden.setVisible(false);
  platform::MenuItem& presets = tray.add("menu_presets", -1, "预设");
  platform::MenuItem& preset = presets.add("menu_preset", 0, "会议");
  start.setChecked(true);
  preset.setEnabled(false);

  NativeMenu menu(tray, NativeMenu::Kind::Popup, 100);
  HMENU handle = menu.handle();
  ASSERT_EQ(GetMenuItemCount(handle), 3);  // start, separator, presets
  wchar_t caption[64] = {};
  GetMenuStringW(handle, 0, caption, 64, MF_BYPOSITION);
  EXPECT_EQ(toUtf8(caption), "开始计时");
  EXPECT_TRUE(GetMenuState(handle, 0, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(handle, 1, MF_BYPOSITION) & MF_SEPARATOR);
  HMENU sub = GetSubMenu(handle, 2);
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_GRAYED);

  EXPECT_EQ(menu.itemFor(GetMenuItemID(handle, 0)), &start);
  EXPECT_EQ(menu.itemFor(GetMenuItemID(sub, 0)), &preset);
  EXPECT_EQ(menu.itemFor(99), nullptr);
  EXPECT_TRUE(menuContains(tray, &preset));
  presets.removeChild(preset);
  EXPECT_FALSE(menuContains(tray, menu.itemFor(GetMenuItemID(sub, 0))));
}

}  // namespace
}  // namespace horalix::win32::test
