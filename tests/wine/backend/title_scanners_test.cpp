// The document scanners over real top-level windows: titles as other programs set them, in the
// system's z-order.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "backend_fixture.h"
#include "main/title_scanners.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_desktop.h"

namespace horalix::win32::test {
namespace {

using Names = std::vector<std::string>;

// A plain top-level window of this process, standing for another program's document window.
class TitledWindow {
 public:
  explicit TitledWindow(const std::wstring& title)
      : hwnd_(CreateWindowExW(0, L"STATIC", title.c_str(), WS_OVERLAPPED, 0, 0, 200, 100, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr)) {}
  ~TitledWindow() { DestroyWindow(hwnd_); }
  TitledWindow(const TitledWindow&) = delete;
  TitledWindow& operator=(const TitledWindow&) = delete;
  HWND hwnd() const { return hwnd_; }
  void raise() const {
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

 private:
  HWND hwnd_;
};

TEST(TitleScannersOnWindows, TheScannersReadRealTitlesInZOrder) {
  Backend b;
  Win32Desktop desktop{b.forms};
  TitledWindow plan(L"Plan.xlsx - Excel");
  TitledWindow budget(L"Microsoft Excel - Budget.xls");
  TitledWindow wps(L"Kosten.xlsx - WPS \u8868\u683c");  // "- WPS 表格"
  TitledWindow drawing(L"Editor - [D:\\Work\\Site.dwg]");
  TitledWindow show(L"PowerPoint Slide Show - [Deck.pptx]");
  for (const TitledWindow* w : {&plan, &budget, &wps, &drawing, &show})
    ASSERT_NE(w->hwnd(), nullptr);

  budget.raise();
  plan.raise();
  wps.raise();
  EXPECT_EQ(ExcelFileList(desktop.topWindows()), (Names{"Kosten.xlsx", "Plan.xlsx", "Budget.xls"}));
  budget.raise();
  EXPECT_EQ(ExcelFileList(desktop.topWindows()), (Names{"Budget.xls", "Kosten.xlsx", "Plan.xlsx"}));
  EXPECT_EQ(DwgFileList(desktop.topWindows()), Names{"Site.dwg"});
  EXPECT_EQ(ShowFileList(desktop.topWindows()), Names{"Deck.pptx"});
  EXPECT_EQ(PdfFileList(desktop.topWindows()), std::nullopt);
}

}  // namespace
}  // namespace horalix::win32::test
