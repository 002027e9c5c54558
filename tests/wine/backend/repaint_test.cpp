// What the clock does several times a second, drawing the same face again and giving the same
// outline again, costs no repaint; every real change still shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "backend_fixture.h"
#include "platform/forms.h"
#include "platform/win32/win32_desktop.h"

namespace horalix::win32::test {
namespace {

using platform::Control;
using platform::ControlKind;
using platform::Form;

class RepaintTest : public ::testing::Test {
 public:
  void SetUp() override {
    form.setBorderStyle(0);
    form.move(1500, 1500, 3000, 1500);
    box.move(0, 0, 3000, 1500);
    form.Show();
    draw("00:01:00");
    settle();
  }
  // The face as the clock draws it: cleared, then the text.
  void draw(const std::string& text) {
    box.Cls();
    if (!text.empty()) box.Print(text);
  }
  bool awaitsPaint(HWND hwnd) { return GetUpdateRect(hwnd, nullptr, FALSE) != FALSE; }
  // Lets the windows paint what is pending.
  void settle() {
    ASSERT_TRUE(b.runUntil([&] { return !awaitsPaint(face()) && !awaitsPaint(window()); }));
  }
  HWND face() { return b.forms.windowOf(box); }
  HWND window() { return b.forms.windowOf(form); }

  Backend b;
  Form form{b.forms, "time_glass"};
  Control& box = form.addControl("Picture2", -1, ControlKind::PictureBox);
};

TEST_F(RepaintTest, OnlyAChangedFaceIsPainted) {
  struct Case {
    const char* what;
    std::function<void(RepaintTest&)> change;
    bool paintsAtOnce;
    bool paintsWhenHandlersAreDone;
  };
  const std::vector<Case> cases = {
      {"the same text again", [](RepaintTest& t) { t.draw("00:01:00"); }, false, false},
      {"another text", [](RepaintTest& t) { t.draw("00:00:59"); }, true, true},
      // Cleared and left blank, as in the dark half of a blink: seen once the handler is done.
      {"cleared only", [](RepaintTest& t) { t.draw(""); }, false, true},
      {"another colour", [](RepaintTest& t) { t.box.setBackColor(0x00FF00); }, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    draw("00:01:00");
    box.setBackColor(0xFFFFFF);
    settle();
    c.change(*this);
    EXPECT_EQ(awaitsPaint(face()), c.paintsAtOnce);
    b.loop.onHandlersDone();
    EXPECT_EQ(awaitsPaint(face()), c.paintsWhenHandlersAreDone);
  }
}

TEST_F(RepaintTest, TheSameOutlineAgainLeavesAKeyedWindowAlone) {
  const platform::WindowRegion outline{1, 1, 199, 99, 20, 20};
  form.setRegion(outline);
  form.setLayered(0x32FAFA, 255);
  settle();
  form.setRegion(outline);
  EXPECT_FALSE(awaitsPaint(window()));
  form.setRegion(platform::WindowRegion{1, 1, 199, 99, 40, 40});
  EXPECT_TRUE(awaitsPaint(window()));
}

}  // namespace
}  // namespace horalix::win32::test
